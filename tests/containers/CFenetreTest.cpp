// Fenêtre : limites ajustées au cadre, plein écran, centrage, déplacement borné et glissement.
#include "containers/CFenetre.h"

#include "TableCas.h"
#include "Temoins.h"

#include <gtest/gtest.h>

#include <string>

using namespace temoins;

namespace
{
const SkinContainer& BEIGE = skinsContainer[CONTAINER_SKIN_BEIGE];
// La seule ligne aux débords gauche et haut différents.
const SkinContainer& LIGNE_2 = skinsContainer[2];
// Taille minimale de la fenêtre beige : ses colonnes et lignes de coins.
const int MIN_L = (BEIGE.decoupeX[1] - BEIGE.decoupeX[0]) + (BEIGE.decoupeX[3] - BEIGE.decoupeX[2]);
const int MIN_H = (BEIGE.decoupeY[1] - BEIGE.decoupeY[0]) + (BEIGE.decoupeY[3] - BEIGE.decoupeY[2]);
} // namespace

TEST(Fenetre, LimitesAjusteesAuCadre)
{
    ASSERT_EQ(MIN_L, 50);
    ASSERT_EQ(MIN_H, 46);
    struct Cas {
        int skin;
        Rect demande, range;
        bool pleinEcran;
    } cas[] = {
        // Plein écran : l'ombre de la fenêtre beige déborde à droite et en bas.
        {1, PLEIN_ECRAN, MakeRect(0, 0, 1024 + BEIGE.debordDroite, 768 + BEIGE.debordBas), true},
        {1, PLEIN_ECRAN, MakeRect(0, 0, 1030, 777), true},
        {-1, PLEIN_ECRAN, PLEIN_ECRAN, true},
        {2, PLEIN_ECRAN,
         MakeRect(-LIGNE_2.debordGauche, -LIGNE_2.debordHaut, 1024 + LIGNE_2.debordDroite,
                  768 + LIGNE_2.debordBas),
         true},
        {2, PLEIN_ECRAN, MakeRect(-31, 0, 1056, 770), true},
        {1, MakeRect(0, 0, 1023, 768), MakeRect(0, 0, 1023, 768), false},
        {1, MakeRect(1, 0, 1025, 768), MakeRect(1, 0, 1025, 768), false},
        {1, MakeRect(100, 100, 110, 110), MakeRect(100, 100, 150, 146), false},
        // Juste à la taille minimale, et un pixel en dessous.
        {1, MakeRect(10, 20, 60, 66), MakeRect(10, 20, 60, 66), false},
        {1, MakeRect(10, 20, 59, 65), MakeRect(10, 20, 60, 66), false},
        // Ligne par défaut : seulement un rectangle retourné remis à plat.
        {-1, MakeRect(10, 20, 5, 8), MakeRect(10, 20, 10, 20), false},
        // Un minimum qui dépasserait 32767 s'arrête là au lieu de repasser en négatif.
        {1, MakeRect(32760, 0, 32761, 50), MakeRect(32760, 0, 32767, 50), false},
        // Le minimum qui atteint tout juste 1024 x 768 depuis (0,0) passe en plein écran.
        {1, MakeRect(0, 0, 1000, 700), MakeRect(0, 0, 1000, 700), false},
        // Les débords exigent exactement (0,0)-(1024,768) : un pixel de plus ou un coin en -1
        // couvrent l'écran mais restent rangés tels quels.
        {1, MakeRect(0, 0, 1025, 768), MakeRect(0, 0, 1025, 768), true},
        {1, MakeRect(0, 0, 1024, 769), MakeRect(0, 0, 1024, 769), true},
        {1, MakeRect(-1, 0, 1024, 768), MakeRect(-1, 0, 1024, 768), true},
        {1, MakeRect(0, -1, 1024, 768), MakeRect(0, -1, 1024, 768), true},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        CFenetre f(c.skin);
        f.setLimites(c.demande);
        EXPECT_EQ(f.limites, c.range) << c.skin << " " << c.demande.basDroite.x;
        EXPECT_EQ(f.estPleinEcran(), c.pleinEcran) << c.demande.basDroite.x;
    });
    // estPleinEcran lit seulement les bords.
    CFenetre f(1);
    f.limites = MakeRect(-6, 0, 1030, 777);
    EXPECT_TRUE(f.estPleinEcran());
    f.limites = MakeRect(1, 0, 1030, 777);
    EXPECT_FALSE(f.estPleinEcran());
    f.limites = MakeRect(0, 0, 1024, 767);
    EXPECT_FALSE(f.estPleinEcran());
}

