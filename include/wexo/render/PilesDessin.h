/// @file
/// Piles globales des origines et des découpages qui donnent aux objets imbriqués leur repère
/// local.
#pragma once

#include "Coord.h"

/// Empile l'origine courante décalée de d : les décalages s'additionnent.
void empileOrigine(Coord d);
/// Rend l'origine d'avant le dernier empileOrigine.
void depileOrigine();
/// Le sommet de la pile, ou (0,0) quand elle est vide.
Coord origineCourante();

/// Le rectangle est donné en coordonnées locales ; il est déplacé par l'origine
/// courante et coupé par le découpage courant, si bien qu'il ne peut que rétrécir.
void empileDecoupage(Coord hautGauche, Coord basDroite);
/// Rend le découpage d'avant le dernier empileDecoupage.
void depileDecoupage();
/// Le sommet de la pile, ou l'affichage entier quand elle est vide (PLEIN_ECRAN en
/// 1024 x 768).
Rect decoupageCourant();

/// Profondeurs des deux piles, pour vérifier qu'un dessin rend ce qu'il a pris.
///@{
int profondeurOrigines();
int profondeurDecoupages();
///@}
