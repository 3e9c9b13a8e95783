// Tests du lecteur TGA compressé et de l'envoi des textures.
#include "render/Texture.h"

#include "DossierTemporaire.h"
#include "EnregistreurGL.h"
#include "TableCas.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace
{
typedef std::vector<uint8_t> Octets;

Octets operator+(Octets a, const Octets& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Lit Data/<nom>.tga et rend ses pixels, ou un vecteur vide en cas de refus.
struct Lecture {
    bool ok;
    Texture t;
    Octets pixels;
};

Lecture lis(const char* nom)
{
    Lecture l{false, Texture{nom, nullptr, 0, 0, 0, 0, 0, 0}, {}};
    l.ok = litTGA(l.t);
    if (l.ok) {
        size_t n = size_t(l.t.largeur) * size_t(l.t.hauteur) * size_t(l.t.bitsParPixel / 8);
        l.pixels.assign(l.t.pixels, l.t.pixels + n);
        liberePixels(l.t);
    } else {
        EXPECT_EQ(l.t.pixels, nullptr) << nom << " : un refus ne laisse aucun tampon";
    }
    return l;
}

size_t descripteursOuverts()
{
    size_t n = 0;
    for (auto it = std::filesystem::directory_iterator("/proc/self/fd");
         it != std::filesystem::directory_iterator(); ++it)
        ++n;
    return n;
}

// n pixels bleu-vert-rouge(-alpha) du fichier, tous égaux.
Octets pixelsFichier(size_t n, Octets bgra)
{
    Octets r;
    for (size_t i = 0; i < n; ++i)
        r.insert(r.end(), bgra.begin(), bgra.end());
    return r;
}
} // namespace

TEST(Texture, PaquetsAuxLimites)
{
    DossierTemporaire dossier;
    // 0x80 : une répétition d'un pixel ; 0xFF : 128 ; 0x00 : un pixel brut ; 0x7F : 128.
    struct Cas {
        const char* nom;
        int largeur;
        Octets paquets;
        Octets attendu; // R, G, B du premier et du dernier pixel
    } cas[] = {
        {"run1", 1, Octets{0x80, 3, 2, 1}, {1, 2, 3, 1, 2, 3}},
        {"run128", 128, Octets{0xFF, 30, 20, 10}, {10, 20, 30, 10, 20, 30}},
        {"brut1", 1, Octets{0x00, 9, 8, 7}, {7, 8, 9, 7, 8, 9}},
        {"brut128",
         128,
         Octets{0x7F} + pixelsFichier(127, {1, 1, 1}) + Octets{6, 5, 4},
         {1, 1, 1, 4, 5, 6}},
        {"melange",
         5,
         Octets{0x81, 0, 0, 255, 0x02, 0, 255, 0, 255, 0, 0, 1, 2, 3},
         {255, 0, 0, 3, 2, 1}},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        dossier.ecrit(c.nom, enteteTGA(c.largeur, 1, 24) + c.paquets);
        Lecture l = lis(c.nom);
        ASSERT_TRUE(l.ok) << c.nom;
        EXPECT_EQ(l.t.largeur, c.largeur);
        EXPECT_EQ(l.t.hauteur, 1);
        EXPECT_EQ(l.t.bitsParPixel, 24);
        ASSERT_EQ(l.pixels.size(), size_t(c.largeur) * 3) << c.nom;
        Octets bords(l.pixels.begin(), l.pixels.begin() + 3);
        bords = bords + Octets(l.pixels.end() - 3, l.pixels.end());
        EXPECT_EQ(bords, c.attendu) << c.nom;
    });
}

TEST(Texture, TrenteDeuxBitsGardeLAlpha)
{
    DossierTemporaire dossier;
    // B, G, R, A dans le fichier ; R, G, B, A en mémoire.
    dossier.ecrit("alpha", enteteTGA(2, 1, 32) + Octets{0x81, 10, 20, 30, 40});
    Lecture l = lis("alpha");
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.t.bitsParPixel, 32);
    EXPECT_EQ(l.pixels, (Octets{30, 20, 10, 40, 30, 20, 10, 40}));
}

