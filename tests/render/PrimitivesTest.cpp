// Tests des six primitives : sommets, coordonnées de texture, couleurs et décisions de découpage.
#include "render/Primitives.h"
#include "render/LotGL.h"
#include "render/PilesDessin.h"
#include "render/Texture.h"

#include "EnregistreurGL.h"
#include "PilesPropres.h"
#include "TableCas.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
typedef std::vector<std::string> Textes;

class Primitives : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        // Une texture de 64 x 64 texels et une de 256 x 128.
        textures[0] = Texture{"a", nullptr, 32, 50, 50, 64, 64, 11};
        textures[1] = Texture{"b", nullptr, 32, 200, 100, 256, 128, 12};
        // Chaque primitive seule, entourée de son état : le flux de référence, appel par appel.
        regroupementGL(false);
        enregistreur::efface();
    }
    void TearDown() override
    {
        regroupementGL(true);
        videPilesDessin();
    }
    static Textes journal() { return enregistreur::textes(); }
};

// Les appels attendus d'une copie de texels : sommets (x, 768 - y), texels (s / L, 1 - t / H).
Textes blit(int nomTexture, double L, double H, int sx1, int sy1, int sx2, int sy2, int x1, int y1,
            int x2, int y2)
{
    auto tc = [&](int s, int t) {
        AppelGL a{"glTexCoord2f", {double(float(s / L)), double(float(1.0 - t / H))}};
        return a.texte();
    };
    auto v = [](int x, int y) {
        return AppelGL{"glVertex2i", {double(x), double(768 - y)}}.texte();
    };
    return {"glEnable(3553)",
            "glColor4f(1, 1, 1, 1)",
            "glBindTexture(3553, " + std::to_string(nomTexture) + ")",
            "glBegin(7)",
            tc(sx1, sy1),
            v(x1, y1),
            tc(sx2, sy1),
            v(x2, y1),
            tc(sx2, sy2),
            v(x2, y2),
            tc(sx1, sy2),
            v(x1, y2),
            "glEnd()",
            "glDisable(3553)"};
}
} // namespace

TEST_F(Primitives, CopieNaturelleDecoupeeAGauche)
{
    // Texels (0,0)-(50,50) placés en (-20,10) : l'écran coupe les 20 premières colonnes.
    dessineImage(0, {-20, 10}, {0, 0}, {50, 50});
    EXPECT_EQ(journal(), blit(11, 64, 64, 20, 0, 50, 50, 0, 10, 30, 60));
}

TEST_F(Primitives, CopieEtireeDecoupeeEnProportion)
{
    struct Cas {
        const char* nom;
        Rect decoupage; // en coordonnées d'écran
        Coord d1, d2, s1, s2;
        Textes attendu;
    } cas[] = {
        // 100 pixels pour 10 texels, coupés à x = 55 : 10 - 10 * 45 / 100 = 6 (tronqué).
        {"droite",
         MakeRect(0, 0, 55, 768),
         {0, 0},
         {100, 10},
         {0, 0},
         {10, 10},
         blit(11, 64, 64, 0, 0, 6, 10, 0, 0, 55, 10)},
        {"gauche",
         MakeRect(25, 0, 1024, 768),
         {0, 0},
         {100, 10},
         {0, 0},
         {10, 10},
         blit(11, 64, 64, 2, 0, 10, 10, 25, 0, 100, 10)},
        // Le bas utilise le haut déjà ajusté : 40 - (40 - 10) * 10 / 30 = 30.
        {"haut_bas",
         MakeRect(0, 10, 1024, 30),
         {0, 0},
         {50, 40},
         {20, 0},
         {40, 40},
         blit(11, 64, 64, 20, 10, 40, 30, 0, 10, 50, 30)},
        {"texture_256x128",
         PLEIN_ECRAN,
         {5, 6},
         {15, 26},
         {10, 20},
         {30, 40},
         blit(12, 256, 128, 10, 20, 30, 40, 5, 6, 15, 26)},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        enregistreur::efface();
        empileDecoupage(c.decoupage.hautGauche, c.decoupage.basDroite);
        dessineImageEtiree(&c == &cas[3] ? 1 : 0, c.d1, c.d2, c.s1, c.s2);
        depileDecoupage();
        EXPECT_EQ(journal(), c.attendu) << c.nom;
    });
}

