// Tests de la barre de progression : valeur tirée de la souris, glissement, liste
// changementValeur, rectangle ajusté et morceaux dessinés, répétés ou étirés.
#include "widgets/CProgression.h"

#include "containers/CContainer.h"
#include "containers/CFenetre.h"
#include "render/PilesDessin.h"
#include "render/Texture.h"

#include "EnregistreurGL.h"
#include "MorceauxGL.h"
#include "PilesPropres.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
const SkinProgression& K = skinsProgression[PROGRESSION_SKIN_DEFAUT];
const int ID = 15; // nom OpenGL donné à la texture des barres dans ces tests

// Note chaque appel de changementValeur : l'émetteur et la valeur à cet instant.
class CTemoin : public CObjetGDI
{
  public:
    std::vector<std::pair<CObjetGDI*, int>> appels;
    void note(CObjetGDI* emetteur)
    {
        appels.push_back({emetteur, static_cast<CProgression*>(emetteur)->valeur});
    }
};

std::unique_ptr<CProgression> barre(int longueur, bool modifiable, int mini, int val, int maxi)
{
    return std::make_unique<CProgression>(MakeCoord(30, 40), longueur, modifiable, mini, val, maxi,
                                          PROGRESSION_SKIN_DEFAUT);
}

// Tire un événement sur la barre, la souris à l'abscisse x.
void tire(CProgression& b, int evenement, int x)
{
    b.souris = MakeCoord(x, 5);
    declenche(b.evenements[evenement], &b);
}

class Progression : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        textures[TEXTURE_PROGRESSIONS] = Texture{"Progressions", nullptr, 32, 128, 64, 128, 64, ID};
        enregistreur::efface();
    }
    void TearDown() override
    {
        videPilesDessin();
        textures[TEXTURE_PROGRESSIONS] = Texture{};
    }
};
} // namespace

TEST_F(Progression, RectangleAjusteALHabillage)
{
    const int hauteur = K.cadreBasDroite.y - K.cadreHautGauche.y;
    const int minimale = (K.finGauche - K.cadreHautGauche.x) + (K.cadreBasDroite.x - K.debutDroite);
    ASSERT_EQ(hauteur, 37);
    ASSERT_EQ(minimale, 52);
    auto b = barre(10, true, 0, 50, 100);
    EXPECT_EQ(b->limites, MakeRect(30, 40, 30 + minimale, 40 + hauteur));
    b->setLimites(MakeRect(10, 20, 30, 500)); // le bord bas est ignoré
    EXPECT_EQ(b->limites, MakeRect(10, 20, 62, 57));
    b->setLimites(MakeRect(10, 20, 10 + minimale + 1, 0));
    EXPECT_EQ(b->limites, MakeRect(10, 20, 10 + minimale + 1, 20 + hauteur));
    auto large = barre(200, true, 0, 50, 100);
    EXPECT_EQ(large->limites, MakeRect(30, 40, 230, 77));
    // Un indice hors de la table prend la ligne vide, comme les autres genres : sans hauteur,
    // elle n'est jamais sous la souris, et rien n'est dessiné.
    CProgression horsTable(MakeCoord(0, 0), 100, true, 0, 5, 10, NOMBRE_SKINS_PROGRESSION);
    EXPECT_EQ(horsTable.skin.texture, -1);
    EXPECT_EQ(horsTable.limites, MakeRect(0, 0, 100, 0));
    declenche(horsTable.evenements[EVT_DESSIN], &horsTable);
    EXPECT_TRUE(enregistreur::appels().empty()) << enregistreur::journal();
}

