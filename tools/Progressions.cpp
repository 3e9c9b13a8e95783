// Progressions : gouttière creuse et remplissage sarcelle, uniformes entre les colonnes 17 et 110.
#include "Dessins.h"

#include "Formes.h"
#include "Motifs.h"
#include "Palette.h"

#include <algorithm>

namespace
{

using namespace palette;

// Cadre, (0,0)-(128,38) : le remplissage se pose dans le creux, lignes 7 à 31.
void cadre(CToile& t)
{
    Forme exterieur = rectangleArrondi(0.5f, 0.5f, 127.5f, 36.5f, 16);
    t.remplit(deplace(exterieur, 0, 1), attenue(OMBRE, 0.22f), 0, 0, 128, 38);
    t.remplit(exterieur, degradeVertical(1, CREME_HAUT, 36, CREME_BAS), 0, 0, 128, 38);
    t.remplit(contour(gonfle(exterieur, -0.5f), 1.0f), BORD_BOUTON, 0, 0, 128, 38);
    Forme creux = rectangleArrondi(5, 5, 124, 34, 14.5f);
    t.remplit(deplace(creux, 0, 0.8f), attenue(BLANC, 0.9f), 0, 0, 128, 38);
    t.remplit(creux, degradeVertical(5, rvb(196, 182, 154), 34, rvb(224, 214, 192)), 0, 0, 128, 38);
    t.remplit(intersection(creux, difference(creux, deplace(creux, 0, 3))), attenue(OMBRE, 0.16f),
              0, 0, 128, 38);
}

// Remplissage, (7,39)-(122,64) : mêmes colonnes que le creux du cadre.
void remplissage(CToile& t)
{
    const float y1 = 39, y2 = 64;
    Forme barre = rectangleArrondi(7, y1, 122, y2, 12.5f);
    t.remplit(barre, degradeVertical3(y1, SARCELLE_CLAIRE, y1 + 12, SARCELLE, y2, SARCELLE_FONCEE),
              0, 38, 128, 64);
    // Reflet brillant sur la moitié haute.
    Forme reflet = rectangleArrondi(12, y1 + 2, 117, y1 + 11, 4.5f);
    t.remplit(reflet,
              degradeVertical(y1 + 2, attenue(BLANC, 0.55f), y1 + 11, attenue(BLANC, 0.08f)), 0, 38,
              128, 64);
    t.remplit(contour(gonfle(barre, -0.5f), 1.0f), attenue(SARCELLE_FONCEE, 0.9f), 0, 38, 128, 64);
}

} // namespace

CToile dessineProgressions()
{
    CToile t(128, 64);
    cadre(t);
    remplissage(t);
    return t;
}
