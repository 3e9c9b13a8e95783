// Tests de la pose d'un morceau d'habillage : tuiles à la taille exacte, une de trop, coupées à
// chaque bord et au découpage, morceaux posés tour à tour, étirement et destinations vides.
#include "render/MorceauSkin.h"

#include "render/PilesDessin.h"
#include "render/Primitives.h"
#include "render/Texture.h"

#include "EnregistreurGL.h"
#include "MorceauxGL.h"
#include "PilesPropres.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
const int ID = 21; // nom OpenGL de la texture d'essai
typedef std::vector<MorceauGL> Morceaux;

// Texels de la tuile d'essai : 10 de large, 8 de haut, lisibles dans l'un et l'autre sens.
const Coord T1 = MakeCoord(100, 50), T2 = MakeCoord(110, 58);

MorceauGL m(int sx1, int sy1, int sx2, int sy2, int x1, int y1, int x2, int y2)
{
    return {ID, sx1, sy1, sx2, sy2, x1, y1, x2, y2};
}

class Morceau : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        textures[TEXTURE_BOUTONS] = Texture{"b", nullptr, 32, 256, 256, 256, 256, ID};
        enregistreur::efface();
    }
    void TearDown() override
    {
        videPilesDessin();
        textures[TEXTURE_BOUTONS] = Texture{};
    }
    // Pose et relit ; chaque pose rend les piles comme elle les a trouvées.
    static Morceaux pose(const std::vector<MorceauSkin>& morceaux, bool etire)
    {
        enregistreur::efface();
        const int decoupages = profondeurDecoupages();
        dessineMorceaux(TEXTURE_BOUTONS, morceaux.data(), int(morceaux.size()), etire);
        fermeLotGL();
        EXPECT_EQ(profondeurDecoupages(), decoupages);
        return morceauxDessines();
    }
};
} // namespace

TEST_F(Morceau, RepeteEnLargeurCoupeAuBordDroit)
{
    struct Cas {
        int largeur;  // de la destination
        int tuiles;   // posées
        int derniere; // largeur de la dernière, coupée au bord
    } cas[] = {
        {20, 2, 10}, // taille exacte : pas de troisième tuile, vide, au bord
        {21, 3, 1},  // un texel de trop : une tuile d'un texel
        {19, 2, 9},  {10, 1, 10}, {1, 1, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.largeur);
        const Morceaux vus =
            pose({{T1, T2, MakeRect(20, 30, 20 + c.largeur, 38), EN_LARGEUR}}, false);
        ASSERT_EQ(int(vus.size()), c.tuiles) << ::testing::PrintToString(vus);
        for (int i = 0; i < c.tuiles; ++i) {
            const int l = i + 1 == c.tuiles ? c.derniere : 10;
            EXPECT_EQ(vus[size_t(i)], m(100, 50, 100 + l, 58, 20 + 10 * i, 30, 20 + 10 * i + l, 38))
                << "tuile " << i;
        }
    }
}

TEST_F(Morceau, RepeteEnDeuxSensRangeeApresRangee)
{
    // 25 x 20 sous l'origine (100,200) : trois colonnes (la dernière de 5) et trois rangées (la
    // dernière de 4), la rangée du haut d'abord.
    empileOrigine(MakeCoord(100, 200));
    const MorceauSkin centre = {T1, T2, MakeRect(0, 0, 25, 20), EN_LARGEUR_ET_HAUTEUR};
    const Morceaux attendu = {
        m(100, 50, 110, 58, 100, 200, 110, 208), m(100, 50, 110, 58, 110, 200, 120, 208),
        m(100, 50, 105, 58, 120, 200, 125, 208), m(100, 50, 110, 58, 100, 208, 110, 216),
        m(100, 50, 110, 58, 110, 208, 120, 216), m(100, 50, 105, 58, 120, 208, 125, 216),
        m(100, 50, 110, 54, 100, 216, 110, 220), m(100, 50, 110, 54, 110, 216, 120, 220),
        m(100, 50, 105, 54, 120, 216, 125, 220),
    };
    EXPECT_EQ(pose({centre}, false), attendu);

    // Un découpage englobant qui retranche 3 colonnes à gauche et 2 lignes en haut : la
    // première tuile perd autant de texels, les autres ne bougent pas.
    empileDecoupage(MakeCoord(3, 2), MakeCoord(25, 20));
    const Morceaux coupes = pose({centre}, false);
    ASSERT_EQ(coupes.size(), attendu.size());
    EXPECT_EQ(coupes[0], m(103, 52, 110, 58, 103, 202, 110, 208));
    EXPECT_EQ(coupes[1], m(100, 52, 110, 58, 110, 202, 120, 208));
    EXPECT_EQ(coupes[3], m(103, 50, 110, 58, 103, 208, 110, 216));
    EXPECT_EQ(coupes.back(), attendu.back());

    // Un découpage qui ne laisse que la colonne du milieu : rien ne déborde de lui.
    depileDecoupage();
    empileDecoupage(MakeCoord(10, 0), MakeCoord(20, 20));
    const Morceaux milieu = pose({centre}, false);
    ASSERT_EQ(milieu.size(), 3u) << ::testing::PrintToString(milieu);
    for (const MorceauGL& p : milieu) {
        EXPECT_EQ(p.x1, 110);
        EXPECT_EQ(p.x2, 120);
    }
}

