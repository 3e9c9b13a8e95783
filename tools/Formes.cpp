// Formes : distances signées exactes (rectangles, cercles, segments, polygones) et dégradés.
#include "Formes.h"

#include <algorithm>
#include <cmath>
#include <utility>

Forme rectangleArrondi(float x1, float y1, float x2, float y2, float r)
{
    float cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    float hx = (x2 - x1) / 2 - r, hy = (y2 - y1) / 2 - r;
    return [=](float x, float y) {
        float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
        float ex = std::max(qx, 0.0f), ey = std::max(qy, 0.0f);
        return std::sqrt(ex * ex + ey * ey) + std::min(std::max(qx, qy), 0.0f) - r;
    };
}

Forme cercle(float cx, float cy, float r)
{
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

static float distanceSegment(float x, float y, Point a, Point b)
{
    float vx = b.x - a.x, vy = b.y - a.y;
    float wx = x - a.x, wy = y - a.y;
    float l2 = vx * vx + vy * vy;
    float t = l2 > 0 ? std::clamp((wx * vx + wy * vy) / l2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(wx - t * vx, wy - t * vy);
}

Forme segment(Point a, Point b, float e)
{
    return [=](float x, float y) { return distanceSegment(x, y, a, b) - e / 2; };
}

Forme trait(const std::vector<Point>& points, float e)
{
    return [=](float x, float y) {
        float d = 1e9f;
        for (size_t i = 1; i < points.size(); ++i)
            d = std::min(d, distanceSegment(x, y, points[i - 1], points[i]));
        return d - e / 2;
    };
}

Forme polygone(const std::vector<Point>& s)
{
    return [=](float x, float y) {
        float d = 1e9f;
        bool dedans = false;
        for (size_t i = 0, j = s.size() - 1; i < s.size(); j = i++) {
            d = std::min(d, distanceSegment(x, y, s[j], s[i]));
            if ((s[i].y > y) != (s[j].y > y) &&
                x < (s[j].x - s[i].x) * (y - s[i].y) / (s[j].y - s[i].y) + s[i].x)
                dedans = !dedans;
        }
        return dedans ? -d : d;
    };
}

Forme reunion(Forme a, Forme b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) {
        return std::min(a(x, y), b(x, y));
    };
}

Forme intersection(Forme a, Forme b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) {
        return std::max(a(x, y), b(x, y));
    };
}

Forme difference(Forme a, Forme b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) {
        return std::max(a(x, y), -b(x, y));
    };
}

Forme gonfle(Forme a, float r)
{
    return [a = std::move(a), r](float x, float y) { return a(x, y) - r; };
}

Forme contour(Forme a, float e)
{
    return [a = std::move(a), e](float x, float y) { return std::fabs(a(x, y)) - e / 2; };
}

Forme deplace(Forme a, float dx, float dy)
{
    return [a = std::move(a), dx, dy](float x, float y) { return a(x - dx, y - dy); };
}

Peinture degradeVertical(float y1, Teinte haut, float y2, Teinte bas)
{
    return [=](float, float y) {
        return melange(haut, bas, std::clamp((y - y1) / (y2 - y1), 0.0f, 1.0f));
    };
}

Peinture degradeVertical3(float y1, Teinte haut, float ym, Teinte milieu, float y2, Teinte bas)
{
    return [=](float, float y) {
        if (y < ym)
            return melange(haut, milieu, std::clamp((y - y1) / (ym - y1), 0.0f, 1.0f));
        return melange(milieu, bas, std::clamp((y - ym) / (y2 - ym), 0.0f, 1.0f));
    };
}
