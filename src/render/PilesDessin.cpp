// Piles des origines et des découpages, vides au lancement et entre deux images.
#include "render/PilesDessin.h"

#include "render/TailleAffichage.h"

#include <vector>

namespace
{
// Les objets statiques sont détruits dans l'ordre inverse de leur construction :
// déclarer les découpages d'abord libère les origines en premier à la sortie.
std::vector<Rect> pileDecoupage;
std::vector<Coord> pileOrigines;
} // namespace

void empileOrigine(Coord d)
{
    pileOrigines.push_back(origineCourante() + d);
}

void depileOrigine()
{
    if (!pileOrigines.empty())
        pileOrigines.pop_back();
}

Coord origineCourante()
{
    return pileOrigines.empty() ? Coord{0, 0} : pileOrigines.back();
}

void empileDecoupage(Coord hautGauche, Coord basDroite)
{
    Rect local{hautGauche, basDroite};
    pileDecoupage.push_back(intersection(local + origineCourante(), decoupageCourant()));
}

void depileDecoupage()
{
    if (!pileDecoupage.empty())
        pileDecoupage.pop_back();
}

Rect decoupageCourant()
{
    return pileDecoupage.empty() ? MakeRect(0, 0, largeurAffichage(), hauteurAffichage())
                                 : pileDecoupage.back();
}

int profondeurOrigines()
{
    return int(pileOrigines.size());
}
int profondeurDecoupages()
{
    return int(pileDecoupage.size());
}
