// Dessin d'un conteneur : cadre en neuf morceaux étirés ou répétés, puis enfants dans la zone
// client, lus à travers l'enregistreur d'appels OpenGL.
#include "containers/CContainer.h"
#include "render/PilesDessin.h"
#include "render/Texture.h"
#include "text/StyleTexte.h"

#include "EnregistreurGL.h"
#include "PilesPropres.h"
#include "TableCas.h"
#include "Temoins.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

using namespace temoins;

namespace
{
const int TAILLE = 128; // côté de la texture des conteneurs dans ces tests

// Un quadrilatère texturé relu dans le journal : texels et pixels d'écran.
struct Morceau {
    int sx1, sy1, sx2, sy2;
    int x1, y1, x2, y2;
    bool operator==(const Morceau& m) const
    {
        return sx1 == m.sx1 && sy1 == m.sy1 && sx2 == m.sx2 && sy2 == m.sy2 && x1 == m.x1 &&
               y1 == m.y1 && x2 == m.x2 && y2 == m.y2;
    }
    int aire() const { return (x2 - x1) * (y2 - y1); }
};
std::ostream& operator<<(std::ostream& o, const Morceau& m)
{
    return o << "(" << m.sx1 << "," << m.sy1 << ")-(" << m.sx2 << "," << m.sy2 << ") sur (" << m.x1
             << "," << m.y1 << ")-(" << m.x2 << "," << m.y2 << ")";
}

std::vector<Morceau> morceaux()
{
    std::vector<Morceau> r;
    for (const MorceauDessine& m : enregistreur::morceaux()) {
        if (m.mode != GL_QUADS)
            continue;
        const SommetDessine& a = m.sommets[0];
        const SommetDessine& b = m.sommets[2];
        auto s = [](double u) { return int(std::lround(u * TAILLE)); };
        auto t = [](double u) { return int(std::lround((1.0 - u) * TAILLE)); };
        r.push_back(
            {s(a.s), t(a.t), s(b.s), t(b.t), int(a.x), 768 - int(a.y), int(b.x), 768 - int(b.y)});
    }
    return r;
}

// Un enfant qui note, en se dessinant, l'origine, le découpage et la couleur du texte.
class CPeintre : public CTemoin
{
  public:
    Coord origine{};
    Rect decoupage{};
    Couleur couleur{};
    CPeintre(const std::string& n, Rect r) : CTemoin(n, r)
    {
        ajouteGestionnaire(evenements[EVT_DESSIN], this, &CPeintre::peint);
    }
    void peint(CObjetGDI*)
    {
        origine = origineCourante();
        decoupage = decoupageCourant();
        couleur = styleCourant().couleur;
        journal().push_back(nom);
    }
};

class DessinConteneur : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        textures[TEXTURE_CONTAINERS] =
            Texture{"c", nullptr, 32, TAILLE, TAILLE, TAILLE, TAILLE, 13};
        enregistreur::efface();
        journal().clear();
    }
    void TearDown() override
    {
        videPilesDessin();
        journal().clear();
    }
    static void dessine(CContainer& c) { declenche(c.evenements[EVT_DESSIN], &c); }
};
} // namespace

TEST_F(DessinConteneur, CadreEtireEnNeufMorceaux)
{
    CContainer c(CONTAINER_SKIN_BEIGE);
    c.limites = MakeRect(10, 20, 110, 120);
    const SkinContainer& s = skinsContainer[CONTAINER_SKIN_BEIGE];
    const int x0 = s.decoupeX[0], x1 = s.decoupeX[1], x2 = s.decoupeX[2], x3 = s.decoupeX[3];
    const int y0 = s.decoupeY[0], y1 = s.decoupeY[1], y2 = s.decoupeY[2], y3 = s.decoupeY[3];
    // Coins de 22 x 27, 28 x 27, 28 x 19 et 22 x 19 : bord droit en 72, bas en 81.
    ASSERT_EQ(x1 - x0, 22);
    ASSERT_EQ(x3 - x2, 28);
    ASSERT_EQ(y1 - y0, 27);
    ASSERT_EQ(y3 - y2, 19);
    dessine(c);
    const std::vector<Morceau> attendu = {
        {x0, y0, x1, y1, 10, 20, 32, 47},                    // coin haut-gauche
        {x2 + 1, y0, x3 + 1, y1, 82, 20, 110, 47},           // coin haut-droit
        {x2 + 1, y2 + 1, x3 + 1, y3 + 1, 82, 101, 110, 120}, // coin bas-droit
        {x0, y2 + 1, x1, y3 + 1, 10, 101, 32, 120},          // coin bas-gauche
        {x1 + 2, y0, x2 - 1, y1, 32, 20, 82, 47},            // bord haut
        {x1 + 2, y2 + 1, x2 - 1, y3 + 1, 32, 101, 82, 120},  // bord bas
        {x0, y1 + 2, x1, y2 - 1, 10, 47, 32, 101},           // bord gauche
        {x2 + 1, y1 + 2, x3 + 1, y2 - 1, 82, 47, 110, 101},  // bord droit
        {x1 + 2, y1 + 2, x2 - 1, y2 - 1, 32, 47, 82, 101},   // centre
    };
    EXPECT_EQ(morceaux(), attendu) << enregistreur::journal();
    EXPECT_EQ(profondeurOrigines(), 0);
    EXPECT_EQ(profondeurDecoupages(), 0);
}

