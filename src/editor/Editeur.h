// Editeur : démarrage et fin de l'éditeur, sur la boucle commune (racine, horloge,
// affichage, inactivité).
#pragma once

#include "application/Boucle.h"

#include <string>

// Démarre l'horloge, charge les textures puis la police et construit l'arbre ; false (sans
// arbre) quand une image manque, la police n'étant pas tentée après un échec des textures.
bool demarre();
// La racine (fenêtre de fond) et la fenêtre de l'éditeur ajoutée à son premier plan.
void construitArbre();

// Détruit l'arbre (la fenêtre de l'éditeur écrit son source), quitte le mode jeu, montre la
// boîte "Erreur !" si le source n'a pu aller que dans une copie, et termine le processus avec le
// code 0.
void quitte();
// Détruit l'arbre s'il existe encore, ce qui écrit le source, et dit sur la sortie d'erreur,
// après cause, où se trouve la mise en page ; pour les fins qui ne passent pas par Échap.
void sauveMiseEnPage(const char* cause);

// Le fichier donné en argument devient celui que l'éditeur écrit : lu et rebâti s'il existe,
// créé en quittant sinon. Un fichier illisible ou mal formé est refusé sur la sortie d'erreur
// (FICHIER:LIGNE:COLONNE: ce qui était attendu) ; rien n'est alors touché et le résultat est faux.
bool ouvreFichierEdite(const char* nom);
// Sans argument : si le dossier de travail tient déjà "Fenetre1.cpp", dit une fois comment le
// rouvrir ; rend ce qui a été dit.
std::string signaleSourceExistant();
