// CaptureEGL : contexte OpenGL hors écran par Mesa (EGL, sans affichage) et écriture en PNG
// d'un rectangle de l'écran, pour les aperçus de la documentation.
#pragma once

#include "render/Coord.h"

// Contexte OpenGL de compatibilité sur une surface hors écran de largeur x hauteur pixels (la
// taille de l'écran par défaut).
bool ouvreContexte(int largeur = LARGEUR_ECRAN, int hauteur = HAUTEUR_ECRAN);

// Le contexte, l'état OpenGL, les images et la police d'une capture ; faux, cause dite sur la
// sortie d'erreur, quand l'un d'eux manque.
bool demarreCapture();

// Écrit le rectangle r de l'écran (y vers le bas) en PNG RGB.
bool ecritPNG(const char* chemin, Rect r);
