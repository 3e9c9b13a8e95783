// Vue : ce que l'écran montre de la zone client d'un conteneur, et la place d'une fenêtre dedans.
#pragma once

#include "render/Coord.h"

class CContainer;
class CFenetre;

// Ce que l'écran montre de la zone client de parent, en coordonnées client de parent ; rien de
// visible, la zone client entière.
Rect zoneVisible(CContainer& parent);
// Centre fenetre dans zoneVisible de son parent ; sur un axe où elle est plus grande, son bord
// haut ou gauche y reste visible (Entrée et Échap atteignent ses boutons, même cachés).
void placeDansLaVue(CFenetre& fenetre);
