// Moi : paysage calme (ciel chaud, soleil pâle, collines sarcelle) qui supporte tout étirement.
#include "Dessins.h"

#include "Formes.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>

namespace
{

using namespace palette;

// Ligne de crête : somme de sinusoïdes, douce à toutes les échelles.
float crete(float x, float base, float a1, float p1, float a2, float p2, float phase)
{
    const float pi = 3.14159265f;
    return base + a1 * std::sin(x / 256 * 2 * pi * p1 + phase) +
           a2 * std::sin(x / 256 * 2 * pi * p2 + phase * 1.7f);
}

Forme sousCrete(float base, float a1, float p1, float a2, float p2, float phase)
{
    // Distance verticale à la crête : assez juste pour des pentes douces.
    return [=](float x, float y) { return crete(x, base, a1, p1, a2, p2, phase) - y; };
}

} // namespace

CToile dessineMoi()
{
    const int n = 256;
    CToile t(n, n);
    Forme tout = rectangleArrondi(0, 0, n, n, 0.01f);
    t.remplit(
        tout,
        degradeVertical3(0, rvb(200, 222, 220), 120, rvb(246, 230, 200), 170, rvb(250, 206, 160)),
        0, 0, n, n);
    // Soleil et halo.
    t.remplit(
        tout,
        [](float x, float y) {
            float d = std::hypot(x - 172, y - 112);
            return attenue(rvb(255, 246, 222), 0.7f * std::exp(-d * d / 3000.0f));
        },
        0, 0, n, n);
    t.remplit(cercle(172, 112, 24), rvb(255, 249, 232), 0, 0, n, n);
    // Collines, des plus lointaines (claires) aux plus proches (foncées).
    t.remplit(sousCrete(150, 10, 1.3f, 5, 3.1f, 0.4f),
              degradeVertical(130, rvb(170, 196, 188), 200, rvb(150, 182, 174)), 0, 0, n, n);
    t.remplit(sousCrete(172, 12, 1.1f, 6, 2.3f, 2.1f),
              degradeVertical(150, rvb(112, 162, 154), 230, rvb(92, 146, 140)), 0, 0, n, n);
    t.remplit(sousCrete(200, 16, 0.8f, 5, 2.0f, 4.0f),
              degradeVertical(180, rvb(58, 124, 120), 256, rvb(40, 100, 100)), 0, 0, n, n);
    t.remplit(sousCrete(232, 10, 0.6f, 4, 1.7f, 1.0f),
              degradeVertical(215, rvb(32, 84, 86), 256, rvb(22, 62, 66)), 0, 0, n, n);
    // Un arbre seul sur la colline du milieu.
    float xa = 70, ya = crete(70, 200, 16, 0.8f, 5, 2.0f, 4.0f);
    t.remplit(segment({xa, ya + 4}, {xa, ya - 14}, 2.5f), rvb(40, 60, 50), 0, 0, n, n);
    t.remplit(reunion(cercle(xa, ya - 20, 9),
                      reunion(cercle(xa - 6, ya - 14, 6), cercle(xa + 6, ya - 14, 6))),
              degradeVertical(ya - 29, rvb(72, 132, 110), ya - 8, rvb(36, 90, 76)), 0, 0, n, n);
    // Et moi, assis près de l'arbre, qui regarde le soleil se coucher.
    float xm = 88, ym = crete(88, 200, 16, 0.8f, 5, 2.0f, 4.0f) + 1;
    Teinte silhouette = rvb(30, 56, 52);
    t.remplit(reunion(cercle(xm, ym - 15, 3.4f),
                      reunion(rectangleArrondi(xm - 4.2f, ym - 11, xm + 3.6f, ym + 1, 3.2f),
                              rectangleArrondi(xm - 2, ym - 2.6f, xm + 8, ym + 1, 1.6f))),
              silhouette, 0, 0, n, n);
    // Filet sombre tout autour : le bord qui reboucle au filtrage reste de la même couleur.
    t.remplit(contour(rectangleArrondi(0, 0, n, n, 0.01f), 3.0f), rvb(97, 76, 36), 0, 0, n, n);
    return t;
}
