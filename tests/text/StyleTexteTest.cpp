// Tests des balises : effet de chaque préfixe, couleurs, imbrication et bornes de la pile des
// styles.
#include "text/StyleTexte.h"

#include "TableCas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace
{
const Couleur BASE_TEINTEE{1, 2, 3, 4};

bool memeStyle(const StyleTexte& a, const StyleTexte& b)
{
    return a.police == b.police && a.alignement == b.alignement && a.taille == b.taille &&
           a.italique == b.italique && a.gras == b.gras && a.souligne == b.souligne &&
           a.barre == b.barre && a.retourLigne == b.retourLigne && a.couleur == b.couleur;
}

std::string decrit(const StyleTexte& s)
{
    char t[160];
    std::snprintf(t, sizeof t, "police %d align %u taille %d i%d g%d s%d b%d r%d (%d,%d,%d,%d)",
                  s.police, s.alignement, s.taille, s.italique, s.gras, s.souligne, s.barre,
                  s.retourLigne, s.couleur.r, s.couleur.g, s.couleur.b, s.couleur.a);
    return t;
}

// Lit tous les éléments du texte.
void litTout(const char* texte)
{
    for (const char* p = texte; *p;)
        p = lisElement(p);
}

class Balises : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        remetStyleDeBase();
        // Une couleur de base reconnaissable montre ce qui est hérité.
        pileStyles[0].couleur = BASE_TEINTEE;
    }
    void TearDown() override { remetStyleDeBase(); }
};

struct Cas {
    const char* texte;
    int longueurLue; // ce que lisElement saute
    int profondeur;
    std::function<void(StyleTexte&)> change; // le style de base modifié comme attendu
};
} // namespace

TEST_F(Balises, UnElementDepuisLeStyleDeBase)
{
    const Cas cas[] = {
        {"a<b>", 1, 0, [](StyleTexte&) {}},
        {"<b>x", 3, 1, [](StyleTexte& s) { s.gras = true; }},
        {"<i>", 3, 1, [](StyleTexte& s) { s.italique = true; }},
        {"<u>", 3, 1, [](StyleTexte& s) { s.souligne = true; }},
        {"<barre>", 7, 1, [](StyleTexte& s) { s.barre = true; }},
        {"<centre>", 8, 1, [](StyleTexte& s) { s.alignement = ALIGNEMENT_CENTRE; }},
        {"<center>", 8, 0, [](StyleTexte&) {}},
        {"<align='droite'>", 16, 1, [](StyleTexte& s) { s.alignement = ALIGNEMENT_DROITE; }},
        {"<align='gauche'>", 16, 1, [](StyleTexte&) {}},
        {"<taille='32'>", 13, 1, [](StyleTexte& s) { s.taille = 32; }},
        {"<taille='0x20'>", 15, 1, [](StyleTexte& s) { s.taille = 32; }},
        {"<taille='010'>", 14, 1, [](StyleTexte& s) { s.taille = 8; }},
        {"<taille='-4'>", 13, 1, [](StyleTexte& s) { s.taille = -4; }},
        {"<taille='grand'>", 16, 1, [](StyleTexte&) {}},
        {"<taille='99999999999'>", 22, 1, [](StyleTexte& s) { s.taille = INT32_MAX; }},
        {"<police='3'>", 12, 1, [](StyleTexte& s) { s.police = 3; }},
        {"<couleur='rouge'>", 17, 1,
         [](StyleTexte& s) {
             s.couleur = {255, 0, 0, 255};
         }},
        {"<couleur='orange'>", 18, 1,
         [](StyleTexte& s) {
             s.couleur = {255, 127, 0, 255};
         }},
        {"<couleur='turquoise'>", 21, 1,
         [](StyleTexte& s) {
             s.couleur = {0, 255, 255, 255};
         }},
        {"<couleur='noir'>", 16, 1,
         [](StyleTexte& s) {
             s.couleur = {0, 0, 0, 255};
         }},
        // Un nom ne vaut qu'avec son apostrophe ; sinon la valeur est lue comme des nombres.
        {"<couleur='rougeatre'>", 21, 1,
         [](StyleTexte& s) {
             s.couleur = {255, 255, 255, 255};
         }},
        {"<couleur='10'>", 14, 1,
         [](StyleTexte& s) {
             s.couleur = {10, 255, 255, 255};
         }},
        {"<couleur='255,128,0'>", 21, 1,
         [](StyleTexte& s) {
             s.couleur = {255, 128, 0, 255};
         }},
        {"<couleur='1,2,3,4,5'>", 21, 1,
         [](StyleTexte& s) {
             s.couleur = {1, 2, 3, 4};
         }},
        // Chaque composante est bornée à 255 sans déborder sur la suivante.
        {"<couleur='300,1000,2,7'>", 24, 1,
         [](StyleTexte& s) {
             s.couleur = {255, 255, 2, 7};
         }},
        {"<couleur='0,256'>", 17, 1,
         [](StyleTexte& s) {
             s.couleur = {0, 255, 255, 255};
         }},
        {"<br>", 4, 0, [](StyleTexte& s) { s.retourLigne = true; }},
        {"<p>", 3, 0, [](StyleTexte& s) { s.retourLigne = true; }},
        {"<brr>", 5, 0, [](StyleTexte&) {}},
        {"<inconnue>z", 10, 0, [](StyleTexte&) {}},
        {"</b>", 4, 0, [](StyleTexte&) {}},
        // Sans '>' la balise va jusqu'à la fin du texte.
        {"<b", 2, 0, [](StyleTexte&) {}},
        {"<couleur='rouge", 15, 1,
         [](StyleTexte& s) {
             s.couleur = {255, 255, 255, 255};
         }},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SetUp();
        const char* fin = lisElement(c.texte);
        StyleTexte attendu = pileStyles[0];
        c.change(attendu);
        EXPECT_EQ(fin - c.texte, c.longueurLue) << c.texte;
        EXPECT_EQ(profondeurStyle, c.profondeur) << c.texte;
        EXPECT_TRUE(memeStyle(styleCourant(), attendu))
            << c.texte << " : " << decrit(styleCourant()) << " au lieu de " << decrit(attendu);
    });
}

