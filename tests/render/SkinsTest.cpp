// Tests des tables d'habillage : lignes lues par indice, ligne par défaut, mots de 32 bits.
#include "render/SkinBouton.h"
#include "render/SkinCoche.h"
#include "render/SkinContainer.h"
#include "render/SkinProgression.h"
#include "text/StyleTexte.h"

#include "TableCas.h"

#include <gtest/gtest.h>

TEST(Skins, LignesDesConteneurs)
{
    struct Cas {
        int indice;
        int texture;
        Couleur texte;
        int marges[4];
        int debords[4];
        bool etire;
    } cas[] = {
        {-1, -1, {255, 255, 255, 255}, {0, 0, 0, 0}, {0, 0, 0, 0}, true},
        {0, 2, {255, 255, 255, 255}, {9, 9, 9, 9}, {0, 0, 0, 0}, true},
        {CONTAINER_SKIN_BEIGE, 2, {97, 76, 36, 255}, {7, 30, 13, 16}, {0, 0, 6, 9}, true},
        {2, 2, {24, 105, 90, 255}, {34, 4, 36, 6}, {31, 0, 32, 2}, false},
        {3, -1, {255, 255, 255, 255}, {0, 0, 0, 0}, {0, 0, 0, 0}, true},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        const SkinContainer& s = skinContainer(c.indice);
        EXPECT_EQ(s.texture, c.texture) << c.indice;
        EXPECT_EQ(s.couleurTexte, c.texte) << c.indice;
        EXPECT_EQ(s.etire, c.etire) << c.indice;
        int marges[4] = {s.margeGauche, s.margeHaut, s.margeDroite, s.margeBas};
        int debords[4] = {s.debordGauche, s.debordHaut, s.debordDroite, s.debordBas};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(marges[i], c.marges[i]) << c.indice;
            EXPECT_EQ(debords[i], c.debords[i]) << c.indice;
        }
    });
    EXPECT_EQ(skinsContainer[1].decoupeX[1], 86);
    EXPECT_EQ(skinsContainer[1].decoupeY[2], 44);
    EXPECT_EQ(skinsContainer[2].decoupeY[0], 64);
}

TEST(Skins, LignesDesBoutons)
{
    struct Cas {
        int x0, x3, y0, y3;
        Coord survol;
        Coord enfoncement;
    } cas[] = {
        {0, 95, 0, 95, {0, 96}, {2, 3}},      {96, 255, 0, 95, {0, 96}, {2, 3}},
        {0, 40, 192, 232, {0, 41}, {1, 2}},   {41, 81, 192, 232, {0, 41}, {1, 2}},
        {82, 122, 192, 232, {0, 41}, {1, 2}}, {123, 163, 192, 232, {0, 41}, {1, 2}},
        {0, 92, 274, 335, {93, 0}, {2, 3}},   {0, 92, 274, 335, {0, 62}, {2, 3}},
        {0, 92, 274, 335, {93, 62}, {2, 3}},
    };
    for (int i = 0; i < NOMBRE_SKINS_BOUTON; ++i) {
        const SkinBouton& s = skinsBouton[i];
        EXPECT_EQ(s.texture, 0);
        EXPECT_EQ(s.decoupeX[0], cas[i].x0) << i;
        EXPECT_EQ(s.decoupeX[3], cas[i].x3) << i;
        EXPECT_EQ(s.decoupeY[0], cas[i].y0) << i;
        EXPECT_EQ(s.decoupeY[3], cas[i].y3) << i;
        EXPECT_EQ(s.decalageSurvol, cas[i].survol) << i;
        EXPECT_EQ(s.decalageAppui, cas[i].survol) << i;
        EXPECT_EQ(s.enfoncement, cas[i].enfoncement) << i;
        const bool barre = i == BOUTON_SKIN_ROND_VARIABLE;
        EXPECT_EQ(s.tailleFixe, !barre) << i;
        EXPECT_EQ(s.etire, barre) << i;
        EXPECT_TRUE(s.largeurVariable) << i;
        if (!barre) {
            EXPECT_EQ(s.decoupeX[1], s.decoupeX[0]) << i;
            EXPECT_EQ(s.couleurTexte, (Couleur{0, 0, 0, 0})) << i;
            EXPECT_EQ(s.margeTexteHautGauche, MakeCoord(-1, -1)) << i;
            EXPECT_EQ(s.margeTexteBasDroite, MakeCoord(-1, -1)) << i;
        }
    }
    const SkinBouton& b = skinsBouton[BOUTON_SKIN_ROND_VARIABLE];
    EXPECT_EQ(b.decoupeX[1], 161);
    EXPECT_EQ(b.decoupeX[2], 172);
    EXPECT_EQ(b.couleurTexte, (Couleur{70, 70, 70, 255}));
    EXPECT_EQ(b.couleurTexteSurvol, (Couleur{0, 255, 255, 255}));
    EXPECT_EQ(b.couleurTexteAppui, (Couleur{0, 255, 255, 255}));
    EXPECT_EQ(b.margeTexteHautGauche, MakeCoord(40, 40));
    EXPECT_EQ(b.margeTexteBasDroite, MakeCoord(40, 39));
}