TEST(Texture, FichiersRefuses)
{
    DossierTemporaire dossier;
    Octets pixel{0x80, 1, 2, 3};
    const Octets entete = enteteTGA(1, 1, 24);
    Octets type2 = enteteTGA(1, 1, 24);
    type2[2] = 2;
    Octets identifiant = enteteTGA(1, 1, 24);
    identifiant[0] = 4;
    Octets origineY = enteteTGA(1, 1, 24);
    origineY[10] = 1;
    Octets palette = enteteTGA(1, 1, 24);
    palette[1] = 1;
    Octets descripteur = enteteTGA(1, 1, 24);
    descripteur[17] = 0x20; // origine en haut : accepté, l'octet est ignoré
    struct Cas {
        const char* nom;
        Octets contenu;
        bool accepte;
    } cas[] = {
        {"vide", {}, false},
        {"entete_courte", Octets(11, 0), false},
        {"taille_courte", Octets(entete.begin(), entete.begin() + 15), false},
        {"type2", type2 + pixel, false},
        {"identifiant", identifiant + pixel, false},
        {"palette", palette + pixel, false},
        {"origine", origineY + pixel, false},
        {"largeur_nulle", enteteTGA(0, 1, 24) + pixel, false},
        {"hauteur_negative", enteteTGA(1, 0x8000, 24) + pixel, false},
        {"profondeur16", enteteTGA(1, 1, 16) + Octets{0x80, 1, 2}, false},
        {"profondeur8", enteteTGA(1, 1, 8) + Octets{0x80, 1}, false},
        {"trop_large", enteteTGA(2049, 1, 24) + Octets{0xFF, 1, 2, 3}, false},
        {"trop_haute", enteteTGA(1, 2049, 24) + Octets{0xFF, 1, 2, 3}, false},
        {"sans_paquet", enteteTGA(1, 1, 24), false},
        {"pixel_tronque", enteteTGA(1, 1, 24) + Octets{0x80, 1, 2}, false},
        {"brut_tronque", enteteTGA(3, 1, 24) + Octets{0x02, 1, 2, 3, 4, 5, 6}, false},
        {"pas_assez", enteteTGA(3, 1, 24) + Octets{0x81, 1, 2, 3}, false},
        // Un paquet qui dépasserait l'image est refusé au lieu d'écrire au-delà du tampon.
        {"repetition_debordante", enteteTGA(2, 1, 24) + Octets{0x82, 1, 2, 3}, false},
        {"brut_debordant", enteteTGA(1, 1, 24) + Octets{0x01, 1, 2, 3, 4, 5, 6}, false},
        {"debord_en_fin", enteteTGA(3, 1, 24) + Octets{0x81, 1, 2, 3, 0x81, 4, 5, 6}, false},
        {"descripteur_ignore", descripteur + pixel, true},
        {"taille_2048", enteteTGA(2048, 1, 24) + pixelsFichier(16, {0xFF, 1, 2, 3}), true},
    };
    for (const Cas& c : cas)
        dossier.ecrit(c.nom, c.contenu);
    // Chaque refus ferme son fichier : le nombre de descripteurs ouverts ne bouge pas.
    const size_t descripteurs = descripteursOuverts();
    pourChaqueCas(cas, [&](const Cas& c) { EXPECT_EQ(lis(c.nom).ok, c.accepte) << c.nom; });
    EXPECT_FALSE(lis("absent").ok);
    EXPECT_EQ(descripteursOuverts(), descripteurs);
}

