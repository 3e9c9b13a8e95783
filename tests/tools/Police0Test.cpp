// Tests de l'image de police générée : une plage par code, aux largeurs prévues par le générateur.
#include "CImageDonnees.h"
#include "TableCas.h"
#include "text/Police.h"
#include "text/StyleTexte.h"
#include "text/Texte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace
{

struct Plage {
    int code, x1, y, x2;
};

// Balayage de l'alpha par bandes de 18 lignes, comme le fait le chargement de la police.
std::vector<Plage> balaie(const CImageDonnees& image)
{
    std::vector<Plage> plages;
    const int l = image.largeur(), h = image.hauteur();
    auto encree = [&](int x, int y) {
        for (int k = 0; k < 18; ++k)
            if (image.at(x, y + k).a != 0)
                return true;
        return false;
    };
    int code = 33;
    for (int y = 0; y < h - 18 && code < 256; y += 18)
        for (int x = 0; x < l && code < 256;) {
            if (!encree(x, y)) {
                ++x;
                continue;
            }
            int x2 = x + 1;
            while (x2 < l && encree(x2, y))
                ++x2;
            plages.push_back({code++, x, y, std::min(x2, l - 1)});
            x = x2 + 1;
        }
    return plages;
}

struct Prevu {
    int code, x, y, largeur;
    bool vide;
    int avance; // avance de la police TrueType
};

std::vector<Prevu> tablePrevue()
{
    std::ifstream f(std::string(WEXO_DOSSIER_BUILD) + "/genere/Police0.txt");
    std::vector<Prevu> t;
    Prevu p;
    int vide;
    while (f >> p.code >> p.x >> p.y >> p.largeur >> vide >> p.avance) {
        p.vide = vide != 0;
        t.push_back(p);
    }
    return t;
}

TEST(Police0, UnePlageParCodeAuxLargeursPrevues)
{
    CImageDonnees image("Police0");
    ASSERT_TRUE(image.lue());
    std::vector<Prevu> prevu = tablePrevue();
    std::vector<Plage> mesure = balaie(image);
    ASSERT_EQ(prevu.size(), 223u);
    ASSERT_EQ(mesure.size(), 223u);
    for (size_t i = 0; i < prevu.size(); ++i) {
        EXPECT_EQ(prevu[i].code, int(33 + i));
        EXPECT_EQ(mesure[i].x1, prevu[i].x) << "code " << prevu[i].code;
        EXPECT_EQ(mesure[i].y, prevu[i].y) << "code " << prevu[i].code;
        EXPECT_EQ(mesure[i].x2 - mesure[i].x1, prevu[i].largeur) << "code " << prevu[i].code;
    }
}

// Police0 mesurée par la bibliothèque, comme au chargement.
void mesurePolice0()
{
    Texture t{"Police0", nullptr, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(litTGA(t));
    mesureGlyphes(0, t);
    liberePixels(t);
}

// La mesure de la bibliothèque trouve les mêmes rectangles que la table du générateur.
TEST(Police0, MesureeParLaBibliothequeCommePrevu)
{
    ASSERT_NO_FATAL_FAILURE(mesurePolice0());
    for (const Prevu& p : tablePrevue()) {
        const Rect& r = polices[0].glyphes[p.code];
        EXPECT_EQ(r.hautGauche.x, p.x) << "code " << p.code;
        EXPECT_EQ(r.hautGauche.y, p.y) << "code " << p.code;
        EXPECT_EQ(r.basDroite.x - r.hautGauche.x, p.largeur) << "code " << p.code;
        EXPECT_EQ(r.basDroite.y, p.y + 17) << "code " << p.code;
    }
}

// Une lettre seule, mesurée par la mise en page (largeur du glyphe plus l'écart qui le suit),
// avance comme dans la police TrueType : à 0,3 pixel près en moyenne, à 1 pixel près au pire.
TEST(Police0, LettresAuPasDeLaPolice)
{
    ASSERT_NO_FATAL_FAILURE(mesurePolice0());
    remetStyleDeBase();
    std::vector<Prevu> table = tablePrevue();
    ASSERT_EQ(table.size(), 223u);
    std::string lettres;
    for (char c = 'a'; c <= 'z'; ++c)
        lettres += {c, char(c - 'a' + 'A')};
    int sommeEcarts = 0, sommeAbsolue = 0, sommeAvances = 0, pire = 0;
    char lettrePire = 0;
    for (char c : lettres) {
        const char texte[] = {c, 0};
        const int avance = table[size_t(c - PREMIER_CODE_GLYPHE)].avance;
        const int ecart = mesureTexte(MakeCoord(0, 0), texte).basDroite.x - avance;
        EXPECT_LE(std::abs(ecart), 1) << c << " : avance " << avance;
        sommeEcarts += ecart;
        sommeAbsolue += std::abs(ecart);
        sommeAvances += avance;
        if (std::abs(ecart) > std::abs(pire) || lettrePire == 0) {
            pire = ecart;
            lettrePire = c;
        }
    }
    const double n = double(lettres.size());
    std::printf("Police0, a-z A-Z : avance moyenne de la police %.2f px, mesuree - police : "
                "%+.2f px en moyenne, %.2f px en valeur absolue, pire %c (%+d px)\n",
                sommeAvances / n, sommeEcarts / n, sommeAbsolue / n, lettrePire, pire);
    EXPECT_LE(sommeAbsolue / n, 0.3);
}

// Les codes sans dessin n'ont d'encre que sur la ligne cachée ; tous les autres se voient.
TEST(Police0, SeulsLesCodesBlancsSontInvisibles)
{
    CImageDonnees image("Police0");
    ASSERT_TRUE(image.lue());
    // DEL, les cinq codes non définis de Windows-1252, l'espace insécable, le trait
    // d'union conditionnel.
    const std::vector<int> blancs = {127, 129, 141, 143, 144, 157, 160, 173};
    for (const Prevu& p : tablePrevue()) {
        bool blanc = std::find(blancs.begin(), blancs.end(), p.code) != blancs.end();
        EXPECT_EQ(p.vide, blanc) << "code " << p.code;
        int plusOpaque = 0;
        for (int y = p.y; y < p.y + 17; ++y)
            for (int x = p.x; x < p.x + p.largeur; ++x)
                plusOpaque = std::max(plusOpaque, image.at(x, y).a);
        if (blanc) {
            EXPECT_EQ(plusOpaque, 0) << "code " << p.code;
        } else {
            EXPECT_GE(plusOpaque, 160) << "code " << p.code;
        }
    }
}

// La 18e ligne n'est jamais dessinée : elle ne porte que des liens invisibles. Les
// caractères sont blancs, leur couverture dans l'alpha.
TEST(Police0, LigneCacheeInvisibleEtEncreBlanche)
{
    CImageDonnees image("Police0");
    ASSERT_TRUE(image.lue());
    for (int y = 0; y < image.hauteur(); ++y)
        for (int x = 0; x < image.largeur(); ++x) {
            Pixel p = image.at(x, y);
            if (y % 18 == 17 || y >= 126) {
                EXPECT_LE(p.a, 1) << x << "," << y;
            }
            if (p.a > 1) {
                EXPECT_TRUE(p.r == 255 && p.g == 255 && p.b == 255) << x << "," << y;
            }
        }
}

// Accents des capitales et jambages tiennent dans les 17 lignes dessinées.
TEST(Police0, AccentsEtJambagesEntiers)
{
    CImageDonnees image("Police0");
    ASSERT_TRUE(image.lue());
    std::vector<Prevu> table = tablePrevue();
    ASSERT_EQ(table.size(), 223u);
    auto lignes = [&](int code, int& haut, int& bas) {
        const Prevu& p = table[size_t(code - 33)];
        haut = 99;
        bas = -1;
        for (int y = 0; y < 17; ++y)
            for (int x = p.x; x < p.x + p.largeur; ++x)
                if (image.at(x, p.y + y).a > 1) {
                    haut = std::min(haut, y);
                    bas = std::max(bas, y);
                }
    };
    struct Cas {
        int accentue, simple;
        bool dessus; // l'accent est au-dessus, sinon dessous (cédille)
    };
    const Cas cas[] = {{0xC9, 'E', true},  {0xC0, 'A', true},  {0xC5, 'A', true},
                       {0xD4, 'O', true},  {0x8A, 'S', true},  {0x9F, 'Y', true},
                       {0xE9, 'e', true},  {0xEA, 'e', true},  {0xFC, 'u', true},
                       {0xC7, 'C', false}, {0xE7, 'c', false}, {'g', 'a', false}};
    pourChaqueCas(cas, [&](const Cas& c) {
        int h1, b1, h2, b2;
        lignes(c.accentue, h1, b1);
        lignes(c.simple, h2, b2);
        if (c.dessus) {
            EXPECT_LT(h1, h2 - 1) << "code " << c.accentue;
            EXPECT_EQ(b1, b2) << "code " << c.accentue;
        } else {
            EXPECT_GT(b1, b2 + 1) << "code " << c.accentue;
        }
    });
}

} // namespace
