// Tests des images générées : format des fichiers, tailles, et ce que chaque région doit porter.
#include "CImageDonnees.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace
{

const char* const NOMS[] = {"Boutons", "ObjetGDIs",    "Containers", "Curseurs",
                            "Coches",  "Progressions", "Moi",        "Police0"};

TEST(Donnees, ChaqueImageSeLitAvecSaTaille)
{
    struct Cas {
        const char* nom;
        int largeur, hauteur;
        bool auMoins; // la taille donnée est un minimum
    };
    const Cas cas[] = {{"Boutons", 256, 398, true},     {"ObjetGDIs", 32, 288, false},
                       {"Containers", 128, 128, false}, {"Curseurs", 200, 50, true},
                       {"Coches", 64, 64, false},       {"Progressions", 128, 64, false},
                       {"Moi", 256, 256, false},        {"Police0", 256, 128, false}};
    pourChaqueCas(cas, [&](const Cas& c) {
        CImageDonnees image(c.nom);
        ASSERT_TRUE(image.lue()) << c.nom;
        EXPECT_EQ(image.bits(), 32) << c.nom;
        if (c.auMoins) {
            EXPECT_GE(image.largeur(), c.largeur) << c.nom;
            EXPECT_GE(image.hauteur(), c.hauteur) << c.nom;
        } else {
            EXPECT_EQ(image.largeur(), c.largeur) << c.nom;
            EXPECT_EQ(image.hauteur(), c.hauteur) << c.nom;
        }
    });
}

// En-tête exact, paquets qui ne franchissent jamais une fin de ligne, rien après le dernier.
TEST(Donnees, PaquetsContenusDansLeursLignes)
{
    const uint8_t entete[12] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (const char* nom : NOMS) {
        std::vector<uint8_t> o = octetsFichier(nom);
        ASSERT_GE(o.size(), 18u) << nom;
        EXPECT_TRUE(std::equal(entete, entete + 12, o.begin())) << nom;
        const int l = o[12] | (o[13] << 8), h = o[14] | (o[15] << 8), n = o[16] / 8;
        size_t i = 18;
        long pixel = 0, total = long(l) * h;
        bool franchit = false;
        while (pixel < total && i < o.size()) {
            int entetePaquet = o[i++];
            int nombre = (entetePaquet & 0x7F) + 1;
            franchit |= pixel / l != (pixel + nombre - 1) / l;
            i += size_t(entetePaquet >= 128 ? n : n * nombre);
            pixel += nombre;
        }
        EXPECT_FALSE(franchit) << nom;
        EXPECT_EQ(pixel, total) << nom;
        EXPECT_EQ(i, o.size()) << nom << " : octets en trop ou manquants";
    }
}

// Écart visible entre deux pixels : couleurs prémultipliées, la couleur d'un pixel
// transparent ne compte pas.
int ecart(Pixel p, Pixel q)
{
    auto pm = [](int c, int a) { return c * a / 255; };
    return std::max({std::abs(pm(p.r, p.a) - pm(q.r, q.a)), std::abs(pm(p.g, p.a) - pm(q.g, q.a)),
                     std::abs(pm(p.b, p.a) - pm(q.b, q.a)), std::abs(p.a - q.a)});
}

// Deux colonnes (ou deux lignes) qui se touchent à l'écran une fois les pièces posées ou
// répétées : un écart visible ferait une couture.
TEST(Donnees, PiecesRepeteesEtEtireesSansCouture)
{
    struct Cas {
        const char* nom;
        bool colonnes; // compare les colonnes a et b, sinon les lignes a et b
        int a, b;
        int debut, fin; // étendue de la comparaison dans l'autre sens, fin exclue
        const char* quoi;
    };
    const Cas cas[] = {
        {"Progressions", true, 98, 25, 0, 38, "cadre : fin du motif contre son début"},
        {"Progressions", true, 23, 25, 0, 38, "cadre : partie gauche contre le motif"},
        {"Progressions", true, 98, 100, 0, 38, "cadre : motif contre la partie droite"},
        {"Progressions", true, 98, 25, 39, 64, "remplissage : fin du motif contre son début"},
        {"Progressions", true, 23, 25, 39, 64, "remplissage : partie gauche contre le motif"},
        {"Progressions", true, 98, 100, 39, 64, "remplissage : motif contre la partie droite"},
        {"Containers", true, 86, 39, 64, 79, "cadre pavé : bande du haut"},
        {"Containers", true, 86, 39, 113, 128, "cadre pavé : bande du bas"},
        {"Containers", true, 86, 39, 80, 112, "cadre pavé : centre en largeur"},
        {"Containers", false, 111, 80, 0, 38, "cadre pavé : bord gauche"},
        {"Containers", false, 111, 80, 88, 128, "cadre pavé : bord droit"},
        {"Containers", false, 111, 80, 39, 87, "cadre pavé : centre en hauteur"},
        {"Containers", true, 37, 39, 64, 128, "cadre pavé : coin gauche contre le motif"},
        {"Containers", true, 86, 88, 64, 128, "cadre pavé : motif contre le coin droit"},
        {"Containers", false, 78, 80, 0, 128, "cadre pavé : coin haut contre le motif"},
        {"Containers", false, 111, 113, 0, 128, "cadre pavé : motif contre le coin bas"},
        {"Containers", true, 12, 15, 0, 64, "menu : coin gauche contre le bord étiré"},
        {"Containers", true, 48, 51, 0, 64, "menu : bord étiré contre le coin droit"},
        {"Containers", false, 12, 15, 0, 64, "menu : coin haut contre le bord étiré"},
        {"Containers", false, 48, 51, 0, 64, "menu : bord étiré contre le coin bas"},
        {"Containers", true, 85, 88, 0, 64, "fenêtre : colonne gauche contre le milieu étiré"},
        {"Containers", true, 97, 100, 0, 64, "fenêtre : milieu étiré contre la colonne droite"},
        {"Containers", false, 26, 29, 64, 128, "fenêtre : bandeau contre le milieu étiré"},
        {"Containers", false, 42, 45, 64, 128, "fenêtre : milieu étiré contre la rangée du bas"},
        {"Boutons", true, 160, 163, 0, 192, "barre : bout gauche contre le milieu étiré"},
        {"Boutons", true, 170, 173, 0, 192, "barre : milieu étiré contre le bout droit"},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        CImageDonnees image(c.nom);
        ASSERT_TRUE(image.lue()) << c.nom;
        int pire = 0;
        for (int k = c.debut; k < c.fin; ++k) {
            Pixel p = c.colonnes ? image.at(c.a, k) : image.at(k, c.a);
            Pixel q = c.colonnes ? image.at(c.b, k) : image.at(k, c.b);
            pire = std::max(pire, ecart(p, q));
        }
        EXPECT_LE(pire, 6) << c.quoi;
    });
}

