// Application : racine de l'arbre, horloge, rappels d'affichage et d'inactivité, démarrage
// et fin du programme.
#pragma once

#include <cstdint>

class CContainer;

// La racine de l'arbre, une fenêtre de fond plein écran ; nulle avant le démarrage et
// après quitte().
extern CContainer* racine;
// Temps de la plateforme pris au démarrage, en millisecondes.
extern int32_t tempsDepart;
// Millisecondes depuis le démarrage, relues à chaque tour d'inactivité.
extern int32_t tempsEcoule;

// Projection, mélange, pointillés, couleur d'effacement, puis les textures ; false si une
// texture manque.
bool initialiseOpenGL();
// Démarre l'horloge, charge les textures puis la police et construit l'arbre ; false (sans
// arbre) quand une image manque, la police n'étant pas tentée après un échec des textures.
bool demarre();
// La racine (fenêtre de fond) et la fenêtre de l'éditeur ajoutée à son premier plan.
void construitArbre();

// Rappel d'affichage : efface, dessine l'arbre puis le curseur, échange les tampons.
void affichage();
// Rappel d'inactivité : horloge, curseur par défaut, mise à jour de l'arbre, nouvelle image ;
// après un signal de fin, quitte() comme Échap.
void inactivite();
// Dessine curseurCourant à la position de la souris, par-dessus tout.
void dessineCurseur();
// Détruit l'arbre (la fenêtre de l'éditeur écrit son source), quitte le mode jeu, montre la
// boîte "Erreur !" si le source n'a pu aller que dans une copie, et termine le processus avec le
// code 0.
void quitte();
// Détruit l'arbre s'il existe encore, ce qui écrit le source, et dit sur la sortie d'erreur,
// après cause, où se trouve la mise en page ; pour les fins qui ne passent pas par Échap.
void sauveMiseEnPage(const char* cause);