TEST(Skins, CocheEtProgression)
{
    const SkinCoche& c = skinsCoche[COCHE_SKIN_DEFAUT];
    EXPECT_EQ(c.texture, 4);
    EXPECT_EQ(c.imageHautGauche, MakeCoord(0, 0));
    EXPECT_EQ(c.imageBasDroite, MakeCoord(31, 31));
    EXPECT_EQ(c.decalageCoche, MakeCoord(0, 32));
    EXPECT_EQ(c.decalageSurvol, MakeCoord(0, 0));
    EXPECT_EQ(c.decalageAppui, MakeCoord(0, 0));
    EXPECT_EQ(c.enfoncement, MakeCoord(1, 1));

    const SkinProgression& p = skinsProgression[PROGRESSION_SKIN_DEFAUT];
    EXPECT_EQ(p.texture, 5);
    EXPECT_EQ(p.cadreHautGauche, MakeCoord(0, 0));
    EXPECT_EQ(p.cadreBasDroite, MakeCoord(127, 37));
    EXPECT_EQ(p.remplissageHautGauche, MakeCoord(7, 39));
    EXPECT_EQ(p.remplissageBasDroite, MakeCoord(121, 63));
    EXPECT_EQ(p.finGauche, 24);
    EXPECT_EQ(p.debutDroite, 99);
    EXPECT_EQ(p.decalageRemplissage, 7);
    EXPECT_FALSE(p.etire);
    // Chaque Coord rangé dans un enregistrement occupe un mot de 32 bits.
    EXPECT_EQ(offsetof(SkinCoche, imageBasDroite) - offsetof(SkinCoche, imageHautGauche), 4u);
}

namespace
{
// Copie faite par l'initialisation dynamique de ce fichier, avant main : elle ne
// voit les valeurs que si les tables n'attendent aucun code de lancement.
template <typename T> T copieAuLancement(const T& t)
{
    return t;
}
const SkinBouton boutonAuLancement = copieAuLancement(skinsBouton[BOUTON_SKIN_ROND_VARIABLE]);
const SkinContainer beigeAuLancement = copieAuLancement(skinsContainer[CONTAINER_SKIN_BEIGE]);
const Rect pleinEcranAuLancement = copieAuLancement(PLEIN_ECRAN);
const StyleTexte styleAuLancement = copieAuLancement(pileStyles[0]);
} // namespace

// Les tables sont des constantes de compilation : ces vérifications ne compilent
// que si aucune valeur n'attend le code de lancement.
static_assert(PLEIN_ECRAN == MakeRect(0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN));
static_assert(skinsBouton[BOUTON_SKIN_ROND_VARIABLE].decoupeX[2] == 172);
static_assert(skinsBouton[8].decalageSurvol == MakeCoord(93, 62));
static_assert(skinsContainer[CONTAINER_SKIN_BEIGE].margeHaut == 30);
static_assert(skinContainerDefaut.texture == -1);
static_assert(skinsCoche[COCHE_SKIN_DEFAUT].decalageCoche == MakeCoord(0, 32));
static_assert(skinsProgression[PROGRESSION_SKIN_DEFAUT].debutDroite == 99);
static_assert(STYLE_DE_BASE.taille == TAILLE_NATURELLE && STYLE_DE_BASE.couleur.a == 255);

TEST(Skins, TablesRempliesAvantToutCodeDeLancement)
{
    EXPECT_EQ(boutonAuLancement.decoupeX[1], 161);
    EXPECT_EQ(boutonAuLancement.couleurTexteSurvol, (Couleur{0, 255, 255, 255}));
    EXPECT_EQ(beigeAuLancement.couleurTexte, (Couleur{97, 76, 36, 255}));
    EXPECT_EQ(beigeAuLancement.debordBas, 9);
    EXPECT_EQ(pleinEcranAuLancement, MakeRect(0, 0, 1024, 768));
    EXPECT_EQ(styleAuLancement.taille, 16);
    EXPECT_EQ(styleAuLancement.couleur, (Couleur{0, 0, 0, 255}));
}