// Les pièces étirées doivent être uniformes dans le sens de l'étirement.
TEST(Donnees, PiecesEtireesUniformes)
{
    struct Cas {
        const char* nom;
        int x1, y1, x2, y2;
        bool enLargeur; // étirée en largeur : chaque ligne uniforme ; sinon chaque colonne
    };
    const Cas cas[] = {
        {"Containers", 15, 0, 49, 64, true},    // menu : bords haut, bas et centre
        {"Containers", 0, 15, 64, 49, false},   // menu : bords gauche, droit et centre
        {"Containers", 88, 0, 98, 64, true},    // fenêtre : bandeau, centre, rangée du bas
        {"Containers", 64, 29, 128, 43, false}, // fenêtre : colonnes et centre
        {"Boutons", 163, 0, 171, 192, true},    // barre : milieu, normal et survolé
        {"Boutons", 199, 200, 213, 328, true},  // champ de saisie : milieu, quatre états
        {"Boutons", 192, 207, 220, 221, false}, // champ de saisie : bords et centre au repos
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        CImageDonnees image(c.nom);
        ASSERT_TRUE(image.lue());
        int pire = 0;
        for (int y = c.y1; y < c.y2; ++y)
            for (int x = c.x1; x < c.x2; ++x)
                pire = std::max(pire, ecart(image.at(x, y),
                                            c.enLargeur ? image.at(c.x1, y) : image.at(x, c.y1)));
        EXPECT_LE(pire, 2) << c.nom << " (" << c.x1 << "," << c.y1 << ")";
    });
}