TEST_F(DessinConteneur, CadreRepeteCoupeAuBord)
{
    // La ligne 2 répète ses bords et son centre.
    const SkinContainer& s = skinsContainer[2];
    ASSERT_FALSE(s.etire);
    const int x1 = s.decoupeX[1], x2 = s.decoupeX[2];
    const int y0 = s.decoupeY[0], y1 = s.decoupeY[1], y2 = s.decoupeY[2];
    const int gauche = x1 - s.decoupeX[0], droite = s.decoupeX[3] - x2;
    const int haut = y1 - y0, bas = s.decoupeY[3] - y2;
    const int pasX = x2 - x1 - 1, pasY = y2 - y1 - 1;
    struct Cas {
        int resteX, resteY;       // ce qui dépasse de deux carreaux entiers
        int carreauxX, carreauxY; // carreaux dessinés par bande
        int derniereX, derniereY; // largeur et hauteur du dernier carreau, coupé
    } cas[] = {
        {10, 0, 3, 2, 10, pasY}, // le troisième carreau en x = xD serait vide : sauté
        {1, 7, 3, 3, 1, 7},
        {0, 1, 2, 3, pasX, 1},
    };
    pourChaqueCas(cas, [&](const Cas& k) {
        SCOPED_TRACE(k.resteX * 100 + k.resteY);
        enregistreur::efface();
        CContainer c(2);
        const int W = gauche + droite + 2 * pasX + k.resteX;
        const int H = haut + bas + 2 * pasY + k.resteY;
        c.limites = MakeRect(10, 20, 10 + W, 20 + H);
        dessine(c);
        std::vector<Morceau> m = morceaux();
        ASSERT_EQ(int(m.size()), 4 + 2 * k.carreauxX + 2 * k.carreauxY + k.carreauxX * k.carreauxY)
            << enregistreur::journal();
        // Les carreaux couvrent le rectangle exactement, sans déborder ni se chevaucher.
        int aire = 0;
        for (const Morceau& p : m) {
            EXPECT_GE(p.x1, 10);
            EXPECT_LE(p.x2, 10 + W);
            EXPECT_GE(p.y1, 20);
            EXPECT_LE(p.y2, 20 + H);
            aire += p.aire();
        }
        EXPECT_EQ(aire, W * H);
        // Le dernier carreau du haut, coupé à droite : ses texels le sont en proportion.
        const Morceau hautDernier = m[4 + 2 * (k.carreauxX - 1)];
        EXPECT_EQ(hautDernier, (Morceau{x1 + 1, y0, x1 + 1 + k.derniereX, y1,
                                        10 + gauche + (k.carreauxX - 1) * pasX, 20, 10 + W - droite,
                                        20 + haut}));
        // Le dernier carreau de gauche, coupé en bas.
        const Morceau gaucheDernier = m[4 + 2 * k.carreauxX + 2 * (k.carreauxY - 1)];
        EXPECT_EQ(gaucheDernier,
                  (Morceau{s.decoupeX[0], y1 + 1, x1, y1 + 1 + k.derniereY, 10,
                           20 + haut + (k.carreauxY - 1) * pasY, 10 + gauche, 20 + H - bas}));
        EXPECT_EQ(profondeurOrigines(), 0);
        EXPECT_EQ(profondeurDecoupages(), 0);
    });
}

