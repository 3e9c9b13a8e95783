// Tests de la mise en page du texte à travers l'enregistreur OpenGL : quads, lignes, alignements,
// arrêts.
#include "text/Texte.h"

#include "render/LotGL.h"
#include "render/PilesDessin.h"
#include "render/Primitives.h"
#include "text/CacheTextes.h"
#include "text/Police.h"
#include "text/StyleTexte.h"

#include "EnregistreurGL.h"
#include "PilesPropres.h"
#include "TableCas.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace
{
typedef std::vector<std::string> Textes;

const uint32_t TEXTURE_POLICE = 7;

// Police d'essai : les codes 33 à 144 rangés par seize, 16 texels l'un de l'autre,
// tous larges de 6 texels sauf 'W' (10) et 'i' (2). Un glyphe de 6 avance de 8.
Rect glypheEssai(int c)
{
    int x = ((c - 33) % 16) * 16;
    int y = ((c - 33) / 16) * 18;
    int l = c == 'W' ? 10 : c == 'i' ? 2 : 6;
    return MakeRect(x, y, x + l, y + 17);
}

// Retrouve le code d'un glyphe d'après sa première coordonnée de texture.
char codeDepuisTexture(double s, double t)
{
    int x = int(std::lround(s * 256));
    int y = int(std::lround((1 - t) * 128));
    return char(33 + (y / 18) * 16 + x / 16);
}

struct GlypheDessine {
    char code;
    double x;    // bord gauche à l'écran
    double haut; // haut de la ligne à l'écran
    Couleur couleur;
};

struct LigneDessinee {
    double haut;
    double x;
    std::string glyphes; // un caractère par quad : le gras apparaît deux fois
};

// Relit la liste envoyée : chaque glyphe (une copie de la police), regroupés en lignes par leur
// haut ; une ligne sans glyphe ne laisse rien.
struct Rendu {
    std::vector<LigneDessinee> lignes;
    std::vector<GlypheDessine> glyphes;
    int traits = 0;

    Rendu()
    {
        for (const CommandeDessin& c : enregistreur::listeEnvoyee().commandes()) {
            if (c.genre == DESSIN_BOUCLE) {
                ++traits;
                continue;
            }
            if (c.genre != DESSIN_COPIE || c.texture != TEXTURE_POLICE)
                continue;
            const char code = codeDepuisTexture(c.quad.s1, 1 - c.quad.t1);
            if (lignes.empty() || lignes.back().haut != c.y1 || glyphes.back().x > c.x1)
                lignes.push_back({c.y1, c.x1, ""});
            glyphes.push_back({code, c.x1, c.y1, c.couleur});
            lignes.back().glyphes += code;
        }
    }
};

class Texte : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        remetStyleDeBase();
        polices[0] = Police{};
        polices[0].nomTexture = TEXTURE_POLICE;
        for (int c = 33; c <= 144; ++c)
            polices[0].glyphes[c] = glypheEssai(c);
        // La mise en page se lit dans le chemin de référence, où chaque ligne, même vide,
        // translate le repère ; le chemin regroupé est comparé à lui morceau par morceau.
        regroupementGL(false);
        enregistreur::efface();
    }
    void TearDown() override
    {
        regroupementGL(true);
        videPilesDessin();
        polices[0] = Police{};
        remetStyleDeBase();
    }
};

bool memeStyle(const StyleTexte& a, const StyleTexte& b)
{
    return a.police == b.police && a.alignement == b.alignement && a.taille == b.taille &&
           a.italique == b.italique && a.gras == b.gras && a.souligne == b.souligne &&
           a.barre == b.barre && a.retourLigne == b.retourLigne && a.couleur == b.couleur;
}

// Chaque commande envoyée, lisible : un glyphe (son caractère, bord bas de x1 à x2, haut et bas,
// pentes du bord haut) ou un trait (ses deux sommets).
Textes commandesLues()
{
    Textes r;
    const ListeDessin& l = enregistreur::listeEnvoyee();
    for (const CommandeDessin& c : l.commandes()) {
        char t[96];
        if (c.genre == DESSIN_BOUCLE) {
            const float* xy = &l.sommetsBoucles()[2 * c.trait.premier];
            std::snprintf(t, sizeof t, "trait %g,%g %g,%g", xy[0], xy[1], xy[2], xy[3]);
        } else {
            std::snprintf(t, sizeof t, "%c %g-%g %g-%g pente %g,%g",
                          codeDepuisTexture(c.quad.s1, 1 - c.quad.t1), c.x1, c.x2, c.y1, c.y2,
                          c.quad.penteGauche, c.quad.penteDroite);
        }
        r.push_back(t);
    }
    return r;
}
} // namespace