TEST_F(Progression, ValeurTireeDeLAbscisse)
{
    // W = 200 : S = 200 - 127 + 114 = 187, le remplissage commence en x 7.
    ASSERT_EQ(barre(200, true, 0, 0, 100)->etendueRemplissage(), 187);
    struct Cas {
        int mini, maxi, x, attendu;
    } cas[] = {
        {0, 100, -300, 0},
        {0, 100, 7, 0},
        {0, 100, 8, 0},
        {0, 100, 9, 1},
        {0, 100, 50, 22},
        {0, 100, 100, 49},
        {0, 100, 193, 99},
        {0, 100, 194, 100},
        {0, 100, 900, 100},
        // Intervalle décalé et négatif : la troncature va vers zéro, puis le bornage.
        {-50, 50, 50, -28},
        {-50, 50, 100, -1},
        {-50, 50, 101, 0},
        // Minimum plus grand que le maximum : toujours le maximum.
        {10, 3, 0, 3},
        {10, 3, 150, 3},
        {10, 3, 900, 3},
        // Bornes égales : pas de division par zéro, la valeur reste au minimum.
        {4, 4, 0, 4},
        {4, 4, 100, 4},
        {4, 4, 900, 4},
        // Très grand intervalle : aucun débordement avant le bornage.
        {-2147483647 - 1, 2147483647, 194, 2147483647},
        {-2147483647 - 1, 2147483647, 7, -2147483647 - 1},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        auto b = barre(200, true, c.mini, c.mini, c.maxi);
        tire(*b, EVT_APPUI_GAUCHE, c.x);
        EXPECT_EQ(b->valeur, c.attendu) << c.mini << ".." << c.maxi << " x " << c.x;
    });
}

TEST_F(Progression, GlissementEtChangementValeur)
{
    // Une ligne par pas du glissement : l'événement, l'abscisse, la valeur attendue et le
    // nombre d'appels de changementValeur à ce point.
    struct Pas {
        int evenement, x, valeur, appels;
    } script[] = {
        {EVT_SURVOL, 150, 30, 0},         // survol sans appui : rien
        {EVT_APPUI_GAUCHE, 100, 49, 1},   // appui
        {EVT_SURVOL_APPUYE, 100, 49, 2},  // même valeur : prévenus quand même
        {EVT_SURVOL_APPUYE, 50, 22, 3},   // vers la gauche
        {EVT_APPUYE_DEHORS, -40, 0, 4},   // sorti à gauche : épinglé au minimum
        {EVT_APPUYE_DEHORS, 500, 100, 5}, // sorti à droite : épinglé au maximum
        {EVT_CLIC_GAUCHE, 10, 100, 5},    // relâché : aucun gestionnaire
        {EVT_APPUI_DROIT, 10, 100, 5},    {EVT_RELACHE_GAUCHE_DEHORS, 10, 100, 5},
    };
    auto b = barre(200, true, 0, 30, 100);
    CTemoin temoin;
    ajouteGestionnaire(b->changementValeur, &temoin, &CTemoin::note);
    for (const Pas& p : script) {
        tire(*b, p.evenement, p.x);
        EXPECT_EQ(b->valeur, p.valeur) << "evenement " << p.evenement << " x " << p.x;
        ASSERT_EQ(int(temoin.appels.size()), p.appels) << "evenement " << p.evenement;
        if (p.appels) {
            EXPECT_EQ(temoin.appels.back().first, b.get());
            EXPECT_EQ(temoin.appels.back().second, p.valeur);
        }
    }

    // Non modifiable, ou listes d'entrée vidées par l'éditeur : rien ne bouge, rien ne part.
    for (int cas = 0; cas < 2; ++cas) {
        auto figee = barre(200, cas == 1, 0, 30, 100);
        CTemoin t;
        ajouteGestionnaire(figee->changementValeur, &t, &CTemoin::note);
        if (cas == 1)
            figee->desactiveEvenements();
        for (int e : {EVT_APPUI_GAUCHE, EVT_SURVOL_APPUYE, EVT_APPUYE_DEHORS})
            tire(*figee, e, 150);
        EXPECT_EQ(figee->valeur, 30) << cas;
        EXPECT_TRUE(t.appels.empty()) << cas;
        EXPECT_EQ(figee->evenements[EVT_DESSIN].nombre, 1) << cas;
    }

    // Appui tenu par le bouton droit dans le conteneur : le glissement ne règle rien.
    CContainer fenetre(-1);
    CProgression* dansFenetre =
        new CProgression(MakeCoord(0, 0), 200, true, 0, 30, 100, PROGRESSION_SKIN_DEFAUT);
    fenetre.ajouteObjetGDI(dansFenetre);
    for (int bouton : {1, 0}) {
        fenetre.boutonCapture = uint16_t(bouton);
        tire(*dansFenetre, EVT_SURVOL_APPUYE, 100);
        EXPECT_EQ(dansFenetre->valeur, bouton ? 30 : 49) << bouton;
        dansFenetre->valeur = 30;
        tire(*dansFenetre, EVT_APPUYE_DEHORS, 500);
        EXPECT_EQ(dansFenetre->valeur, bouton ? 30 : 100) << bouton;
    }

    // Gestionnaires propres, dans l'ordre d'inscription ; aucun sur les autres listes.
    for (int e = 0; e < NOMBRE_EVENEMENTS; ++e) {
        bool attendu = e == EVT_APPUI_GAUCHE || e == EVT_SURVOL_APPUYE || e == EVT_APPUYE_DEHORS ||
                       e == EVT_DESSIN;
        EXPECT_EQ(b->evenements[e].nombre, attendu ? 1 : 0) << e;
    }
}