TEST_F(Primitives, RienNEstEnvoyeHorsDuDecoupage)
{
    // Découpage (100,100)-(200,200) ; chaque primitive est posée juste à côté, ou bord à bord.
    empileDecoupage({100, 100}, {200, 200});
    const Couleur rouge{255, 0, 0, 255};
    dessineImage(0, {50, 120}, {0, 0}, {50, 10});  // touche x = 100 par son bord extérieur
    dessineImage(0, {200, 120}, {0, 0}, {10, 10}); // commence au bord droit exclu
    dessineImageEtiree(0, {120, 0}, {130, 100}, {0, 0}, {5, 5});
    remplitRectangle({0, 0}, {100, 300}, rouge);
    remplitRectangle({120, 200}, {130, 300}, rouge);
    dessineCadre({0, 0}, {100, 100}, rouge, 1, 0xFFFF, 1);
    dessinePoint({200, 150}, rouge, 4);
    dessinePoint({150, 99}, rouge, 4);
    EXPECT_EQ(journal(), Textes{});

    // Un découpage vide n'admet plus rien, sauf les lignes.
    empileDecoupage({0, 0}, {10, 10});
    ASSERT_TRUE(decoupageCourant().estVide());
    dessineImage(0, {0, 0}, {0, 0}, {64, 64});
    remplitRectangle({0, 0}, {1024, 768}, rouge);
    dessineCadre({0, 0}, {1024, 768}, rouge, 1, 0xFFFF, 1);
    dessinePoint({5, 5}, rouge, 2);
    EXPECT_EQ(journal(), Textes{});
    dessineLigne({-50, -50}, {-10, -20}, rouge, 2, 0xF0F0, 3);
    EXPECT_EQ(journal(),
              (Textes{"glLineWidth(2)", "glLineStipple(3, 61680)", "glColor4ubv(255, 0, 0, 255)",
                      "glBegin(2)", "glVertex2i(-50, 818)", "glVertex2i(-10, 788)", "glEnd()"}));
}

TEST_F(Primitives, RemplissageBorneAuDecoupage)
{
    remplitRectangle({-10, -10}, {20, 20}, Couleur{1, 2, 3, 4});
    EXPECT_EQ(journal(), (Textes{"glColor4ubv(1, 2, 3, 4)", "glRecti(0, 768, 20, 748)"}));

    enregistreur::efface();
    empileOrigine({100, 100});
    empileDecoupage({0, 0}, {50, 40});
    remplitRectangle({-5, 10}, {80, 90}, Couleur{9, 9, 9, 255});
    EXPECT_EQ(journal(), (Textes{"glColor4ubv(9, 9, 9, 255)", "glRecti(100, 658, 150, 628)"}));
}

TEST_F(Primitives, PointLigneEtCadreSousUneOrigine)
{
    const Couleur bleu{0, 0, 255, 128};
    dessinePoint({100, 100}, bleu, 8);
    dessinePoint({10, 10}, bleu, 1);
    EXPECT_EQ(journal(),
              (Textes{"glLineWidth(8)", "glLineStipple(1, 65535)", "glColor4ubv(0, 0, 255, 128)",
                      "glBegin(2)", "glVertex2i(96, 668)", "glVertex2i(104, 668)", "glEnd()",
                      "glLineWidth(1)", "glLineStipple(1, 65535)", "glColor4ubv(0, 0, 255, 128)",
                      "glBegin(2)", "glVertex2i(10, 758)", "glVertex2i(10, 758)", "glEnd()"}));

    enregistreur::efface();
    empileOrigine({10, 20});
    empileDecoupage({0, 0}, {30, 30});
    // Le contour touche le découpage : il est tracé entier, sans être coupé.
    dessineCadre({20, 20}, {200, 100}, bleu, 1.5f, 0xFFFF, 1);
    EXPECT_EQ(journal(),
              (Textes{"glLineWidth(1.5)", "glLineStipple(1, 65535)", "glColor4ubv(0, 0, 255, 128)",
                      "glBegin(2)", "glVertex2i(30, 728)", "glVertex2i(210, 728)",
                      "glVertex2i(210, 648)", "glVertex2i(30, 648)", "glEnd()"}));
    // Le point n'est que sauté : son centre local (29,29) est dedans, (30,5) dehors.
    enregistreur::efface();
    dessinePoint({30, 5}, bleu, 2);
    EXPECT_EQ(journal(), Textes{});
    dessinePoint({29, 29}, bleu, 2);
    EXPECT_EQ(enregistreur::appelsNommes("glVertex2i").size(), 2u);
}