TEST_F(Balises, ImbricationEtFermetures)
{
    const Cas cas[] = {
        {"<couleur='rouge'><b>x</b>", 0, 1,
         [](StyleTexte& s) {
             s.couleur = {255, 0, 0, 255};
         }},
        {"<couleur='rouge'><b>x</b>y</couleur>", 0, 0, [](StyleTexte&) {}},
        // Une fermeture referme le niveau le plus récent, quel que soit son nom.
        {"<b><i></b>", 0, 1, [](StyleTexte& s) { s.gras = true; }},
        {"<align='droite'><align='gauche'>", 0, 2, [](StyleTexte&) {}},
        {"<align='droite'><align='gauche'></>", 0, 1,
         [](StyleTexte& s) { s.alignement = ALIGNEMENT_DROITE; }},
        {"<centre><align='droite'>", 0, 2,
         [](StyleTexte& s) { s.alignement = ALIGNEMENT_CENTRE | ALIGNEMENT_DROITE; }},
        {"<taille='24'><taille='non'>", 0, 2, [](StyleTexte& s) { s.taille = 24; }},
        {"<taille='24'><taille='non'></>", 0, 1, [](StyleTexte& s) { s.taille = 24; }},
        // Rien ne descend sous la profondeur 0.
        {"</b></i><u>", 0, 1, [](StyleTexte& s) { s.souligne = true; }},
        {"<b><i><u><p>", 0, 0, [](StyleTexte& s) { s.retourLigne = true; }},
        {"<b><p><i>", 0, 1,
         [](StyleTexte& s) {
             s.retourLigne = true;
             s.italique = true;
         }},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SetUp();
        litTout(c.texte);
        // La base a pu recevoir une demande de retour à la ligne : on part d'une base propre.
        StyleTexte attendu = STYLE_DE_BASE;
        attendu.couleur = BASE_TEINTEE;
        c.change(attendu);
        EXPECT_EQ(profondeurStyle, c.profondeur) << c.texte;
        EXPECT_TRUE(memeStyle(styleCourant(), attendu))
            << c.texte << " : " << decrit(styleCourant()) << " au lieu de " << decrit(attendu);
    });
}

TEST_F(Balises, LaPileNeSortJamaisDeSesCinquanteEntrees)
{
    // 49 niveaux remplissent la pile ; le cinquantième n'ouvre rien et ne change rien.
    std::string texte;
    for (int i = 0; i < TAILLE_PILE_STYLES - 1; ++i)
        texte += "<b>";
    litTout(texte.c_str());
    EXPECT_EQ(profondeurStyle, TAILLE_PILE_STYLES - 1);
    litTout("<couleur='rouge'><i>");
    EXPECT_EQ(profondeurStyle, TAILLE_PILE_STYLES - 1);
    EXPECT_EQ(niveauxHorsPile, 2);
    EXPECT_FALSE(styleCourant().italique);
    EXPECT_EQ(styleCourant().couleur, BASE_TEINTEE);

    // Leurs fermetures ne referment qu'elles ; la suivante referme un vrai niveau.
    litTout("</i></couleur>");
    EXPECT_EQ(profondeurStyle, TAILLE_PILE_STYLES - 1);
    EXPECT_TRUE(styleCourant().gras);
    litTout("</b>");
    EXPECT_EQ(profondeurStyle, TAILLE_PILE_STYLES - 2);

    // Beaucoup trop d'ouvertures puis autant de fermetures ramènent à la base.
    remetStyleDeBase();
    std::string profond;
    for (int i = 0; i < 300; ++i)
        profond += "<u>";
    for (int i = 0; i < 300; ++i)
        profond += "</u>";
    litTout(profond.c_str());
    EXPECT_EQ(profondeurStyle, 0);
    EXPECT_EQ(niveauxHorsPile, 0);
    EXPECT_TRUE(memeStyle(styleCourant(), STYLE_DE_BASE));

    // "<p>" oublie aussi les niveaux hors pile.
    litTout((profond.substr(0, 3 * 80) + "<p><i></i>").c_str());
    EXPECT_EQ(profondeurStyle, 0);
    EXPECT_EQ(niveauxHorsPile, 0);
}