TEST_F(Texte, QuadsEtCoordonneesDeTextureDesGlyphes)
{
    struct Cas {
        const char* texte;
        Textes attendu;
    } cas[] = {
        {"A", {"A 15-21 27-44 pente 0,0"}},
        {"<i>A", {"A 15-21 27-44 pente 3,3"}},
        // Taille 32 : tout double ; le gras redessine le quad un pixel plus loin.
        {"<taille='32'><b>A", {"A 15-27 27-61 pente 0,0", "A 16-28 27-61 pente 0,0"}},
        // Taille 24 : échelle 1,5, chaque sommet tronqué vers zéro.
        {"<taille='24'><i>A", {"A 15-24 27-52 pente 4,4"}},
        // Soulignement sous le glyphe et sous l'espace, qui avance de 10 sans quad.
        {"<u>A </u>", {"trait 13,44 22,44", "A 15-21 27-44 pente 0,0", "trait 21,44 24,44"}},
        // Barré à mi-taille, allongé d'un pixel par le gras.
        {"<barre><b>A",
         {"trait 13,36 23,36", "A 15-21 27-44 pente 0,0", "A 16-22 27-44 pente 0,0"}},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SetUp();
        // Rectangle relatif à l'origine : la ligne commence en (15, 27).
        empileOrigine(MakeCoord(5, 7));
        afficheTexte(MakeCoord(10, 20), MakeCoord(200, 100), "%s", c.texte);
        depileOrigine();
        EXPECT_EQ(commandesLues(), c.attendu) << c.texte;
        // Les texels de 'A', rangé en (0,36)-(6,53) dans la police d'essai.
        const CommandeDessin& a = enregistreur::listeEnvoyee().commandes()[c.attendu[0][0] == 't'];
        EXPECT_EQ(a.quad.s1, 0.0f);
        EXPECT_EQ(a.quad.t1, 36 / 128.0f);
        EXPECT_EQ(a.quad.s2, 6 / 256.0f);
        EXPECT_EQ(a.quad.t2, 53 / 128.0f);
    });
}

