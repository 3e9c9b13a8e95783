// PressePapiersX : le presse-papiers du bureau (la sélection CLIPBOARD de X) pour les champs,
// par une connexion X à lui et une fenêtre cachée qui possède la sélection après une copie.
#pragma once

// Ouvre la connexion et la fenêtre cachée, puis installe le presse-papiers X pour les champs ;
// faux sans affichage joignable (le presse-papiers reste celui du processus).
bool ouvrePressePapiersX();
// Sert les demandes des autres programmes (SelectionRequest, SelectionClear) en attente sur la
// connexion, sans jamais attendre. À appeler à chaque tour de la boucle, et dès que le
// descripteur de la connexion devient lisible quand la boucle dort.
void servicePressePapiersX();
// Le descripteur de fichier de la connexion, à surveiller en lecture ; -1 quand elle est fermée.
int descripteurPressePapiersX();
// Rend le presse-papiers du processus et ferme la connexion ; le texte copié est perdu pour les
// autres programmes, comme à la fin de tout programme X.
void fermePressePapiersX();
