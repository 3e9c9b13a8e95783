// TailleAffichage : la taille de l'affichage courant.
#include "render/TailleAffichage.h"

#include "render/Coord.h"

namespace
{
int largeur = LARGEUR_ECRAN;
int hauteur = HAUTEUR_ECRAN;
} // namespace

int largeurAffichage()
{
    return largeur;
}

int hauteurAffichage()
{
    return hauteur;
}

void poseTailleAffichage(int l, int h)
{
    largeur = l > 0 ? l : 1;
    hauteur = h > 0 ? h : 1;
}