TEST_F(Texte, LignesCoupeesAligneesEtArretees)
{
    struct Ligne {
        double haut, x;
        std::string glyphes;
    };
    struct Cas {
        const char* texte;
        Rect rect;
        std::vector<Ligne> lignes;
    } cas[] = {
        {"ab", MakeRect(10, 20, 200, 100), {{20, 10, "ab"}}},
        // Coupure après l'espace : "aaa " mesure 26, "b" déborderait au deuxième.
        {"aaa bbb", MakeRect(0, 0, 50, 100), {{0, 0, "aaa"}, {19, 0, "bbb"}}},
        // Sans espace, coupure avant le caractère qui ne tient pas.
        {"abcdefgh", MakeRect(0, 0, 30, 100), {{0, 0, "abc"}, {19, 0, "def"}, {38, 0, "gh"}}},
        // Une ligne juste aussi large que le rectangle (3 × 8) tient ; un pixel de moins, non.
        {"abcd", MakeRect(0, 0, 24, 100), {{0, 0, "abc"}, {19, 0, "d"}}},
        {"abcd", MakeRect(0, 0, 23, 100), {{0, 0, "ab"}, {19, 0, "cd"}}},
        {"ab-cd", MakeRect(0, 0, 30, 100), {{0, 0, "ab-"}, {19, 0, "cd"}}},
        // Centré : (100 - 16 + 0) / 2 ; tronqué vers zéro : (2 - 16 - 15) / 2 = -14.
        {"<centre>ab", MakeRect(0, 0, 100, 50), {{0, 42, "ab"}}},
        {"<centre>ab", MakeRect(-15, 0, 2, 50), {{0, -14, "ab"}}},
        {"<center>ab", MakeRect(0, 0, 100, 50), {{0, 0, "ab"}}},
        // Seule une balise en tête de ligne compte pour placer la ligne.
        {"a<centre>b", MakeRect(0, 0, 100, 50), {{0, 0, "ab"}}},
        // À droite : l'espace qui déborde reste en fin de ligne, mesurée 42.
        {"<align='droite'>aaaaa bb", MakeRect(0, 0, 45, 100), {{0, 3, "aaaaa"}, {19, 29, "bb"}}},
        // "<align='gauche'>" place à gauche même dans un niveau aligné à droite.
        {"<align='droite'>a<br><align='gauche'>b",
         MakeRect(0, 0, 100, 50),
         {{0, 92, "a"}, {19, 0, "b"}}},
        {"a<br>b<br><br>c", MakeRect(0, 0, 100, 200), {{0, 0, "a"}, {19, 0, "b"}, {57, 0, "c"}}},
        // "<p>" referme tout : b n'est ni gras (deux quads) ni centré.
        {"<centre><b>a<p>b", MakeRect(0, 0, 100, 200), {{0, 45, "aa"}, {19, 0, "b"}}},
        {"<taille='32'>a<br>b", MakeRect(0, 0, 100, 200), {{0, 0, "a"}, {35, 0, "b"}}},
        // Le bas du rectangle : la troisième ligne finirait en 54.
        {"a<br>b<br>c", MakeRect(0, 0, 100, 53), {{0, 0, "a"}, {19, 0, "b"}}},
        {"a<br>b<br>c", MakeRect(0, 0, 100, 54), {{0, 0, "a"}, {19, 0, "b"}, {38, 0, "c"}}},
        // Un caractère plus large que le rectangle : des lignes vides jusqu'au bas, rien de tracé.
        {"W", MakeRect(0, 0, 5, 60), {}},
        // Une ligne coupée garde les styles ouverts avant elle, même quand elle les
        // referme pour en ouvrir d'autres : "bb" reste gras.
        {"<b>aa bb</b><u>cc", MakeRect(0, 0, 50, 100), {{0, 0, "aaaa"}, {19, 0, "bbbbcc"}}},
        // Un indice de police inconnu dessine avec la seule police.
        {"<police='5'>a<police='-1'>b", MakeRect(0, 0, 100, 50), {{0, 0, "ab"}}},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SetUp();
        afficheTexte(c.rect.hautGauche, c.rect.basDroite, "%s", c.texte);
        Rendu r;
        ASSERT_EQ(r.lignes.size(), c.lignes.size()) << c.texte << "\n" << enregistreur::journal();
        for (size_t i = 0; i < c.lignes.size(); ++i) {
            EXPECT_EQ(r.lignes[i].haut, c.lignes[i].haut) << c.texte << " ligne " << i;
            EXPECT_EQ(r.lignes[i].x, c.lignes[i].x) << c.texte << " ligne " << i;
            EXPECT_EQ(r.lignes[i].glyphes, c.lignes[i].glyphes) << c.texte << " ligne " << i;
        }
    });
}

TEST_F(Texte, DecoupageCourant)
{
    struct Cas {
        const char* texte;
        Rect decoupage;
        std::vector<std::string> lignes;
    } cas[] = {
        // Le bas du découpage arrête comme le bas du rectangle.
        {"a<br>b", MakeRect(0, 0, 1024, 34), {"a"}},
        {"a<br>b", MakeRect(0, 0, 1024, 35), {"a", "b"}},
        // Au bord droit, le glyphe qui dépasse et la suite de sa ligne sont sautés.
        {"abcdefgh<br>ab", MakeRect(0, 0, 30, 768), {"abcd", "ab"}},
        {"<i>abcd", MakeRect(0, 0, 30, 768), {"abc"}},
        // La plume a dépassé le bord : même un glyphe étroit qui suit reste sauté.
        {"abcWi", MakeRect(0, 0, 30, 768), {"abc"}},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SetUp();
        empileDecoupage(c.decoupage.hautGauche, c.decoupage.basDroite);
        afficheTexte(MakeCoord(0, 0), MakeCoord(500, 500), "%s", c.texte);
        depileDecoupage();
        Rendu r;
        std::vector<std::string> lignes;
        for (const LigneDessinee& l : r.lignes)
            lignes.push_back(l.glyphes);
        EXPECT_EQ(lignes, c.lignes) << c.texte << "\n" << enregistreur::journal();
    });
}