namespace
{
// Raccourci : un morceau de la texture des barres, écran en coordonnées absolues.
MorceauGL m(int sx1, int sy1, int sx2, int sy2, int x1, int y1, int x2, int y2)
{
    return MorceauGL{ID, sx1, sy1, sx2, sy2, x1, y1, x2, y2};
}

std::vector<MorceauGL> dessine(CProgression& b)
{
    enregistreur::efface();
    declenche(b.evenements[EVT_DESSIN], &b);
    EXPECT_EQ(profondeurOrigines(), 0);
    EXPECT_EQ(profondeurDecoupages(), 0);
    return morceauxDessines();
}
} // namespace

TEST_F(Progression, TuilesRepeteesEtCoupees)
{
    const int L = K.finGauche, R = K.debutDroite;
    const Coord K1 = K.cadreHautGauche, K2 = K.cadreBasDroite;
    const Coord Q1 = K.remplissageHautGauche, Q2 = K.remplissageBasDroite;
    const int P = K.decalageRemplissage;
    ASSERT_FALSE(K.etire);
    ASSERT_EQ(R - L - 1, 74); // largeur d'une tuile
    // La barre est en (30,40) : x + 30 et y + 40 à l'écran. Cadre haut de 38 lignes.
    const int y = 40, yb = 40 + K2.y + 1, yr = 40 + P, yrb = 40 + P + Q2.y - Q1.y + 1;

    // W = 200, valeur 50 de 0 à 100 : F = 187 * 50 / 100 = 93, xE = 100, xD = 172.
    auto b = barre(200, true, 0, 50, 100);
    EXPECT_EQ(dessine(*b), (std::vector<MorceauGL>{
                               m(K1.x, K1.y, L, K2.y + 1, 30, y, 54, yb),           // bout gauche
                               m(R + 1, K1.y, K2.x + 1, K2.y + 1, 202, y, 230, yb), // bout droit
                               m(Q1.x, Q1.y, L, Q2.y + 1, 37, yr, 54, yrb),         // rempl. gauche
                               m(L + 1, K1.y, R, K2.y + 1, 30 + 24, y, 30 + 98, yb),  // tuile 24
                               m(L + 1, K1.y, R, K2.y + 1, 30 + 98, y, 30 + 172, yb), // tuile 98
                               // la tuile en 172 tombe entière hors du cadre coupé en x < 172
                               m(L + 1, Q1.y, R, Q2.y + 1, 30 + 24, yr, 30 + 98, yrb),
                               // tuile du remplissage coupée en x < 100 : 2 texels sur 74
                               m(L + 1, Q1.y, L + 3, Q2.y + 1, 30 + 98, yr, 30 + 100, yrb),
                           }));

    // W = 247 au maximum : xD = 219, la troisième tuile (172) est coupée par le découpage,
    // et le bout droit du remplissage paraît en entier.
    auto pleine = barre(247, true, 0, 100, 100);
    const int xD = 247 - (K2.x - R);
    ASSERT_EQ(xD, 219);
    EXPECT_EQ(dessine(*pleine),
              (std::vector<MorceauGL>{
                  m(K1.x, K1.y, L, K2.y + 1, 30, y, 54, yb),
                  m(R + 1, K1.y, K2.x + 1, K2.y + 1, 30 + xD, y, 30 + 247, yb),
                  m(Q1.x, Q1.y, L, Q2.y + 1, 37, yr, 54, yrb),
                  m(R + 1, Q1.y, Q2.x + 1, Q2.y + 1, 30 + xD, yr, 30 + xD + 22, yrb),
                  m(L + 1, K1.y, R, K2.y + 1, 30 + 24, y, 30 + 98, yb),
                  m(L + 1, K1.y, R, K2.y + 1, 30 + 98, y, 30 + 172, yb),
                  m(L + 1, K1.y, L + 1 + 47, K2.y + 1, 30 + 172, y, 30 + xD, yb),
                  m(L + 1, Q1.y, R, Q2.y + 1, 30 + 24, yr, 30 + 98, yrb),
                  m(L + 1, Q1.y, R, Q2.y + 1, 30 + 98, yr, 30 + 172, yrb),
                  m(L + 1, Q1.y, L + 1 + 47, Q2.y + 1, 30 + 172, yr, 30 + xD, yrb),
              }));

    // Au minimum, et avec des bornes égales (aucune division par zéro) : le cadre seul.
    std::vector<MorceauGL> cadreSeul = {
        m(K1.x, K1.y, L, K2.y + 1, 30, y, 54, yb),
        m(R + 1, K1.y, K2.x + 1, K2.y + 1, 202, y, 230, yb),
        m(L + 1, K1.y, R, K2.y + 1, 54, y, 128, yb),
        m(L + 1, K1.y, R, K2.y + 1, 128, y, 202, yb),
    };
    EXPECT_EQ(dessine(*barre(200, true, 0, 0, 100)), cadreSeul);
    EXPECT_EQ(dessine(*barre(200, true, 7, 7, 7)), cadreSeul);
    EXPECT_EQ(dessine(*barre(200, true, 7, 9, 7)), cadreSeul);
    // Une valeur posée au-dessus du maximum remplit la barre sans en déborder.
    EXPECT_EQ(dessine(*barre(247, true, 0, 900, 100)), dessine(*pleine));
}

