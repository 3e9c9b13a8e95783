// Cadre du focus : un pointillé fin, un pixel sur deux, dans la couleur du texte de l'objet.
#include "widgets/CadreFocus.h"

#include "render/Primitives.h"

namespace
{
const uint16_t POINTILLE = 0x5555;
}

void dessineCadreFocus(Coord hautGauche, Coord basDroite, Couleur couleur)
{
    dessineCadre(hautGauche, basDroite - MakeCoord(1, 1), couleur, 1.0f, POINTILLE, 1);
}
