// CToile : composition « par-dessus » en alpha prémultiplié et couverture analytique des bords.
#include "CToile.h"

#include <algorithm>
#include <cmath>

Teinte rvb(int r, int g, int b, float a)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}

Teinte melange(Teinte u, Teinte v, float t)
{
    return {u.r + (v.r - u.r) * t, u.g + (v.g - u.g) * t, u.b + (v.b - u.b) * t,
            u.a + (v.a - u.a) * t};
}

Teinte attenue(Teinte u, float facteur)
{
    return {u.r, u.g, u.b, u.a * facteur};
}

CToile::CToile(int largeur, int hauteur)
    : l(largeur), h(hauteur), p(static_cast<size_t>(largeur) * hauteur * 4, 0.0f)
{
}

void CToile::compose(int x, int y, Teinte t, float couverture)
{
    if (x < 0 || y < 0 || x >= l || y >= h)
        return;
    float a = std::clamp(t.a * couverture, 0.0f, 1.0f);
    if (a <= 0.0f)
        return;
    float* q = &p[(static_cast<size_t>(y) * l + x) * 4];
    q[0] = t.r * a + q[0] * (1 - a);
    q[1] = t.g * a + q[1] * (1 - a);
    q[2] = t.b * a + q[2] * (1 - a);
    q[3] = a + q[3] * (1 - a);
}

void CToile::remplit(const Forme& forme, const Peinture& peinture, int x1, int y1, int x2, int y2)
{
    for (int y = std::max(y1, 0); y < std::min(y2, h); ++y)
        for (int x = std::max(x1, 0); x < std::min(x2, l); ++x) {
            float cx = x + 0.5f, cy = y + 0.5f;
            // Un pixel à cheval sur le bord est couvert en proportion de la distance.
            float c = std::clamp(0.5f - forme(cx, cy), 0.0f, 1.0f);
            if (c > 0.0f)
                compose(x, y, peinture(cx, cy), c);
        }
}

void CToile::remplit(const Forme& forme, Teinte teinte, int x1, int y1, int x2, int y2)
{
    remplit(
        forme, [teinte](float, float) { return teinte; }, x1, y1, x2, y2);
}

void CToile::ombre(const Forme& forme, float flou, Teinte teinte, int x1, int y1, int x2, int y2)
{
    for (int y = std::max(y1, 0); y < std::min(y2, h); ++y)
        for (int x = std::max(x1, 0); x < std::min(x2, l); ++x) {
            float d = forme(x + 0.5f, y + 0.5f);
            float t = std::clamp((d + flou) / (2 * flou), 0.0f, 1.0f);
            float c = 1 - t * t * (3 - 2 * t);
            compose(x, y, teinte, c);
        }
}

void CToile::pose(int x, int y, Teinte t)
{
    if (x < 0 || y < 0 || x >= l || y >= h)
        return;
    float* q = &p[(static_cast<size_t>(y) * l + x) * 4];
    q[0] = t.r * t.a;
    q[1] = t.g * t.a;
    q[2] = t.b * t.a;
    q[3] = t.a;
}

void CToile::superpose(const CToile& source, int dx, int dy)
{
    for (int y = 0; y < source.hauteur(); ++y)
        for (int x = 0; x < source.largeur(); ++x)
            compose(dx + x, dy + y, source.lit(x, y), 1.0f);
}

Teinte CToile::lit(int x, int y) const
{
    if (x < 0 || y < 0 || x >= l || y >= h)
        return {0, 0, 0, 0};
    const float* q = &p[(static_cast<size_t>(y) * l + x) * 4];
    if (q[3] <= 0.0f)
        return {0, 0, 0, 0};
    return {q[0] / q[3], q[1] / q[3], q[2] / q[3], q[3]};
}

std::vector<uint8_t> CToile::octets() const
{
    std::vector<uint8_t> o(static_cast<size_t>(l) * h * 4, 0);
    std::vector<char> connu(static_cast<size_t>(l) * h, 0);
    auto octet = [](float v) {
        return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            Teinte t = lit(x, y);
            uint8_t* q = &o[(static_cast<size_t>(y) * l + x) * 4];
            q[3] = octet(t.a);
            if (q[3] == 0)
                continue;
            q[0] = octet(t.r);
            q[1] = octet(t.g);
            q[2] = octet(t.b);
            connu[static_cast<size_t>(y) * l + x] = 1;
        }
    // Les pixels invisibles prennent la couleur de leurs voisins visibles : le filtrage
    // linéaire d'une pièce étirée ne fait alors pas baver de noir sur les bords lissés.
    for (int passe = 0; passe < 3; ++passe) {
        std::vector<char> suivant = connu;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < l; ++x) {
                if (connu[static_cast<size_t>(y) * l + x])
                    continue;
                int somme[3] = {0, 0, 0}, n = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        int vx = x + dx, vy = y + dy;
                        if (vx < 0 || vy < 0 || vx >= l || vy >= h ||
                            !connu[static_cast<size_t>(vy) * l + vx])
                            continue;
                        const uint8_t* v = &o[(static_cast<size_t>(vy) * l + vx) * 4];
                        for (int k = 0; k < 3; ++k)
                            somme[k] += v[k];
                        ++n;
                    }
                if (n == 0)
                    continue;
                uint8_t* q = &o[(static_cast<size_t>(y) * l + x) * 4];
                for (int k = 0; k < 3; ++k)
                    q[k] = static_cast<uint8_t>((somme[k] + n / 2) / n);
                suivant[static_cast<size_t>(y) * l + x] = 1;
            }
        connu.swap(suivant);
    }
    return o;
}
