// Tests des points compactés, des rectangles et des piles d'origines et de découpages.
#include "render/Coord.h"
#include "render/PilesDessin.h"

#include "TableCas.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
Rect R(int x1, int y1, int x2, int y2)
{
    return MakeRect(x1, y1, x2, y2);
}
} // namespace

TEST(Coord, UnMotDe32BitsXEnBasYEnHaut)
{
    Coord c = MakeCoord(-2, 3);
    uint32_t brut;
    std::memcpy(&brut, &c, 4);
    EXPECT_EQ(brut, 0x0003FFFEu);
    EXPECT_EQ(c.mot(), 0x0003FFFEu);
    // Les arguments sont coupés à 16 bits.
    EXPECT_EQ(MakeCoord(65536 + 7, -65536 - 1), MakeCoord(7, -1));
    EXPECT_EQ(MakeCoord(40000, 0).x, -25536);
}

TEST(Coord, ArithmetiqueParMoitieSur16Bits)
{
    struct Cas {
        Coord a, b, somme, difference;
    } cas[] = {
        {{32767, 5}, {1, 0}, {-32768, 5}, {32766, 5}},
        {{0, 0}, {1, 1}, {1, 1}, {-1, -1}},
        {{-32768, 32767}, {-1, 1}, {32767, -32768}, {-32767, 32766}},
        {{100, -50}, {-20, 30}, {80, -20}, {120, -80}},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        EXPECT_EQ(c.a + c.b, c.somme) << c.a.x << "," << c.a.y;
        EXPECT_EQ(c.a - c.b, c.difference) << c.a.x << "," << c.a.y;
    });
}

TEST(Rect, TailleEtAppartenanceSemiOuverte)
{
    Rect r = R(10, 20, 110, 70);
    EXPECT_EQ(r.largeur(), 100);
    EXPECT_EQ(r.hauteur(), 50);
    struct Cas {
        Coord p;
        bool dedans;
    } cas[] = {{{10, 20}, true},  {{109, 69}, true}, {{110, 20}, false},
               {{10, 70}, false}, {{9, 20}, false},  {{50, 19}, false}};
    pourChaqueCas(
        cas, [&](const Cas& c) { EXPECT_EQ(r.contient(c.p), c.dedans) << c.p.x << "," << c.p.y; });
    EXPECT_FALSE(R(5, 5, 5, 10).contient({5, 6}));
    EXPECT_TRUE(R(5, 5, 5, 10).estVide());
    EXPECT_EQ(R(1, 2, 3, 4) + MakeCoord(10, 20), R(11, 22, 13, 24));
    EXPECT_EQ(R(11, 22, 13, 24) - MakeCoord(10, 20), R(1, 2, 3, 4));
}

TEST(Rect, IntersectionEtRectangleEntre)
{
    EXPECT_EQ(intersection(R(0, 0, 100, 100), R(50, 50, 200, 200)), R(50, 50, 100, 100));
    // Disjoints : les coins se croisent, rien n'est réordonné.
    Rect vide = intersection(R(0, 0, 10, 10), R(20, 20, 30, 30));
    EXPECT_EQ(vide, R(20, 20, 10, 10));
    EXPECT_TRUE(vide.estVide());
    // Comparaisons signées.
    EXPECT_EQ(intersection(R(-50, -50, 10, 10), R(-100, -20, 0, 40)), R(-50, -20, 0, 10));

    EXPECT_EQ(rectangleEntre({30, 5}, {10, 40}), R(10, 5, 30, 40));
    EXPECT_EQ(rectangleEntre({10, 40}, {30, 5}), R(10, 5, 30, 40));
    EXPECT_EQ(rectangleEntre({-5, 3}, {4, -3}), R(-5, -3, 4, 3));
    EXPECT_TRUE(rectangleEntre({7, 7}, {7, 7}).estVide());
}

TEST(PilesDessin, OriginesCumuleesEtDecoupagesQuiRetrecissent)
{
    ASSERT_EQ(profondeurOrigines(), 0);
    ASSERT_EQ(profondeurDecoupages(), 0);
    EXPECT_EQ(origineCourante(), MakeCoord(0, 0));
    EXPECT_EQ(decoupageCourant(), PLEIN_ECRAN);
    depileOrigine();
    depileDecoupage();
    EXPECT_EQ(profondeurOrigines(), 0);
    EXPECT_EQ(decoupageCourant(), R(0, 0, 1024, 768));

    empileOrigine({100, 50});
    empileOrigine({10, 10});
    EXPECT_EQ(origineCourante(), MakeCoord(110, 60));
    empileDecoupage({0, 0}, {20, 20});
    EXPECT_EQ(decoupageCourant(), R(110, 60, 130, 80));
    // Un découpage plus grand ne peut pas rouvrir ce que le précédent a fermé.
    empileDecoupage({-100, -100}, {500, 10});
    EXPECT_EQ(decoupageCourant(), R(110, 60, 130, 70));
    // Un découpage hors du courant laisse un découpage vide.
    empileDecoupage({200, 200}, {300, 300});
    EXPECT_TRUE(decoupageCourant().estVide());

    depileDecoupage();
    EXPECT_EQ(decoupageCourant(), R(110, 60, 130, 70));
    depileDecoupage();
    depileDecoupage();
    EXPECT_EQ(decoupageCourant(), PLEIN_ECRAN);
    depileOrigine();
    EXPECT_EQ(origineCourante(), MakeCoord(100, 50));
    depileOrigine();
    EXPECT_EQ(profondeurOrigines(), 0);
    EXPECT_EQ(profondeurDecoupages(), 0);
}

TEST(PilesDessin, LeDecoupageSuitLOrigineDuMomentDeLEmpilement)
{
    empileOrigine({32760, 0});
    // Les sommes d'origines bouclent sur 16 bits comme tout Coord.
    empileOrigine({10, 0});
    EXPECT_EQ(origineCourante(), MakeCoord(-32766, 0));
    depileOrigine();
    empileDecoupage({0, 0}, {100, 100});
    // Le coin droit a bouclé : le découpage est vide, rien ne sera dessiné.
    EXPECT_EQ(decoupageCourant(), R(32760, 0, -32676, 100));
    EXPECT_TRUE(decoupageCourant().estVide());
    depileDecoupage();
    depileOrigine();
}
