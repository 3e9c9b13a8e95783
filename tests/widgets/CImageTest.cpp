// Tests de l'image : mise à l'échelle, découpage proportionnel, déplacement, image entière
// d'une texture du jeu, aucune réaction à la souris.
#include "widgets/CImage.h"

#include "render/PilesDessin.h"
#include "render/Texture.h"

#include "EnregistreurGL.h"
#include "MorceauxGL.h"
#include "PilesPropres.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
const int ID = 21; // nom OpenGL de la texture Moi dans ces tests

class Image : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        textures[TEXTURE_MOI] = Texture{"Moi", nullptr, 32, 200, 100, 256, 128, ID};
        enregistreur::efface();
    }
    void TearDown() override
    {
        videPilesDessin();
        textures[TEXTURE_MOI] = Texture{};
    }
};

std::vector<MorceauGL> dessine(CImage& image)
{
    enregistreur::efface();
    declenche(image.evenements[EVT_DESSIN], &image);
    return morceauxDessines();
}
} // namespace

TEST_F(Image, EchelleDecoupageEtDeplacement)
{
    struct Cas {
        const char* nom;
        Rect limites, source;
        Rect decoupage; // poussé sous l'origine (100,50), en coordonnées locales
        MorceauGL attendu;
    } cas[] = {
        // Même taille : texel pour texel.
        {"naturelle",
         MakeRect(10, 20, 50, 50),
         MakeRect(8, 4, 48, 34),
         MakeRect(0, 0, 900, 700),
         {ID, 8, 4, 48, 34, 110, 70, 150, 100}},
        // Deux fois la source : chaque texel en 2 x 2.
        {"double",
         MakeRect(10, 20, 90, 80),
         MakeRect(8, 4, 48, 34),
         MakeRect(0, 0, 900, 700),
         {ID, 8, 4, 48, 34, 110, 70, 190, 130}},
        // À moitié hors de la zone client à gauche et en haut : la partie visible montre la
        // partie correspondante de la source, pas une copie serrée.
        {"coupee",
         MakeRect(-40, -20, 40, 40),
         MakeRect(0, 0, 40, 30),
         MakeRect(0, 0, 900, 700),
         {ID, 20, 10, 40, 30, 100, 50, 140, 90}},
        // Coupée à droite et en bas par le découpage.
        {"coupee bas-droite",
         MakeRect(0, 0, 80, 60),
         MakeRect(0, 0, 40, 30),
         MakeRect(0, 0, 20, 30),
         {ID, 0, 0, 10, 15, 100, 50, 120, 80}},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        CImage image(TEXTURE_MOI, c.limites, c.source);
        EXPECT_EQ(image.limites, c.limites) << c.nom;
        empileOrigine(MakeCoord(100, 50));
        empileDecoupage(c.decoupage.hautGauche, c.decoupage.basDroite);
        EXPECT_EQ(dessine(image), std::vector<MorceauGL>{c.attendu}) << c.nom;
        videPilesDessin();
    });

    // setLimites déplace l'image sans toucher à la source ni à la texture.
    CImage image(TEXTURE_MOI, MakeRect(10, 20, 50, 50), MakeRect(8, 4, 48, 34));
    image.setLimites(MakeRect(300, 200, 380, 230));
    EXPECT_EQ(image.texture, TEXTURE_MOI);
    EXPECT_EQ(image.imageHautGauche, MakeCoord(8, 4));
    EXPECT_EQ(image.imageBasDroite, MakeCoord(48, 34));
    EXPECT_EQ(dessine(image), (std::vector<MorceauGL>{{ID, 8, 4, 48, 34, 300, 200, 380, 230}}));
}

TEST_F(Image, ImageEntiereDUneTexture)
{
    // L'image chargée fait 200 x 100 dans une texture de 256 x 128 : la source est l'image.
    CImage image(MakeRect(0, 0, 100, 50), TEXTURE_MOI);
    EXPECT_EQ(image.imageHautGauche, MakeCoord(0, 0));
    EXPECT_EQ(image.imageBasDroite, MakeCoord(200, 100));
    EXPECT_EQ(dessine(image), (std::vector<MorceauGL>{{ID, 0, 0, 200, 100, 0, 0, 100, 50}}));

    // Construite avant le chargement du jeu : elle montre l'image une fois chargée.
    textures[TEXTURE_MOI] = Texture{};
    CImage tot(MakeRect(5, 6, 69, 38), TEXTURE_MOI);
    textures[TEXTURE_MOI] = Texture{"Moi", nullptr, 32, 64, 32, 64, 32, ID};
    EXPECT_EQ(dessine(tot), (std::vector<MorceauGL>{{ID, 0, 0, 64, 32, 5, 6, 69, 38}}));

    // Un indice hors du jeu ne lit pas au-delà de la table : rien n'est dessiné.
    for (int indice : {-1, int(NOMBRE_TEXTURES)}) {
        CImage horsJeu(MakeRect(0, 0, 10, 10), indice);
        CImage horsJeu2(indice, MakeRect(0, 0, 10, 10), MakeRect(0, 0, 4, 4));
        EXPECT_TRUE(dessine(horsJeu).empty()) << indice;
        EXPECT_TRUE(dessine(horsJeu2).empty()) << indice;
        EXPECT_TRUE(enregistreur::appels().empty()) << indice;
    }

    // Une image ne réagit à rien d'autre qu'au dessin.
    for (int e = 0; e < NOMBRE_EVENEMENTS; ++e) {
        EXPECT_EQ(image.evenements[e].nombre, e == EVT_DESSIN ? 1 : 0) << e;
        EXPECT_EQ(tot.evenements[e].nombre, e == EVT_DESSIN ? 1 : 0) << e;
    }
}