TEST(Fenetre, ConstructionPleinEcranEtGestionnaires)
{
    CFenetre f(1);
    EXPECT_EQ(f.limites, MakeRect(0, 0, 1030, 777));
    EXPECT_EQ(f.zoneDeplacement, PLEIN_ECRAN);
    EXPECT_FALSE(f.enDeplacement);
    // Le conteneur d'abord, puis la fenêtre, sur chaque liste.
    struct Cas {
        int liste;
        int nombre;
    } cas[] = {{EVT_APPUI_GAUCHE, 2},
               {EVT_CLIC_GAUCHE, 2},
               {EVT_SURVOL_APPUYE, 1},
               {EVT_APPUYE_DEHORS, 1},
               {EVT_RELACHE_GAUCHE_DEHORS, 2}};
    ASSERT_NO_FATAL_FAILURE(pourChaqueCas(cas, [&](const Cas& c) {
        ASSERT_EQ(f.evenements[c.liste].nombre, c.nombre) << nomEvenement(c.liste);
        EXPECT_EQ(f.evenements[c.liste].queue->element->objet, &f);
    }));
    EXPECT_EQ(f.evenements[EVT_APPUI_GAUCHE].queue->element->methode,
              static_cast<MethodeGestionnaire>(&CFenetre::debutDeplacement));
}

TEST(Fenetre, CentrageDansLaZoneClientDuParent)
{
    struct Cas {
        int skinParent;
        Rect parent, fenetre, attendu;
    } cas[] = {
        // (200 - 101) / 2 = 49 ; (100 - 51) / 2 = 24.
        {-1, MakeRect(0, 0, 200, 100), MakeRect(0, 0, 101, 51), MakeRect(49, 24, 150, 75)},
        // Plus large que la zone client : -1 / 2 tronqué vers zéro donne 0, -3 / 2 donne -1.
        {-1, MakeRect(0, 0, 200, 100), MakeRect(5, 5, 206, 108), MakeRect(0, -1, 201, 102)},
        // Zone client beige de 300 - 20 par 200 - 46.
        {1, MakeRect(0, 0, 300, 200), MakeRect(0, 0, 100, 50), MakeRect(90, 52, 190, 102)},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        CContainer parent(c.skinParent);
        parent.limites = c.parent;
        auto* f = new CFenetre(-1);
        f->setLimites(c.fenetre);
        parent.ajouteObjetGDIDerriere(f);
        f->centre();
        EXPECT_EQ(f->limites, c.attendu);
    });
    // Une fenêtre plein écran ajoutée à l'écran reste en place, ombre dehors.
    CFenetre racine(-1);
    auto* plein = new CFenetre(CONTAINER_SKIN_BEIGE);
    racine.ajouteObjetGDI(plein);
    EXPECT_EQ(plein->limites, MakeRect(0, 0, 1030, 777));
    // Sans parent, centre et deplace ne font rien.
    CFenetre seule(-1);
    seule.setLimites(MakeRect(10, 10, 20, 20));
    seule.centre();
    EXPECT_EQ(seule.deplace(MakeCoord(5, 5)), MakeCoord(0, 0));
    EXPECT_EQ(seule.limites, MakeRect(10, 10, 20, 20));
}

