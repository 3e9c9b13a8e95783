/// @file
/// CadreFocus : le cadre pointillé qui montre l'objet qui a le focus du clavier.
#pragma once

#include "../render/Coord.h"
#include "../render/Couleur.h"

/// Un cadre pointillé d'un pixel de hautGauche à basDroite (exclu), à l'origine courante.
void dessineCadreFocus(Coord hautGauche, Coord basDroite, Couleur couleur);