TEST_F(Texte, CouleursImbriqueesPuisRendues)
{
    styleCourant().couleur = Couleur{1, 2, 3, 4};
    afficheTexte(MakeCoord(0, 0), MakeCoord(300, 100), "<couleur='rouge'><b>a</b>b</>c<%s>d",
                 "couleur='0,0,255'");
    Rendu r;
    const Couleur rouge{255, 0, 0, 255}, base{1, 2, 3, 4}, bleu{0, 0, 255, 255};
    ASSERT_EQ(r.glyphes.size(), 5u) << enregistreur::journal();
    const char codes[] = {'a', 'a', 'b', 'c', 'd'};
    const Couleur couleurs[] = {rouge, rouge, rouge, base, bleu};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(r.glyphes[i].code, codes[i]) << i;
        EXPECT_EQ(r.glyphes[i].couleur, couleurs[i]) << i;
    }
    // La couleur de base est celle d'avant le texte, et la pile est revenue à 0.
    EXPECT_EQ(profondeurStyle, 0);
    EXPECT_EQ(styleCourant().couleur, base);
}

TEST_F(Texte, PileDesStylesEtMatriceRenduesApresChaqueTexte)
{
    std::string tropProfond;
    for (int i = 0; i < 60; ++i)
        tropProfond += "<u>a";
    const std::string textes[] = {
        "<b><i>non refermé",
        "<b>a<br><i>b<br>c<br>d<br>e<br>f<br>g<br>h", // arrêté par le bas au milieu des styles
        "</b></b>a</i>",
        "<p><u>a<p></b>",
        tropProfond,
        "<b>aa bb</b><u>cc dd ee ff gg",
    };
    for (const std::string& t : textes) {
        for (int mesure = 0; mesure < 2; ++mesure) {
            SetUp();
            styleCourant().couleur = Couleur{5, 6, 7, 8};
            if (mesure)
                mesureTexte(MakeCoord(0, 0), t.c_str());
            else
                afficheTexteLitteral(MakeCoord(0, 0), MakeCoord(60, 120), t.c_str());
            StyleTexte attendu = STYLE_DE_BASE;
            attendu.couleur = Couleur{5, 6, 7, 8};
            EXPECT_EQ(profondeurStyle, 0) << t;
            EXPECT_EQ(niveauxHorsPile, 0) << t;
            EXPECT_TRUE(memeStyle(pileStyles[0], attendu)) << t;
        }
    }
    // Une ligne vide qui ne descend pas se répéterait sans fin : le texte s'arrête.
    afficheTexteLitteral(MakeCoord(0, 0), MakeCoord(-50, 120), "<taille='-3'>a");
    EXPECT_EQ(profondeurStyle, 0);
}

TEST_F(Texte, TexteCoupeAuTamponEtTextesLitteraux)
{
    // Taille 1 : chaque glyphe mesure 2 et se dessine en 2,375 ; 400 par ligne
    // restent en deçà du bord droit de l'écran.
    const std::string debut = "<taille='1'>";
    const std::string long3000 = debut + std::string(3000 - debut.size(), 'a');
    const size_t attendus = TAILLE_TAMPON_TEXTE - 1 - debut.size();

    afficheTexte(MakeCoord(0, 0), MakeCoord(800, 768), "%s", long3000.c_str());
    EXPECT_EQ(Rendu().glyphes.size(), attendus);
    SetUp();
    afficheTexteLitteral(MakeCoord(0, 0), MakeCoord(800, 768), long3000.c_str());
    EXPECT_EQ(Rendu().glyphes.size(), attendus);

    // Un texte conservé est dessiné tel quel : ses '%' ne lisent aucun argument.
    SetUp();
    afficheTexteLitteral(MakeCoord(0, 0), MakeCoord(500, 100), "5%d%s%n%");
    Rendu r;
    ASSERT_EQ(r.lignes.size(), 1u);
    EXPECT_EQ(r.lignes[0].glyphes, "5%d%s%n%");

    // Un format ordinaire reste mis en forme.
    SetUp();
    afficheTexte(MakeCoord(0, 0), MakeCoord(500, 100), "%d%%", 42);
    EXPECT_EQ(Rendu().lignes.at(0).glyphes, "42%");

    // Vide : rien n'est envoyé.
    SetUp();
    afficheTexte(MakeCoord(0, 0), MakeCoord(500, 100), "%s", "");
    afficheTexteLitteral(MakeCoord(0, 0), MakeCoord(500, 100), "");
    EXPECT_TRUE(enregistreur::appels().empty());
}

