/// @file
/// TailleAffichage : la taille, en pixels, de l'affichage où la boîte à outils dessine ; celle de
/// l'image en cours, non une constante. L'éditeur et le mode jeu ont 1024 x 768.
#pragma once

/// Largeur de l'affichage courant (1024 tant que rien d'autre n'est posé).
int largeurAffichage();
/// Hauteur de l'affichage courant (768 tant que rien d'autre n'est posé).
int hauteurAffichage();
/// Pose la taille de l'affichage ; la boucle l'appelle avant chaque image.
void poseTailleAffichage(int largeur, int hauteur);