double luminance(double r, double g, double b)
{
    auto lineaire = [](double c) {
        c /= 255;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineaire(r) + 0.7152 * lineaire(g) + 0.0722 * lineaire(b);
}

// Contraste entre un texte et un fond posé sur un autre fond (pour les pixels translucides).
double contraste(Pixel texte, Pixel fond, Pixel dessous)
{
    double a = fond.a / 255.0;
    double r = fond.r * a + dessous.r * (1 - a), g = fond.g * a + dessous.g * (1 - a),
           b = fond.b * a + dessous.b * (1 - a);
    double l1 = luminance(texte.r, texte.g, texte.b), l2 = luminance(r, g, b);
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

// Chaque texte que la boîte à outils pose sur une image s'y lit : contraste d'au moins 4,5
// sur tout le rectangle où il s'écrit.
TEST(Donnees, TextesLisiblesSurLeurFond)
{
    CImageDonnees boutons("Boutons"), containers("Containers");
    ASSERT_TRUE(boutons.lue());
    ASSERT_TRUE(containers.lue());
    const Pixel client = containers.at(90, 35); // le client de la fenêtre beige
    struct Cas {
        const CImageDonnees* image;
        Pixel texte;
        int x1, y1, x2, y2;
        const char* quoi;
    };
    const Cas cas[] = {
        {&boutons, {70, 70, 70, 255}, 163, 40, 171, 57, "légende de la barre"},
        {&boutons, {70, 70, 70, 255}, 136, 40, 161, 57, "légende de la barre, bout gauche"},
        {&boutons, {70, 70, 70, 255}, 173, 40, 216, 57, "légende de la barre, bout droit"},
        {&boutons, {0, 255, 255, 255}, 163, 136, 171, 153, "légende de la barre survolée"},
        {&boutons, {0, 255, 255, 255}, 136, 136, 161, 153, "légende survolée, bout gauche"},
        {&boutons, {0, 255, 255, 255}, 173, 136, 216, 153, "légende survolée, bout droit"},
        {&containers, {97, 76, 36, 255}, 88, 29, 98, 43, "texte de la fenêtre beige"},
        {&containers, {255, 255, 255, 255}, 15, 15, 49, 49, "texte du menu"},
        {&containers, {24, 105, 90, 255}, 39, 80, 87, 112, "texte du cadre pavé"},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        double pire = 100;
        for (int y = c.y1; y < c.y2; ++y)
            for (int x = c.x1; x < c.x2; ++x)
                pire = std::min(pire, contraste(c.texte, c.image->at(x, y), client));
        EXPECT_GE(pire, 4.5) << c.quoi;
    });
}

// Icônes, coche et curseur se posent sur autre chose : transparents autour, opaques au milieu.
TEST(Donnees, ImagesDetoureesTransparentesAutour)
{
    struct Cas {
        const char* nom;
        int x, y, cote; // carré de l'image
        int cx, cy;     // un point qui doit être couvert
    };
    std::vector<Cas> cas;
    // Les icônes des cases et du choix sont couvertes en leur coin gauche, où est la case.
    for (int i = 0; i < 9; ++i)
        cas.push_back({"ObjetGDIs", 0, 32 * i, 32, i >= 7 ? 8 : 16, 32 * i + (i == 1 ? 26 : 16)});
    cas.push_back({"Coches", 0, 32, 32, 13, 53});
    for (int i = 0; i < 4; ++i)
        cas.push_back({"Curseurs", 50 * i, 0, 50, 50 * i + 4, 10});
    pourChaqueCas(cas, [&](const Cas& c) {
        CImageDonnees image(c.nom);
        ASSERT_TRUE(image.lue());
        int bord = 0;
        for (int k = 0; k < c.cote; ++k)
            bord = std::max({bord, image.at(c.x + k, c.y + c.cote - 1).a,
                             image.at(c.x + c.cote - 1, c.y + k).a});
        EXPECT_EQ(bord, 0) << c.nom << " (" << c.x << "," << c.y << ") : bords droit et bas";
        EXPECT_EQ(image.at(c.x + c.cote - 1, c.y).a, 0) << c.nom;
        EXPECT_GE(image.at(c.cx, c.cy).a, 250) << c.nom << " (" << c.x << "," << c.y << ")";
    });
}

// Le point chaud est le pixel haut-gauche : la pointe de la flèche, et elle seule, y est.
TEST(Donnees, CurseurPointeSurSonPointChaudEtSAnime)
{
    CImageDonnees image("Curseurs");
    ASSERT_TRUE(image.lue());
    int differences = 0;
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(image.at(50 * i, 0).a, 250) << "image " << i;
        // Rien à gauche ni au-dessus de la pointe ne dépasse d'un pixel du coin.
        EXPECT_LT(image.at(50 * i + 2, 0).a, 128) << "image " << i;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                differences +=
                    ecart(image.at(50 * i + x, y), image.at(50 * ((i + 1) % 4) + x, y)) > 8;
    }
    EXPECT_GT(differences, 20) << "les quatre images doivent former une animation";
}

// L'ombre de la fenêtre beige : 6 colonnes à droite et 9 lignes en bas, translucides et
// décroissantes vers l'extérieur, le corps restant opaque.
TEST(Donnees, OmbreDeLaFenetreBeige)
{
    CImageDonnees image("Containers");
    ASSERT_TRUE(image.lue());
    for (int y = 29; y < 43; ++y) {
        EXPECT_EQ(image.at(121, y).a, 255);
        for (int x = 122; x < 128; ++x) {
            EXPECT_LT(image.at(x, y).a, 255) << x;
            EXPECT_LE(image.at(x, y).a, image.at(x - 1, y).a) << x;
        }
    }
    for (int x = 88; x < 98; ++x) {
        EXPECT_EQ(image.at(x, 54).a, 255);
        for (int y = 55; y < 64; ++y) {
            EXPECT_LT(image.at(x, y).a, 255) << y;
            EXPECT_LE(image.at(x, y).a, image.at(x, y - 1).a) << y;
        }
    }
}

} // namespace