TEST_F(Progression, MilieuxEtires)
{
    const int L = K.finGauche, R = K.debutDroite;
    const Coord K1 = K.cadreHautGauche, K2 = K.cadreBasDroite;
    const Coord Q1 = K.remplissageHautGauche, Q2 = K.remplissageBasDroite;
    const int y = 40, yb = 40 + K2.y + 1, yr = 47, yrb = 47 + Q2.y - Q1.y + 1;
    const std::vector<MorceauGL> bouts = {
        m(K1.x, K1.y, L, K2.y + 1, 30, y, 54, yb),
        m(R + 1, K1.y, K2.x + 1, K2.y + 1, 202, y, 230, yb),
        m(Q1.x, Q1.y, L, Q2.y + 1, 37, yr, 54, yrb),
    };

    // Étiré : le milieu du cadre sur gL..xD, celui du remplissage serré sur gL..xE.
    auto b = barre(200, true, 0, 50, 100);
    b->skin.etire = true;
    std::vector<MorceauGL> attendu = bouts;
    attendu.push_back(m(L + 2, K1.y, R - 1, K2.y + 1, 54, y, 202, yb));
    attendu.push_back(m(L + 2, Q1.y, R - 1, Q2.y + 1, 54, yr, 130, yrb));
    EXPECT_EQ(dessine(*b), attendu);

    // Une tuile de largeur nulle ne boucle pas sans fin : le milieu est étiré.
    auto tuileNulle = barre(200, true, 0, 50, 100);
    tuileNulle->skin.debutDroite = L + 1;
    const int Rn = L + 1, xD = 200 - (K2.x - Rn);
    const std::vector<MorceauGL> morceaux = dessine(*tuileNulle);
    ASSERT_EQ(morceaux.size(), 6u) << ::testing::PrintToString(morceaux);
    // xE = 100 dépasse xD = 98 : le bout droit du remplissage paraît sur 2 colonnes.
    EXPECT_EQ(morceaux[3], m(Rn + 1, Q1.y, Rn + 3, Q2.y + 1, 30 + xD, yr, 30 + xD + 2, yrb));
    EXPECT_EQ(morceaux[4], m(L + 2, K1.y, Rn - 1, K2.y + 1, 54, y, 30 + xD, yb));
    EXPECT_EQ(morceaux[5], m(L + 2, Q1.y, Rn - 1, Q2.y + 1, 54, yr, 30 + xD, yrb));
}

