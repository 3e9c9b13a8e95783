// Boucle : la racine de l'arbre, l'horloge, la préparation de l'affichage et les rappels
// d'affichage et d'inactivité, communs à l'éditeur et à lanceApplication.
#pragma once

#include <cstdint>

class CContainer;

// La racine de l'arbre, une fenêtre de fond plein écran ; nulle avant le démarrage et
// après la fin.
extern CContainer* racine;
// Temps de la plateforme pris au démarrage, en millisecondes.
extern int32_t tempsDepart;
// Millisecondes depuis le démarrage, relues à chaque tour d'inactivité.
extern int32_t tempsEcoule;
// Appelée au début de chaque tour d'inactivité quand elle est posée ; vrai quand elle a fini le
// programme, et le tour s'arrête là. L'éditeur y exécute les fins demandées par signal.
extern bool (*finAuTour)();

// Projection, mélange, pointillés, couleur d'effacement, puis les textures ; false si une
// texture manque.
bool initialiseOpenGL();
// Démarre l'horloge, choisit le dossier des images (dernierRecours à défaut de Data ici ou
// installé avec l'exécutable), prépare OpenGL et charge les textures puis la police ; false à
// la première image illisible, déjà nommée sur la sortie d'erreur, la police n'étant pas tentée
// après un échec des textures.
bool prepareDemarrage(const char* dernierRecours);

// Rappel d'affichage : efface, dessine l'arbre puis le curseur, échange les tampons.
void affichage();
// Rappel d'inactivité : horloge, curseur par défaut, mise à jour de l'arbre, nouvelle image.
void inactivite();
// Dessine curseurCourant à la position de la souris, par-dessus tout.
void dessineCurseur();