TEST_F(DessinConteneur, PasDeCarreauNulEtireLeMorceau)
{
    // Bandes du milieu de 1 texel en x (pas 0) puis de 0 texel en y (pas -1) : le dessin finit
    // et étire les morceaux concernés au lieu de les répéter.
    struct Cas {
        int decoupeX[4], decoupeY[4];
        int morceauxAttendus;
    } cas[] = {
        {{0, 10, 11, 21}, {64, 79, 112, 127}, 4 + 2 + 2 * 3 + 1},
        {{0, 38, 87, 127}, {0, 10, 10, 20}, 4 + 2 * 3 + 2 + 1},
    };
    pourChaqueCas(cas, [&](const Cas& k) {
        enregistreur::efface();
        CContainer c(2);
        for (int i = 0; i < 4; ++i) {
            c.skin.decoupeX[i] = k.decoupeX[i];
            c.skin.decoupeY[i] = k.decoupeY[i];
        }
        c.limites = MakeRect(0, 0, 200, 100);
        dessine(c);
        const std::vector<Morceau> m = morceaux();
        EXPECT_EQ(int(m.size()), k.morceauxAttendus) << enregistreur::journal();
        EXPECT_EQ(profondeurDecoupages(), 0);
    });
}

TEST_F(DessinConteneur, EnfantsDansLaZoneClientDeLArriereVersLAvant)
{
    CContainer c(CONTAINER_SKIN_BEIGE);
    c.limites = MakeRect(10, 20, 110, 120);
    auto* X = new CPeintre("X", MakeRect(0, 0, 10, 10));
    auto* Y = new CPeintre("Y", MakeRect(5, 5, 15, 15));
    auto* Z = new CPeintre("Z", MakeRect(5, 5, 15, 15));
    Z->visible = false;
    c.ajouteObjetGDI(X);
    c.ajouteObjetGDI(Z);
    c.ajouteObjetGDI(Y);
    styleCourant().couleur = Couleur{1, 2, 3, 4};
    // Un découpage englobant qui coupe le conteneur à x = 60.
    empileDecoupage(MakeCoord(0, 0), MakeCoord(60, 768));
    dessine(c);
    depileDecoupage();
    EXPECT_EQ(journal(), (std::vector<std::string>{"X", "Y"}));
    // Zone client de 100 - 7 - 13 par 100 - 30 - 16, à (10 + 7, 20 + 30), coupée à 60.
    EXPECT_EQ(Y->origine, MakeCoord(17, 50));
    EXPECT_EQ(Y->decoupage, MakeRect(17, 50, 60, 104));
    const Couleur attendue = skinsContainer[CONTAINER_SKIN_BEIGE].couleurTexte;
    EXPECT_EQ(Y->couleur.r, attendue.r);
    EXPECT_EQ(Y->couleur.g, attendue.g);
    EXPECT_EQ(Y->couleur.b, attendue.b);
    // Le cadre aussi est coupé à 60 : aucun sommet au-delà.
    for (const Morceau& p : morceaux())
        EXPECT_LE(p.x2, 60);
    // La couleur n'est pas rendue après le dessin.
    EXPECT_EQ(styleCourant().couleur.r, attendue.r);
    EXPECT_EQ(profondeurOrigines(), 0);
    EXPECT_EQ(profondeurDecoupages(), 0);
}

TEST_F(DessinConteneur, PlusPetitQueSonCadreCoupeSesBandesASesBords)
{
    // Ligne 2 sur 200 x 10 : ses bandes haute et basse (15 de haut chacune) se recouvrent ; leurs
    // carreaux sont coupés aux bords du conteneur, pas au bout de leur propre bande.
    const SkinContainer& s = skinsContainer[2];
    const int gauche = s.decoupeX[1] - s.decoupeX[0], droite = s.decoupeX[3] - s.decoupeX[2];
    ASSERT_GT(s.decoupeY[1] - s.decoupeY[0], 10);
    CContainer c(2);
    c.limites = MakeRect(10, 20, 210, 30);
    dessine(c);
    int hautJusquAuBord = 0, basDepuisLeBord = 0;
    for (const Morceau& p : morceaux()) {
        if (p.x1 < 10 + gauche || p.x2 > 210 - droite)
            continue; // un coin, posé entier
        EXPECT_GE(p.y1, 20) << p;
        EXPECT_LE(p.y2, 30) << p;
        hautJusquAuBord += p.y1 == 20 && p.y2 == 30 && p.sy1 == s.decoupeY[0];
        basDepuisLeBord += p.y1 == 20 && p.y2 == 30 && p.sy2 == s.decoupeY[3] + 1;
    }
    EXPECT_GT(hautJusquAuBord, 0) << enregistreur::journalMorceaux();
    EXPECT_EQ(basDepuisLeBord, hautJusquAuBord);
}