TEST_F(Texte, MesureTexte)
{
    const std::string longue(255, 'a');
    struct Cas {
        const char* texte;
        Coord position;
        Rect attendu;
    } cas[] = {
        {"", {20, 31}, MakeRect(20, 31, 20, 31)},
        {"ab", {20, 31}, MakeRect(20, 31, 36, 50)},
        // Deux lignes de taille 16 : 16 + 3 + 16 + 3.
        {"ab<br>cd", {0, 0}, MakeRect(0, 0, 16, 38)},
        {"abc<br>a", {0, 0}, MakeRect(0, 0, 24, 38)},
        {"a<br>", {0, 0}, MakeRect(0, 0, 8, 19)},
        {"<p>", {0, 0}, MakeRect(0, 0, 0, 19)},
        // Le gras ajoute un pixel par caractère ; l'espace mesure 2 + 10.
        {"abc", {0, 0}, MakeRect(0, 0, 24, 19)},
        {"<b>abc", {0, 0}, MakeRect(0, 0, 27, 19)},
        {"a b", {0, 0}, MakeRect(0, 0, 28, 19)},
        {"<taille='32'>a<br>b", {0, 0}, MakeRect(0, 0, 14, 70)},
        {"<taille='8'>ab</>c", {0, 0}, MakeRect(0, 0, 18, 19)},
        // Jamais coupé pour la largeur, jamais mis en forme.
        {longue.c_str(), {0, 0}, MakeRect(0, 0, 2040, 19)},
        {"%d%s", {0, 0}, MakeRect(0, 0, 32, 19)},
    };
    // L'origine courante n'y est pour rien.
    empileOrigine(MakeCoord(100, 100));
    pourChaqueCas(cas, [&](const Cas& c) {
        Rect r = mesureTexte(c.position, c.texte);
        EXPECT_EQ(r, c.attendu) << c.texte << " : (" << r.basDroite.x << ", " << r.basDroite.y
                                << ")";
        EXPECT_EQ(profondeurStyle, 0) << c.texte;
    });
    EXPECT_TRUE(enregistreur::appels().empty());
}

TEST_F(Texte, TailleNegativeDemesureeEnTempsBorne)
{
    // Une taille de -2^31 fait remonter la ligne suivante de 2^31 pixels ; le 'W' qui
    // ne tient pas dans la boîte de largeur nulle redonne ensuite des lignes vides.
    // Seules celles qui tombent dans le découpage sont parcourues.
    const Rect boite = MakeRect(50, 50, 50, 400);
    afficheTexteLitteral(boite.hautGauche, boite.basDroite, "<taille='-2147483648'><br></>W");
    Rendu r;
    // Les lignes vides ne tracent rien ; la limite de temps du test borne leur parcours.
    EXPECT_TRUE(r.glyphes.empty());
    EXPECT_TRUE(r.lignes.empty());
    EXPECT_EQ(profondeurStyle, 0);

    // Chaque remontée de 2^31 pixels, répétée sur toute la longueur du tampon, et
    // un dernier 'W' trop large pour l'écran : le nombre de lignes reste borné.
    const std::string remontee = "<taille='-2147483648'><br></>";
    const std::string fin = "<taille='2000'>W";
    std::string texte;
    while (texte.size() + remontee.size() + fin.size() < size_t(TAILLE_TAMPON_TEXTE))
        texte += remontee;
    texte += fin;
    SetUp();
    afficheTexteLitteral(MakeCoord(0, 0), MakeCoord(1024, 768), texte.c_str());
    EXPECT_TRUE(Rendu().glyphes.empty());
    EXPECT_EQ(profondeurStyle, 0);
}

TEST_F(Texte, PasDeLigneDUneTailleExtremeSansDebordement)
{
    // Une taille INT_MAX en dernier élément : la ligne vide descend de INT_MAX + 3,
    // calculé sans déborder (le texte s'arrête là).
    afficheTexteLitteral(MakeCoord(0, 0), MakeCoord(500, 500), "<taille='2147483647'>");
    EXPECT_EQ(Rendu().lignes.size(), 0u) << enregistreur::journal();
    EXPECT_EQ(profondeurStyle, 0);

    // En 64 bits, 2^31 - 1 + 3 = 0x80000002, ramené aux 16 bits des coordonnées.
    const Rect attendu = MakeRect(0, 0, 0, 2);
    EXPECT_EQ(mesureTexte(MakeCoord(0, 0), "<taille='99999999999'>"), attendu);
    EXPECT_EQ(mesureTexte(MakeCoord(0, 0), "<taille='2147483647'>"), attendu);
    // Deux lignes hautes de INT_MAX : 2 * 0x80000002, soit 4 sur 16 bits.
    EXPECT_EQ(mesureTexte(MakeCoord(0, 0), "<taille='2147483647'>a<br>b").basDroite.y, 4);
    EXPECT_EQ(profondeurStyle, 0);
}

