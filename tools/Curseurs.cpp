// Curseurs : flèche sombre cernée de blanc, un reflet sarcelle la parcourt en quatre images.
#include "Dessins.h"

#include "Formes.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>

namespace
{

using namespace palette;

// La flèche, pointe en (0,0) : bord gauche vertical, bord droit à 45 degrés.
std::vector<Point> fleche()
{
    return {{0, 0}, {0, 21}, {5, 16.5f}, {9, 25}, {12.5f, 23.5f}, {8.5f, 15}, {15, 15}};
}

void image(CToile& t, int x0, int numero)
{
    std::vector<Point> p = fleche();
    for (Point& q : p)
        q = {q.x + x0 + 1.2f, q.y + 1.8f};
    Forme interieur = polygone(p);
    Forme exterieur = gonfle(interieur, 1.3f);
    t.ombre(deplace(exterieur, 1.5f, 2.5f), 1.8f, attenue(NOIR, 0.4f), x0, 0, x0 + 50, 50);
    t.remplit(exterieur, BLANC, x0, 0, x0 + 50, 50);
    // Reflet : une bande diagonale qui descend de la pointe vers la queue.
    float centre = -6 + numero * 10.0f;
    t.remplit(
        interieur,
        [=](float x, float y) {
            float d = (x - x0) * 0.45f + y - centre;
            float reflet = std::exp(-d * d / 18.0f);
            return melange(ARDOISE, SARCELLE, reflet * 0.85f);
        },
        x0, 0, x0 + 50, 50);
    // Pixel chaud net : la pointe est exactement le point (0,0) de l'image.
    t.pose(x0, 0, BLANC);
}

} // namespace

CToile dessineCurseurs()
{
    CToile t(200, 50);
    for (int i = 0; i < 4; ++i)
        image(t, 50 * i, i);
    return t;
}