TEST_F(Progression, GlissementRouteParLArbre)
{
    // Racine plein écran, une fenêtre centrée, la barre dedans : les gestes passent par la
    // mise à jour puis le bouton, comme les rappels d'entrée.
    CContainer racine(-1);
    racine.limites = PLEIN_ECRAN;
    CFenetre* fenetre = new CFenetre(-1);
    fenetre->setLimites(MakeRect(0, 0, 300, 200));
    CProgression* b =
        new CProgression(MakeCoord(40, 60), 200, true, 0, 30, 100, PROGRESSION_SKIN_DEFAUT);
    fenetre->ajouteObjetGDI(b);
    racine.ajouteObjetGDI(fenetre);
    CTemoin temoin;
    ajouteGestionnaire(b->changementValeur, &temoin, &CTemoin::note);
    // Abscisse x de la barre et ordonnée y de la barre, à l'écran.
    const Coord coin = fenetre->limites.hautGauche + b->limites.hautGauche;
    auto bouge = [&](int x, int y) {
        racine.souris = MakeCoord(coin.x + x, coin.y + y);
        declenche(racine.evenements[EVT_MISE_A_JOUR], &racine);
    };
    auto bouton = [&](int evenement) {
        declenche(racine.evenements[EVT_MISE_A_JOUR], &racine);
        declenche(racine.evenements[evenement], &racine);
    };

    enum { BOUGE, BOUTON };
    struct Pas {
        int geste, x, y, evenement, valeur, appels;
    } script[] = {
        {BOUGE, 50, 10, 0, 30, 0},               // survol : rien
        {BOUTON, 0, 0, EVT_APPUI_GAUCHE, 22, 1}, // appui gauche en x 50
        {BOUGE, 100, 10, 0, 49, 2},              // glissé sur la barre
        {BOUGE, 100, 150, 0, 49, 3},             // sous la barre, même valeur
        {BOUGE, -500, -100, 0, 0, 4},            // hors de la fenêtre : minimum
        {BOUGE, 900, 10, 0, 100, 5},             // au-delà à droite : maximum
        {BOUTON, 0, 0, EVT_CLIC_GAUCHE, 100, 6}, // sa mise à jour prévient encore
        {BOUGE, 60, 10, 0, 100, 6},              // plus d'appui : plus rien
        {BOUTON, 0, 0, EVT_APPUI_DROIT, 100, 6}, // appui droit sur la barre
        {BOUGE, 20, 10, 0, 100, 6},              // glissement droit : la valeur reste
        {BOUTON, 0, 0, EVT_CLIC_DROIT, 100, 6},
        {BOUTON, 0, 0, EVT_APPUI_GAUCHE, 6, 7}, // de nouveau à gauche, en x 20
    };
    int ligne = 0;
    for (const Pas& p : script) {
        if (p.geste == BOUGE)
            bouge(p.x, p.y);
        else
            bouton(p.evenement);
        EXPECT_EQ(b->valeur, p.valeur) << "ligne " << ligne;
        EXPECT_EQ(int(temoin.appels.size()), p.appels) << "ligne " << ligne;
        ++ligne;
    }
    EXPECT_EQ(fenetre->limites.hautGauche, coin - b->limites.hautGauche); // jamais déplacée
}