TEST(Fenetre, DeplacementBorne)
{
    struct Cas {
        Rect depart;
        Coord d, rendu;
        Rect arrivee;
    } cas[] = {
        {MakeRect(20, 50, 120, 150), MakeCoord(-50, 0), MakeCoord(-20, 0),
         MakeRect(0, 50, 100, 150)},
        // Bord droit à 30 pixels du bord de la zone client (1024).
        {MakeRect(894, 50, 994, 150), MakeCoord(500, 0), MakeCoord(30, 0),
         MakeRect(924, 50, 1024, 150)},
        {MakeRect(20, 50, 120, 150), MakeCoord(7, -9), MakeCoord(7, -9),
         MakeRect(27, 41, 127, 141)},
        {MakeRect(20, 50, 120, 150), MakeCoord(0, 1000), MakeCoord(0, 618),
         MakeRect(20, 668, 120, 768)},
        {MakeRect(20, 50, 120, 150), MakeCoord(0, -1000), MakeCoord(0, -50),
         MakeRect(20, 0, 120, 100)},
        // Plus large que la zone : le bord gauche, borné en dernier, finit à 0.
        {MakeRect(10, 0, 1100, 100), MakeCoord(0, 0), MakeCoord(-10, 0), MakeRect(0, 0, 1090, 100)},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        CContainer parent(-1);
        parent.limites = PLEIN_ECRAN;
        auto* f = new CFenetre(-1);
        parent.ajouteObjetGDIDerriere(f);
        f->setLimites(c.depart);
        EXPECT_EQ(f->deplace(c.d), c.rendu) << c.d.x << "," << c.d.y;
        EXPECT_EQ(f->limites, c.arrivee) << c.d.x << "," << c.d.y;
    });
}

namespace
{
// Écran : racine plein écran sans cadre ; F beige (100,100)-(400,300), zone client en
// (107,130), avec K (117,140)-(167,170) ; H (600,500)-(700,600) devant.
class Glissement : public ::testing::Test
{
  protected:
    CFenetre* racine = nullptr;
    CFenetre *F, *H;
    CTemoin* K;

    void SetUp() override
    {
        racine = new CFenetre(-1);
        F = new CFenetre(CONTAINER_SKIN_BEIGE);
        racine->ajouteObjetGDI(F);
        F->setLimites(MakeRect(100, 100, 400, 300));
        K = new CTemoin("K", MakeRect(10, 10, 60, 40));
        F->ajouteObjetGDI(K);
        H = new CFenetre(-1);
        racine->ajouteObjetGDI(H);
        H->setLimites(MakeRect(600, 500, 700, 600));
    }
    void TearDown() override
    {
        delete racine;
        journal().clear();
    }
};

// Un appui sur le cadre de F, derrière H, la monte sans la déplacer.
const std::string MONTE_F = "@150,110 G+ G- ";
} // namespace

TEST_F(Glissement, ParLeCadreAvecSesBornes)
{
    const Rect DEPART = MakeRect(100, 100, 400, 300);
    const Rect AUCUNE = MakeRect(-1, -1, -1, -1);
    struct Cas {
        const char* nom;
        Rect zone;
        std::string script;
        Rect attendu;
        bool enDeplacement;
    } cas[] = {
        {"l'appui qui monte ne glisse pas", PLEIN_ECRAN, "@150,110 G+ @170,130", DEPART, false},
        {"glissement", PLEIN_ECRAN, MONTE_F + "G+ @170,133", MakeRect(120, 123, 420, 323), true},
        {"fin au clic", PLEIN_ECRAN, MONTE_F + "G+ @170,133 G- @300,300",
         MakeRect(120, 123, 420, 323), false},
        // Ancre (50,10) : vers (20,5) la fenêtre bute en (0,0) et y reste.
        {"borne gauche et haute", PLEIN_ECRAN, MONTE_F + "G+ @20,5 U U", MakeRect(0, 0, 300, 200),
         true},
        {"borne droite et basse", PLEIN_ECRAN, MONTE_F + "G+ @1000,700 U",
         MakeRect(724, 568, 1024, 768), true},
        // Arrêtée à droite, elle suit encore en y, puis s'arrête au clic.
        {"bute a droite puis suit en y", PLEIN_ECRAN, MONTE_F + "G+ @1000,110 @1010,120 G-",
         MakeRect(724, 110, 1024, 310), false},
        {"appui sur un enfant", PLEIN_ECRAN, MONTE_F + "@120,150 G+ @200,200 G-", DEPART, false},
        {"bouton droit", PLEIN_ECRAN, MONTE_F + "@150,110 D+ @170,130 D-", DEPART, false},
        {"zone de deplacement vide", AUCUNE, MONTE_F + "G+ @170,130", DEPART, false},
        // Zone réduite à la barre de titre : dernier pixel dedans, premier pixel dehors.
        {"barre de titre, dernier pixel", MakeRect(0, 0, 300, 30), MONTE_F + "@150,129 G+ @160,139",
         MakeRect(110, 110, 410, 310), true},
        {"barre de titre, premier pixel dehors", MakeRect(0, 0, 300, 30),
         MONTE_F + "@150,130 G+ @160,140", DEPART, false},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        TearDown();
        SetUp();
        F->zoneDeplacement = c.zone;
        joue(racine, c.script);
        EXPECT_EQ(F->limites, c.attendu);
        EXPECT_EQ(F->enDeplacement, c.enDeplacement);
        // Glisser garde la taille.
        EXPECT_EQ(F->limites.largeur(), 300);
        EXPECT_EQ(F->limites.hauteur(), 200);
    });
}

