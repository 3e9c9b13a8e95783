// Formes : distances signées des figures que peint le générateur, et leurs combinaisons.
#pragma once

#include "CToile.h"

#include <vector>

struct Point {
    float x, y;
};

// Rectangle x1..x2, y1..y2 aux coins arrondis de rayon r.
Forme rectangleArrondi(float x1, float y1, float x2, float y2, float r);
Forme cercle(float cx, float cy, float r);
// Segment a-b épaissi en capsule d'épaisseur e.
Forme segment(Point a, Point b, float e);
// Ligne brisée épaissie, extrémités et coudes arrondis.
Forme trait(const std::vector<Point>& points, float e);
// Polygone quelconque (règle pair-impair).
Forme polygone(const std::vector<Point>& sommets);

Forme reunion(Forme a, Forme b);
Forme intersection(Forme a, Forme b);
Forme difference(Forme a, Forme b);
// Agrandit la forme de r pixels (r négatif la creuse).
Forme gonfle(Forme a, float r);
// Le liseré de la forme, de l'épaisseur e, à cheval sur son bord.
Forme contour(Forme a, float e);
Forme deplace(Forme a, float dx, float dy);

// Dégradé vertical de haut (y1) en bas (y2), borné aux extrémités.
Peinture degradeVertical(float y1, Teinte haut, float y2, Teinte bas);
// Dégradé vertical à trois arrêts.
Peinture degradeVertical3(float y1, Teinte haut, float ym, Teinte milieu, float y2, Teinte bas);