TEST_F(Texte, MemesMorceauxEnLotsQueParLaReference)
{
    const char* textes[] = {
        "<b>ab</b> <i>cd</i> <u>e f</u> <barre>g</barre>",
        "<taille='24'><b><i>ab</i></b> <u>c</u>",
        "a<taille='13'>bc <u>d</u><taille='16'>ef",
        "<taille='7'>aaaa bbbb cccc dddd eeee ffff",
        "<taille='1'>abc<taille='31'>def",
        "<centre>ab<br><align='droite'><couleur='rouge'>cd",
        "aaa bbb ccc ddd eee fff ggg hhh iii",
        "<taille='-16'>ab<br>cd",
        "<taille='2000'>W<taille='99999999'>a",
        "<taille='3000000'><u>a</u>",
        // Une taille négative démesurée, et des lignes remontées à plus de 2^31 pixels.
        "<taille='-99999999'>abc",
        "<taille='-1500000000'><u>a</u><br>b<br>c",
    };
    const Rect decoupages[] = {PLEIN_ECRAN, MakeRect(0, 0, 45, 768), MakeRect(20, 25, 90, 60)};
    for (const char* t : textes)
        for (const Rect& d : decoupages) {
            SCOPED_TRACE(t);
            auto dessine = [&] {
                empileDecoupage(d.hautGauche, d.basDroite);
                afficheTexte(MakeCoord(3, 5), MakeCoord(120, 300), "%s", t);
                depileDecoupage();
            };
            SetUp();
            dessine();
            const std::vector<MorceauDessine> attendu = enregistreur::morceaux();
            regroupementGL(true);
            enregistreur::efface();
            dessine();
            fermeLotGL();
            std::string ecart;
            EXPECT_TRUE(memeImage(enregistreur::morceaux(), attendu, ecart))
                << ecart << "\n"
                << enregistreur::journalMorceaux();
            regroupementGL(false);
        }
}

// Un texte redonné par le cache : les mêmes commandes et la même pile qu'à neuf, même après un
// changement de ce dont il dépend entre deux dessins.
TEST_F(Texte, RedonneCommeDisposeANeufApresChaqueChangement)
{
    const char* texte = "<u>AW</u> <b>i<br>W";
    struct Cas {
        const char* nom;
        void (*change)();
        void (*rend)();
    } cas[] = {
        {"glyphe", [] { polices[0].glyphes['W'].basDroite.x += 3; }, [] {}},
        {"texture", [] { polices[0].nomTexture = TEXTURE_POLICE + 1; }, [] {}},
        {"couleur",
         [] {
             pileStyles[0].couleur = Couleur{1, 2, 3, 4};
         },
         [] {}},
        {"taille", [] { pileStyles[0].taille = 24; }, [] {}},
        {"origine", [] { empileOrigine(MakeCoord(3, 0)); }, [] { depileOrigine(); }},
        {"decoupage", [] { empileDecoupage(MakeCoord(0, 0), MakeCoord(30, 100)); },
         [] { depileDecoupage(); }},
    };
    const auto dessine = [&](Textes& commandes, StyleTexte& base) {
        enregistreur::efface();
        afficheTexteLitteral(MakeCoord(10, 20), MakeCoord(200, 100), texte);
        fermeLotGL();
        commandes = commandesLues();
        for (const CommandeDessin& d : enregistreur::listeEnvoyee().commandes())
            commandes.push_back(std::to_string(d.texture) + " " + std::to_string(d.couleur.r) +
                                "," + std::to_string(d.couleur.a));
        base = pileStyles[0];
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SetUp();
        Textes avant, apres, neuf, redonne;
        StyleTexte b1, b2, b3, b4;
        CacheTextes::commun().oublie();
        // Deux fois : la pile au-dessus de la profondeur 0 est alors celle que le texte laisse.
        dessine(avant, b1);
        dessine(avant, b1);
        c.change();
        dessine(apres, b2); // le cache garde le texte d'avant le changement
        CacheTextes::commun().oublie();
        dessine(neuf, b3);
        dessine(redonne, b4);
        c.rend();
        EXPECT_NE(avant, neuf) << c.nom; // le changement compte
        EXPECT_EQ(apres, neuf) << c.nom;
        EXPECT_EQ(redonne, neuf) << c.nom;
        EXPECT_TRUE(memeStyle(b2, b3) && memeStyle(b4, b3)) << c.nom;
    });
}