TEST_F(Morceau, PlusieursMorceauxTourATour)
{
    // Haut et bas d'un cadre : tuile 0 du haut, tuile 0 du bas, tuile 1 du haut, ... chacun
    // coupé à sa propre destination.
    const Coord B1 = MakeCoord(120, 60), B2 = MakeCoord(130, 66);
    const std::vector<MorceauSkin> bande = {
        {T1, T2, MakeRect(0, 0, 15, 8), EN_LARGEUR},
        {B1, B2, MakeRect(0, 20, 15, 26), EN_LARGEUR},
    };
    EXPECT_EQ(pose(bande, false), (Morceaux{
                                      m(100, 50, 110, 58, 0, 0, 10, 8),
                                      m(120, 60, 130, 66, 0, 20, 10, 26),
                                      m(100, 50, 105, 58, 10, 0, 15, 8),
                                      m(120, 60, 125, 66, 10, 20, 15, 26),
                                  }));
    // Des nombres de tuiles différents : chaque tuile une seule fois, la bande la plus longue
    // finit seule.
    const std::vector<MorceauSkin> inegales = {
        {T1, T2, MakeRect(0, 0, 15, 8), EN_LARGEUR},
        {B1, B2, MakeRect(0, 20, 25, 26), EN_LARGEUR},
    };
    EXPECT_EQ(pose(inegales, false), (Morceaux{
                                         m(100, 50, 110, 58, 0, 0, 10, 8),
                                         m(120, 60, 130, 66, 0, 20, 10, 26),
                                         m(100, 50, 105, 58, 10, 0, 15, 8),
                                         m(120, 60, 130, 66, 10, 20, 20, 26),
                                         m(120, 60, 125, 66, 20, 20, 25, 26),
                                     }));
    // Étirés, chacun une fois, dans l'ordre donné.
    EXPECT_EQ(pose(bande, true), (Morceaux{
                                     m(101, 50, 109, 58, 0, 0, 15, 8),
                                     m(121, 60, 129, 66, 0, 20, 15, 26),
                                 }));
}

TEST_F(Morceau, EtireSansLesTexelsDuBordDansLeSensQuiSAllonge)
{
    const Rect d = MakeRect(5, 6, 105, 56);
    EXPECT_EQ(pose({{T1, T2, d, EN_LARGEUR}}, true), Morceaux{m(101, 50, 109, 58, 5, 6, 105, 56)});
    EXPECT_EQ(pose({{T1, T2, d, EN_HAUTEUR}}, true), Morceaux{m(100, 51, 110, 57, 5, 6, 105, 56)});
    EXPECT_EQ(pose({{T1, T2, d, EN_LARGEUR_ET_HAUTEUR}}, true),
              Morceaux{m(101, 51, 109, 57, 5, 6, 105, 56)});
}

TEST_F(Morceau, TuileSansTailleEtireeAuLieuDeBoucler)
{
    // Sans largeur, ou sans hauteur, dans le sens où il s'allonge : étiré une fois.
    const Coord sansLargeur = MakeCoord(100, 58), sansHauteur = MakeCoord(110, 50);
    EXPECT_EQ(pose({{T1, sansLargeur, MakeRect(0, 0, 30, 8), EN_LARGEUR}}, false),
              Morceaux{m(101, 50, 99, 58, 0, 0, 30, 8)});
    EXPECT_EQ(pose({{T1, sansHauteur, MakeRect(0, 0, 10, 30), EN_HAUTEUR}}, false),
              Morceaux{m(100, 51, 110, 49, 0, 0, 10, 30)});
    // Un seul morceau sans pas fait étirer tout l'appel, dans l'ordre donné.
    EXPECT_EQ(pose({{T1, T2, MakeRect(0, 0, 25, 8), EN_LARGEUR},
                    {T1, sansLargeur, MakeRect(0, 9, 25, 17), EN_LARGEUR}},
                   false),
              (Morceaux{m(101, 50, 109, 58, 0, 0, 25, 8), m(101, 50, 99, 58, 0, 9, 25, 17)}));
    // Un pas d'un texel se répète : trois tuiles.
    EXPECT_EQ(pose({{T1, MakeCoord(101, 58), MakeRect(0, 0, 3, 8), EN_LARGEUR}}, false).size(), 3u);
}

TEST_F(Morceau, DestinationVideOuRetourneeNeDessineRien)
{
    const Rect destinations[] = {MakeRect(10, 10, 10, 30), MakeRect(10, 10, 40, 10),
                                 MakeRect(40, 10, 10, 30), MakeRect(10, 30, 40, 10)};
    for (const Rect& d : destinations)
        for (bool etire : {false, true})
            for (int sens : {EN_LARGEUR, EN_HAUTEUR, EN_LARGEUR_ET_HAUTEUR}) {
                pose({{T1, T2, d, sens}}, etire);
                EXPECT_TRUE(enregistreur::appels().empty())
                    << etire << " " << sens << enregistreur::journal();
            }
}