TEST_F(DessinConteneur, LigneParDefautSansCadre)
{
    CContainer c(-1);
    c.limites = MakeRect(30, 40, 80, 70);
    auto* X = new CPeintre("X", MakeRect(0, 0, 10, 10));
    c.ajouteObjetGDI(X);
    styleCourant().couleur = Couleur{1, 2, 3, 4};
    dessine(c);
    // Rien de dessiné ; le texturage peut être coupé après le peintre, étranger à la boîte.
    EXPECT_TRUE(enregistreur::morceaux().empty()) << enregistreur::journal();
    EXPECT_EQ(X->origine, MakeCoord(30, 40));
    EXPECT_EQ(X->decoupage, MakeRect(30, 40, 80, 70));
    EXPECT_EQ(X->couleur.r, 255);
    EXPECT_EQ(X->couleur.a, 255);
    // Sans enfant, la couleur est posée et les piles rendues de même.
    CContainer vide(-1);
    styleCourant().couleur = Couleur{1, 2, 3, 4};
    dessine(vide);
    EXPECT_EQ(styleCourant().couleur.g, 255);
    EXPECT_EQ(profondeurOrigines(), 0);
    EXPECT_EQ(profondeurDecoupages(), 0);
}

TEST_F(DessinConteneur, CasLimitesDuCadre)
{
    // Plus petit que ses coins : bords et centre auraient une destination retournée ; seuls
    // les quatre coins sont posés, rien n'est dessiné en miroir.
    CContainer petit(CONTAINER_SKIN_BEIGE);
    petit.limites = MakeRect(0, 0, 30, 30);
    dessine(petit);
    const std::vector<Morceau> m = morceaux();
    ASSERT_EQ(m.size(), 4u) << enregistreur::journal();
    for (const Morceau& p : m) {
        EXPECT_LT(p.x1, p.x2);
        EXPECT_LT(p.y1, p.y2);
    }
    // Un indice de texture hors du jeu : pas de cadre, les enfants sont dessinés quand même.
    enregistreur::efface();
    CContainer horsJeu(-1);
    horsJeu.skin.texture = NOMBRE_TEXTURES;
    auto* X = new CPeintre("X", MakeRect(0, 0, 10, 10));
    horsJeu.ajouteObjetGDI(X);
    dessine(horsJeu);
    EXPECT_TRUE(enregistreur::morceaux().empty());
    EXPECT_EQ(journal(), (std::vector<std::string>{"X"}));
}

TEST_F(DessinConteneur, TresLargeRepeteSansBoucleSansFin)
{
    // Colonnes de 10 et 40 texels, carreau de 64 : le bord droit de la bande du haut tombe en
    // 32767 - 40 = 32727, et aucun x = 10 + 64 k ne tombe entre 32728 et 32767. Un compteur
    // sur 16 bits repasserait donc en négatif sans jamais dépasser ce bord.
    CContainer c(2);
    const int decoupeX[4] = {0, 10, 75, 115};
    for (int i = 0; i < 4; ++i)
        c.skin.decoupeX[i] = decoupeX[i];
    const int haut = c.skin.decoupeY[1] - c.skin.decoupeY[0];
    const int bas = c.skin.decoupeY[3] - c.skin.decoupeY[2];
    c.limites = MakeRect(-32000, 0, 32767 - 32000, haut + bas + 1);
    dessine(c);
    // Seule la fin est à l'écran, de 0 à 767 : le dernier carreau du haut, en 10 + 64 * 511 =
    // 32714 (écran 714), est coupé contre la colonne de droite, en 727.
    // Les carreaux entiers commencent en 10, 74, ... 714 : douze à l'écran.
    std::vector<Morceau> haut0;
    for (const Morceau& p : morceaux())
        if (p.y1 == 0 && p.sx1 == decoupeX[1] + 1)
            haut0.push_back(p);
    ASSERT_EQ(haut0.size(), 12u) << enregistreur::journal();
    EXPECT_EQ(haut0.back(),
              (Morceau{11, c.skin.decoupeY[0], 11 + 13, c.skin.decoupeY[1], 714, 0, 727, haut}));
}
