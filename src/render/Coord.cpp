// Intersection et rectangle tendu entre deux coins.
#include "render/Coord.h"

#include <algorithm>

Rect intersection(Rect a, Rect b)
{
    return Rect{
        Coord{std::max(a.hautGauche.x, b.hautGauche.x), std::max(a.hautGauche.y, b.hautGauche.y)},
        Coord{std::min(a.basDroite.x, b.basDroite.x), std::min(a.basDroite.y, b.basDroite.y)}};
}

Rect rectangleEntre(Coord p, Coord q)
{
    return Rect{Coord{std::min(p.x, q.x), std::min(p.y, q.y)},
                Coord{std::max(p.x, q.x), std::max(p.y, q.y)}};
}