TEST(Texture, TailleDeTextureEtPlacementDesLignes)
{
    DossierTemporaire dossier;
    struct Cas {
        int largeur, hauteur, largeurTexture, hauteurTexture;
    } cas[] = {{1, 1, 8, 8},     {8, 9, 8, 16},      {256, 256, 256, 256},
               {257, 3, 512, 8}, {2048, 1, 2048, 8}, {100, 1025, 128, 2048}};
    pourChaqueCas(cas, [&](const Cas& c) {
        // Chaque ligne du fichier porte son numéro dans le rouge.
        Octets pixels;
        for (int y = 0; y < c.hauteur; ++y)
            for (int x = 0; x < c.largeur; ++x)
                pixels.insert(pixels.end(), {uint8_t(y + 1), uint8_t(x), 200, 255});
        dossier.ecrit("image", fichierTGA(c.largeur, c.hauteur, 32, pixels));
        Texture t{"image", nullptr, 0, 0, 0, 0, 0, 0};
        ASSERT_TRUE(litTGA(t)) << c.largeur << "x" << c.hauteur;
        enregistreur::efface();
        creeTexture(t);
        EXPECT_NE(t.pixels, nullptr) << "les pixels restent en place après l'envoi";
        liberePixels(t);
        EXPECT_EQ(t.largeurTexture, c.largeurTexture);
        EXPECT_EQ(t.hauteurTexture, c.hauteurTexture);
        EXPECT_EQ(t.nomTexture, 1u);

        ASSERT_EQ(enregistreur::envois().size(), 1u);
        const EnvoiTexture& e = enregistreur::envois()[0];
        EXPECT_EQ(e.nomTexture, 1u);
        EXPECT_EQ(e.composantes, 4);
        EXPECT_EQ(e.format, unsigned(GL_RGBA));
        EXPECT_EQ(e.largeur, c.largeurTexture);
        EXPECT_EQ(e.hauteur, c.hauteurTexture);
        // Ligne r du fichier à la ligne hauteurTexture - hauteur + r ; le reste est à zéro.
        const int decalage = c.hauteurTexture - c.hauteur;
        for (int y = 0; y < c.hauteurTexture; ++y) {
            for (int x = 0; x < c.largeurTexture; x += (c.largeurTexture > 64 ? 37 : 1)) {
                const uint8_t* p =
                    &e.octets[(size_t(y) * size_t(c.largeurTexture) + size_t(x)) * 4];
                const bool image = y >= decalage && x < c.largeur;
                Octets attendu = image ? Octets{uint8_t(y - decalage + 1), uint8_t(x), 200, 255}
                                       : Octets{0, 0, 0, 0};
                ASSERT_EQ(Octets(p, p + 4), attendu) << "texel " << x << "," << y;
            }
        }
    });
    // Le filtre de réduction est linéaire, rien d'autre n'est réglé.
    const auto parametres = enregistreur::appelsNommes("glTexParameteri");
    ASSERT_EQ(parametres.size(), 1u);
    EXPECT_EQ(parametres[0].args,
              (std::vector<double>{GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR}));
}

TEST(Texture, VingtQuatreBitsEnvoyeEnRGB)
{
    DossierTemporaire dossier;
    dossier.ecrit("rgb", enteteTGA(1, 1, 24) + Octets{0x80, 1, 2, 3});
    Texture t{"rgb", nullptr, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(litTGA(t));
    enregistreur::efface();
    creeTexture(t);
    liberePixels(t);
    ASSERT_EQ(enregistreur::envois().size(), 1u);
    EXPECT_EQ(enregistreur::envois()[0].composantes, 3);
    EXPECT_EQ(enregistreur::envois()[0].format, unsigned(GL_RGB));
    // Le pixel est la dernière ligne de la texture 8 x 8.
    EXPECT_EQ(Octets(enregistreur::envois()[0].octets.begin() + 7 * 8 * 3,
                     enregistreur::envois()[0].octets.begin() + 7 * 8 * 3 + 3),
              (Octets{3, 2, 1}));
}

TEST(Texture, ChargeTexturesSArreteALaPremiereImageManquante)
{
    DossierTemporaire dossier;
    const char* noms[] = {"Boutons", "ObjetGDIs", "Containers"};
    for (const char* nom : noms)
        dossier.ecrit(nom, enteteTGA(1, 1, 24) + Octets{0x80, 1, 2, 3});
    enregistreur::efface();
    EXPECT_FALSE(chargeTextures());
    EXPECT_EQ(enregistreur::envois().size(), 3u);
    EXPECT_STREQ(textures[3].nom, "Curseurs");
    EXPECT_EQ(textures[3].pixels, nullptr);
    EXPECT_EQ(textures[2].nomTexture, 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(textures[i].pixels, nullptr) << "pixels rendus après l'envoi";

    const char* reste[] = {"Curseurs", "Coches", "Progressions", "Moi"};
    for (const char* nom : reste)
        dossier.ecrit(nom, enteteTGA(1, 1, 24) + Octets{0x80, 1, 2, 3});
    enregistreur::efface();
    EXPECT_TRUE(chargeTextures());
    EXPECT_EQ(enregistreur::envois().size(), 7u);
    EXPECT_STREQ(textures[TEXTURE_MOI].nom, "Moi");
    EXPECT_EQ(textures[TEXTURE_MOI].nomTexture, 7u);
}
