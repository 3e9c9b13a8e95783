// Tests de la mesure des glyphes dans l'image de police et du chargement de "Police0".
#include "text/Police.h"
#include "text/StyleTexte.h"

#include "DossierTemporaire.h"
#include "EnregistreurGL.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Une image de police en mémoire, pixels rangés comme le lecteur TGA les rend :
// lignes dans l'ordre du fichier, donc de bas en haut.
struct ImagePolice {
    int largeur;
    int hauteur;
    int octets;
    std::vector<uint8_t> pixels;

    ImagePolice(int l, int h, int bits = 32)
        : largeur(l), hauteur(h), octets(bits / 8), pixels(size_t(l * h * (bits / 8)), 0)
    {
    }
    uint8_t* pixel(int x, int yDepuisLeHaut)
    {
        return &pixels[size_t(((hauteur - 1 - yDepuisLeHaut) * largeur + x) * octets)];
    }
    // Encre le rectangle [x1, x2) x [y1, y2), y compté depuis le haut.
    void tache(int x1, int y1, int x2, int y2)
    {
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                pixel(x, y)[3] = 255;
    }
    Texture texture()
    {
        return Texture{"test",
                       pixels.data(),
                       int16_t(octets * 8),
                       int16_t(largeur),
                       int16_t(hauteur),
                       256,
                       128,
                       42};
    }
};

std::string decrit(const Rect& r)
{
    return "(" + std::to_string(r.hautGauche.x) + "," + std::to_string(r.hautGauche.y) + ")-(" +
           std::to_string(r.basDroite.x) + "," + std::to_string(r.basDroite.y) + ")";
}

// Le nombre de codes qui ont reçu un rectangle.
int glyphesMesures()
{
    int n = 0;
    for (const Rect& g : polices[0].glyphes)
        n += g != Rect{} ? 1 : 0;
    return n;
}

class MesureGlyphes : public ::testing::Test
{
  protected:
    void TearDown() override { polices[0] = Police{}; }
};
} // namespace

TEST_F(MesureGlyphes, TachesRangeesParBandesDansLOrdreDesCodes)
{
    ImagePolice image(64, 128);
    image.tache(2, 5, 5, 11);  // trois colonnes
    image.tache(6, 17, 7, 18); // une colonne, encrée sur la seule dernière ligne de la bande
    image.tache(8, 0, 10, 4);  // deux morceaux qui se touchent par les colonnes : un glyphe
    image.tache(10, 12, 13, 17);
    image.pixel(20, 3)[0] = 255;                    // du rouge sans alpha n'est pas de l'encre
    image.tache(62, 1, 64, 2);                      // jusqu'à la dernière colonne de l'image
    image.tache(0, 20, 2, 30);                      // deuxième bande
    image.tache(10, 108, 12, 109);                  // septième et dernière bande lue
    image.tache(30, 126, 31, 128);                  // sous la dernière bande : jamais lue
    polices[0].glyphes[100] = MakeRect(1, 2, 3, 4); // une mesure précédente est oubliée

    mesureGlyphes(0, image.texture());

    const Rect attendus[] = {
        MakeRect(2, 0, 5, 17),   MakeRect(6, 0, 7, 17),  MakeRect(8, 0, 13, 17),
        MakeRect(62, 0, 64, 17), MakeRect(0, 18, 2, 35), MakeRect(10, 108, 12, 125),
    };
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(decrit(polices[0].glyphes[33 + i]), decrit(attendus[i])) << "code " << 33 + i;
    EXPECT_EQ(glyphesMesures(), 6);
    EXPECT_EQ(polices[0].nomTexture, 42u);
}

TEST_F(MesureGlyphes, BandesLuesSelonLaHauteurEtArretAuCode255)
{
    struct Cas {
        int largeur, hauteur, bits;
        int mesures;
        int code;
        Rect attendu;
    } cas[] = {
        // Une colonne sur deux encrée partout : 128 glyphes par bande, la mesure
        // s'arrête au code 255 au milieu de la deuxième bande.
        {256, 128, 32, 223, 255, MakeRect(188, 18, 189, 35)},
        // Le haut d'une bande doit être au-dessus de hauteur - 18.
        {4, 54, 32, 4, 36, MakeRect(2, 18, 3, 35)},
        {4, 55, 32, 6, 38, MakeRect(2, 36, 3, 53)},
        // Une image plus basse qu'une bande : seules ses lignes sont lues.
        {4, 10, 32, 2, 34, MakeRect(2, 0, 3, 17)},
        // Sans alpha, tout est encre : un seul glyphe jusqu'au bord.
        {5, 40, 24, 2, 34, MakeRect(0, 18, 5, 35)},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        ImagePolice image(c.largeur, c.hauteur, c.bits);
        if (c.bits == 32)
            for (int x = 0; x < c.largeur; x += 2)
                image.tache(x, 0, x + 1, c.hauteur);
        mesureGlyphes(0, image.texture());
        EXPECT_EQ(glyphesMesures(), c.mesures) << c.largeur << "x" << c.hauteur;
        EXPECT_EQ(decrit(polices[0].glyphes[c.code]), decrit(c.attendu))
            << c.largeur << "x" << c.hauteur;
        for (int code = 0; code < 33; ++code)
            EXPECT_EQ(polices[0].glyphes[code], Rect{}) << code;
    });
}

TEST_F(MesureGlyphes, ChargePolicesLitPolice0EtRemetLeStyleDeBase)
{
    DossierTemporaire dossier;
    ImagePolice image(256, 128);
    image.tache(0, 0, 4, 17);
    image.tache(5, 40, 9, 41); // troisième bande
    dossier.ecrit("Police0", fichierTGA(256, 128, 32, image.pixels));

    profondeurStyle = 3;
    pileStyles[0].couleur = Couleur{9, 9, 9, 9};
    pileStyles[0].gras = true;
    enregistreur::efface();
    ASSERT_TRUE(chargePolices());

    EXPECT_EQ(profondeurStyle, 0);
    EXPECT_EQ(pileStyles[0].couleur, (Couleur{0, 0, 0, 255}));
    EXPECT_FALSE(pileStyles[0].gras);
    EXPECT_EQ(pileStyles[0].taille, 16);
    EXPECT_EQ(decrit(polices[0].glyphes[33]), decrit(MakeRect(0, 0, 4, 17)));
    EXPECT_EQ(decrit(polices[0].glyphes[34]), decrit(MakeRect(5, 36, 9, 53)));
    // La texture envoyée est celle dont la police garde le nom.
    ASSERT_EQ(enregistreur::envois().size(), 1u);
    EXPECT_EQ(enregistreur::envois()[0].nomTexture, polices[0].nomTexture);
    EXPECT_EQ(enregistreur::envois()[0].largeur, 256);

    // Sans fichier, le chargement échoue.
    DossierTemporaire vide;
    EXPECT_FALSE(chargePolices());
    remetStyleDeBase();
}