TEST_F(Glissement, PleinEcranJamais)
{
    auto* P = new CFenetre(CONTAINER_SKIN_BEIGE);
    racine->ajouteObjetGDI(P);
    EXPECT_EQ(P->limites, MakeRect(0, 0, 1030, 777));
    // Décalée de 6 à gauche, elle est encore plein écran ; glissée, la borne gauche la
    // ramènerait en 0.
    P->limites = MakeRect(-6, 0, 1030, 777);
    joue(racine, "@500,10 G+");
    EXPECT_FALSE(P->enDeplacement);
    joue(racine, "@600,100 G+ @700,200 G-");
    EXPECT_FALSE(P->enDeplacement);
    EXPECT_EQ(P->limites, MakeRect(-6, 0, 1030, 777));
    EXPECT_FALSE(racine->enDeplacement);
    EXPECT_EQ(racine->limites, PLEIN_ECRAN);
}

TEST_F(Glissement, RelacheHorsDeLaFenetreFinitLeGlissement)
{
    // G, fenêtre dans F, glissée contre le bord gauche de F puis relâchée hors d'elle : un
    // appui ultérieur sur son enfant ne doit pas la faire suivre la souris.
    racine->setCapture(F); // F devant
    racine->setCapture(nullptr);
    auto* G = new CFenetre(-1);
    F->ajouteObjetGDI(G);
    G->setLimites(MakeRect(10, 10, 110, 110));            // écran (117,140)-(217,240)
    auto* L = new CTemoin("L", MakeRect(50, 50, 90, 90)); // écran (167,190)-(207,230)
    G->ajouteObjetGDI(L);
    joue(racine, "@122,145 G+ @20,145");
    EXPECT_TRUE(G->enDeplacement);
    EXPECT_EQ(G->limites, MakeRect(0, 10, 100, 110));
    joue(racine, "G-");
    EXPECT_FALSE(G->enDeplacement);
    // L est maintenant en (157,190)-(197,230).
    joue(racine, "@160,195 G+ @180,215 U");
    EXPECT_EQ(G->limites, MakeRect(0, 10, 100, 110));
    joue(racine, "G-");
    EXPECT_EQ(G->limites, MakeRect(0, 10, 100, 110));
}

TEST(Fenetre, AppuiGaucheSousUnAppuiDroitTenuNeGlissePas)
{
    // Une fenêtre racine plus petite que l'écran reçoit les boutons directement : tant que son
    // enfant tient un appui droit, un appui gauche sur son fond ne lance pas de glissement.
    for (uint16_t bouton : {uint16_t(1), uint16_t(0)}) {
        CFenetre racine(-1);
        racine.setLimites(MakeRect(0, 0, 500, 400));
        CTemoin* K = new CTemoin("K", MakeRect(0, 0, 50, 50));
        racine.ajouteObjetGDI(K);
        racine.souris = MakeCoord(300, 300);
        declenche(racine.evenements[EVT_MISE_A_JOUR], &racine);
        racine.boutonCapture = bouton;
        racine.capture = bouton ? K : nullptr;
        declenche(racine.evenements[EVT_APPUI_GAUCHE], &racine);
        EXPECT_EQ(racine.enDeplacement, bouton == 0) << bouton;
        EXPECT_EQ(racine.capture, bouton ? K : nullptr) << bouton;
        journal().clear();
    }
}
