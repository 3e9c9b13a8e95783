// Routage de la souris à travers un petit arbre : racine, deux fenêtres, des témoins.
#include "containers/CContainer.h"
#include "containers/CFenetre.h"

#include "TableCas.h"
#include "Temoins.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace temoins;

namespace
{
typedef std::vector<std::string> Journal;

// Écran : W (50,50)-(90,90) derrière tout ; F1 (100,100)-(400,300), ligne beige, zone client
// en (107,130), avec A (117,140)-(167,170), I (217,140)-(267,170) qui ignore la souris, et B
// (177,140)-(227,170) sous I ; F2 (500,100)-(700,300), sans cadre, devant, avec
// C (500,100)-(550,150) et D (600,200)-(650,250).
class Arbre : public ::testing::Test
{
  protected:
    CEspion espion;
    CConteneurTemoin* racine = nullptr;
    CTemoin *W, *A, *B, *I, *C, *D;
    CFenetreTemoin *F1, *F2;

    void SetUp() override
    {
        journal().clear();
        racine = new CConteneurTemoin("R", -1, PLEIN_ECRAN);
        W = new CTemoin("W", MakeRect(50, 50, 90, 90));
        racine->ajouteObjetGDI(W);
        F1 = new CFenetreTemoin("F1", CONTAINER_SKIN_BEIGE);
        racine->ajouteObjetGDI(F1);
        F1->setLimites(MakeRect(100, 100, 400, 300));
        F1->zoneDeplacement = MakeRect(0, 0, 300, 30); // la barre de titre seulement
        B = new CTemoin("B", MakeRect(70, 10, 120, 40));
        I = new CTemoin("I", MakeRect(100, 10, 150, 40));
        I->ignoreSouris = true;
        A = new CTemoin("A", MakeRect(10, 10, 60, 40));
        F1->ajouteObjetGDI(B);
        F1->ajouteObjetGDI(I);
        F1->ajouteObjetGDI(A);
        F2 = new CFenetreTemoin("F2", -1);
        racine->ajouteObjetGDI(F2);
        F2->setLimites(MakeRect(500, 100, 700, 300));
        C = new CTemoin("C", MakeRect(0, 0, 50, 50));
        D = new CTemoin("D", MakeRect(100, 100, 150, 150));
        F2->ajouteObjetGDI(C);
        F2->ajouteObjetGDI(D);
        for (auto [o, n] : {std::pair<CObjetGDI*, const char*>{W, "W"},
                            {A, "A"},
                            {B, "B"},
                            {I, "I"},
                            {C, "C"},
                            {D, "D"},
                            {F1, "F1"},
                            {F2, "F2"}})
            espion.observe(o, n, BOUTONS);
    }
    void TearDown() override
    {
        delete racine;
        journal().clear();
    }
    std::string nomDevant(CContainer* c)
    {
        return c->enfants.tete ? espion.noms[c->enfants.tete->element] : "";
    }
};

// Appui sur le fond de F1 hors de sa barre de titre : monte F1 sans rien lui passer.
const char* const MONTE_F1 = "@150,200 G+ G- | ";
} // namespace

TEST_F(Arbre, RoutageDesBoutons)
{
    struct Cas {
        const char* nom;
        bool modal; // un conteneur modal M (600,400)-(700,500) avec E à son coin, devant tout
        std::string script;
        Journal attendu;
        const char* devant; // premier enfant de la racine à la fin
    } cas[] = {
        // La fenêtre montée tient l'appui sans le recevoir ; relâchée dessus, elle est cliquée.
        {"appui qui monte une fenetre", false, "@120,150 G+ G-", {"A.dessusG", "F1.clicG"}, "F1"},
        {"appui sur A relache sur B",
         false,
         std::string(MONTE_F1) + "@120,150 G+ @180,150 G-",
         {"A.appuiG", "F1.appuiG", "B.dessusG", "A.dehorsG", "F1.clicG"},
         "F1"},
        {"appui sur le vide relache sur A",
         false,
         std::string(MONTE_F1) + "@300,250 G+ @120,150 G-",
         {"F1.appuiG", "A.dessusG", "F1.clicG"},
         "F1"},
        {"gauche puis droit sur A",
         false,
         std::string(MONTE_F1) + "@120,150 G+ D+ D- G-",
         {"A.appuiG", "F1.appuiG", "A.clicG", "F1.clicG"},
         "F1"},
        {"I ignore la souris, B derriere la recoit",
         false,
         std::string(MONTE_F1) + "@217,150 G+ G-",
         {"B.appuiG", "F1.appuiG", "B.clicG", "F1.clicG"},
         "F1"},
        {"I seul sous la souris",
         false,
         std::string(MONTE_F1) + "@237,150 G+ G-",
         {"F1.appuiG", "F1.clicG"},
         "F1"},
        // Derrière une fenêtre, un objet simple n'est jamais la cible, même découvert.
        {"objet simple derriere les fenetres", false, "@60,60 G+ G-", {}, "F2"},
        {"clic droit sur C",
         false,
         "@510,110 D+ D-",
         {"C.appuiD", "F2.appuiD", "C.clicD", "F2.clicD"},
         "F2"},
        {"droit tenu, le gauche est ignore",
         false,
         "@510,110 D+ G+ G- D-",
         {"C.appuiD", "F2.appuiD", "C.clicD", "F2.clicD"},
         "F2"},
        // Un appui dans le vide ne capture rien : l'appui suivant est traité.
        {"appui dans le vide puis droit sur C",
         false,
         "@900,700 G+ @510,110 D+ D- G-",
         {"C.appuiD", "F2.appuiD", "C.clicD", "F2.clicD"},
         "F2"},
        {"relache hors de tout",
         false,
         "@510,110 G+ @900,700 G-",
         {"C.appuiG", "F2.appuiG", "C.dehorsG", "F2.dehorsG"},
         "F2"},
        {"relache sur l'autre fenetre",
         false,
         "@510,110 G+ @120,150 G-",
         {"C.appuiG", "F2.appuiG", "F1.dessusG", "C.dehorsG", "F2.dehorsG"},
         "F2"},
        {"modal : appui dehors", false, "", {}, "F2"},
        {"modal : appui dehors", true, "@120,150 G+ G- @510,110 D+ D-", {}, "M"},
        {"modal : appui dedans",
         true,
         "@610,410 G+ G-",
         {"E.appuiG", "M.appuiG", "E.clicG", "M.clicG"},
         "M"},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        TearDown();
        SetUp();
        if (c.modal) {
            auto* M = new CConteneurTemoin("M", -1, MakeRect(600, 400, 700, 500));
            M->modal = true;
            auto* E = new CTemoin("E", MakeRect(0, 0, 50, 50));
            M->ajouteObjetGDI(E);
            racine->ajouteObjetGDI(M);
            espion.observe(M, "M", BOUTONS);
            espion.observe(E, "E", BOUTONS);
        }
        joue(racine, c.script);
        EXPECT_EQ(journal(), c.attendu);
        EXPECT_EQ(nomDevant(racine), c.devant);
        EXPECT_EQ(racine->capture, nullptr);
        EXPECT_EQ(F1->capture, nullptr);
        EXPECT_EQ(F2->capture, nullptr);
    });
}

TEST_F(Arbre, SurvolsEtAppuiTenuDehors)
{
    for (auto [o, n] : {std::pair<CObjetGDI*, const char*>{A, "A"}, {B, "B"}, {F1, "F1"}})
        espion.observe(o, n, SURVOLS);
    struct Cas {
        std::string script;
        Journal attendu;
    } cas[] = {
        {MONTE_F1 + std::string("@120,150"), {"A.survol", "F1.survol"}},
        {"G+", {"A.survol", "F1.survol", "A.appuiG", "F1.appuiG"}},
        {"U", {"A.survolAppuye", "F1.survolAppuye"}},
        // Sur B : A tient toujours l'appui ; B n'est que survolé.
        {"@180,150", {"B.survol", "A.appuyeDehors", "F1.survolAppuye"}},
        // Hors de F1 : la racine dit à F1 qu'elle tient l'appui dehors ; F1 ne survole rien.
        {"@900,700", {"A.appuyeDehors", "F1.appuyeDehors"}},
        {"G-", {"A.appuyeDehors", "F1.appuyeDehors", "A.dehorsG", "F1.dehorsG"}},
        {"U", {}},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SCOPED_TRACE(c.script);
        journal().clear();
        joue(racine, c.script);
        EXPECT_EQ(journal(), c.attendu);
    });
}

TEST_F(Arbre, SourisDesEnfantsEnCoordonneesClient)
{
    joue(racine, std::string(MONTE_F1) + "@120,150");
    // La fenêtre beige décale sa zone client de (7,30).
    EXPECT_EQ(F1->souris, MakeCoord(20, 50));
    EXPECT_EQ(A->souris, MakeCoord(3, 10));
    EXPECT_EQ(B->souris, MakeCoord(-57, 10));
    EXPECT_EQ(F1->objetSousSouris(), A);
    EXPECT_EQ(F1->zoneClient(), MakeRect(0, 0, 280, 154));
}

TEST_F(Arbre, FermetureALaMiseAJourSuivante)
{
    ajouteGestionnaire(A->evenements[EVT_CLIC_GAUCHE], A, &CObjetGDI::demandeFermeture);
    for (auto [o, n] : {std::pair<CObjetGDI*, const char*>{A, "A"}, {I, "I"}, {B, "B"}})
        espion.observe(o, n, MAJ);
    joue(racine, std::string(MONTE_F1) + "@120,150 G+ G- |");
    // Le clic a seulement demandé la fermeture : A est encore là jusqu'à la mise à jour.
    EXPECT_TRUE(A->aDetruire);
    EXPECT_TRUE(F1->enfants.contient(A));
    joue(racine, "U");
    // A, au premier plan de F1, est détruit sans rien recevoir ; les suivants sont mis à jour.
    EXPECT_EQ(journal(), (Journal{"~A", "I.maj", "B.maj"}));
    EXPECT_EQ(F1->enfants.nombre, 2);
    EXPECT_EQ(F1->enfants.tete->element, I);
}

TEST_F(Arbre, ConteneurDevantDetruitPersonneNEstMisAJour)
{
    for (auto [o, n] : {std::pair<CObjetGDI*, const char*>{W, "W"}, {F1, "F1"}, {A, "A"}})
        espion.observe(o, n, MAJ);
    F2->aDetruire = true;
    joue(racine, "| U");
    EXPECT_EQ(journal(), (Journal{"~F2", "~D", "~C"}));
    journal().clear();
    // F1 est désormais le conteneur de devant : lui seul reçoit la mise à jour et la passe.
    joue(racine, "U");
    EXPECT_EQ(journal(), (Journal{"A.maj", "F1.maj"}));
}

TEST_F(Arbre, DestructionDuPremierPlanVersLArriere)
{
    journal().clear();
    delete racine;
    racine = nullptr;
    EXPECT_EQ(journal(), (Journal{"~R", "~F2", "~D", "~C", "~F1", "~A", "~I", "~B", "~W"}));
}

TEST_F(Arbre, ConteneurSimpleDevantArreteLaRecherche)
{
    // P n'est pas une fenêtre : touché, il arrête la recherche sans cible ; F1, seule sous
    // la souris ailleurs, reste atteignable.
    auto* P = new CConteneurTemoin("P", -1, MakeRect(100, 100, 250, 200));
    racine->ajouteObjetGDI(P);
    espion.observe(P, "P", BOUTONS);
    joue(racine, "| @120,150 G+ G- @300,250 G+ G-");
    // F1, touchée hors de P, est montée devant : elle tient l'appui sans le recevoir.
    EXPECT_EQ(journal(), (Journal{"F1.clicG"}));
    EXPECT_EQ(nomDevant(racine), "F1");
}

TEST_F(Arbre, AjoutEtCapture)
{
    // Un appui tenu sur C, puis une fenêtre ajoutée : la capture est oubliée.
    joue(racine, "@510,110 G+");
    EXPECT_EQ(racine->capture, F2);
    auto* F3 = new CFenetreTemoin("F3", -1);
    F3->setLimites(MakeRect(0, 0, 101, 50));
    racine->ajouteObjetGDI(F3);
    EXPECT_EQ(racine->capture, nullptr);
    // Centrée : (1024 - 101) / 2 = 461, (768 - 50) / 2 = 359.
    EXPECT_EQ(F3->limites, MakeRect(461, 359, 562, 409));
    // Un objet ajouté deux fois n'est rangé qu'une fois, au premier plan.
    racine->ajouteObjetGDI(W);
    EXPECT_EQ(racine->enfants.nombre, 4);
    EXPECT_EQ(racine->enfants.tete->element, W);
    // setCapture ne monte qu'une fenêtre qui n'est pas déjà devant.
    EXPECT_FALSE(racine->setCapture(W));
    EXPECT_TRUE(racine->setCapture(F1));
    EXPECT_EQ(racine->enfants.tete->element, F1);
    EXPECT_FALSE(racine->setCapture(F1));
    EXPECT_EQ(racine->capture, F1);
    racine->setCapture(nullptr);
    // Le retrait ne détruit pas ; l'objet se range ensuite derrière.
    racine->retireObjetGDI(W);
    EXPECT_FALSE(racine->enfants.contient(W));
    racine->ajouteObjetGDIDerriere(W);
    EXPECT_EQ(racine->enfants.queue->element, W);
    EXPECT_EQ(W->parent, racine);
}

TEST(Conteneur, Construction)
{
    CContainer c(-1);
    EXPECT_EQ(c.limites, MakeRect(0, 0, 200, 100));
    EXPECT_EQ(c.skin.texture, -1);
    EXPECT_EQ(c.capture, nullptr);
    EXPECT_EQ(c.boutonCapture, 0);
    EXPECT_FALSE(c.modal);
    EXPECT_EQ(c.zoneClient(), MakeRect(0, 0, 200, 100));
    // Un seul gestionnaire, celui du conteneur, sur chacune des huit listes qu'il écoute.
    const int ecoutees[] = {
        EVT_APPUI_GAUCHE,          EVT_APPUI_DROIT,          EVT_CLIC_GAUCHE, EVT_CLIC_DROIT,
        EVT_RELACHE_GAUCHE_DEHORS, EVT_RELACHE_DROIT_DEHORS, EVT_MISE_A_JOUR, EVT_DESSIN};
    int total = 0;
    for (int k = 0; k < NOMBRE_EVENEMENTS; ++k)
        total += c.evenements[k].nombre;
    EXPECT_EQ(total, 8);
    for (int k : ecoutees) {
        ASSERT_EQ(c.evenements[k].nombre, 1) << nomEvenement(k);
        EXPECT_EQ(c.evenements[k].tete->element->objet, &c);
    }
    // Un relâchement reçu avant tout appui est celui du bouton gauche.
    CTemoin* t = new CTemoin("t", MakeRect(0, 0, 10, 10));
    c.ajouteObjetGDI(t);
    CEspion espion;
    espion.observe(t, "t", BOUTONS);
    journal().clear();
    c.souris = MakeCoord(5, 5);
    declenche(c.evenements[EVT_MISE_A_JOUR], &c);
    declenche(c.evenements[EVT_CLIC_GAUCHE], &c);
    declenche(c.evenements[EVT_CLIC_DROIT], &c);
    EXPECT_EQ(journal(), (Journal{"t.dessusG"}));
    journal().clear();
}

TEST(Conteneur, SeulLeBoutonDeLAppuiEstTraite)
{
    // K tient l'appui du bouton boutonCapture ; chaque ligne tire un événement sur le conteneur,
    // la souris sur K, et lit ce que K a reçu, la capture et le bouton retenu ensuite.
    struct Cas {
        uint16_t bouton;
        bool tenu;
        int evenement;
        Journal attendu;
        bool tenuApres;
        uint16_t boutonApres;
    } cas[] = {
        {0, true, EVT_CLIC_GAUCHE, {"K.clicG"}, false, 0},
        {0, true, EVT_CLIC_DROIT, {}, true, 0},
        {1, true, EVT_CLIC_DROIT, {"K.clicD"}, false, 1},
        {1, true, EVT_CLIC_GAUCHE, {}, true, 1},
        {0, true, EVT_RELACHE_GAUCHE_DEHORS, {"K.dehorsG"}, false, 0},
        {0, true, EVT_RELACHE_DROIT_DEHORS, {}, true, 0},
        {1, true, EVT_RELACHE_DROIT_DEHORS, {"K.dehorsD"}, false, 1},
        {1, true, EVT_RELACHE_GAUCHE_DEHORS, {}, true, 1},
        // Un appui tenu bloque l'autre bouton, qui ne change pas boutonCapture.
        {0, true, EVT_APPUI_DROIT, {}, true, 0},
        {1, true, EVT_APPUI_GAUCHE, {}, true, 1},
        {1, false, EVT_APPUI_GAUCHE, {"K.appuiG"}, true, 0},
        {0, false, EVT_APPUI_DROIT, {"K.appuiD"}, true, 1},
        // Sans appui tenu, le relâchement du bon bouton sur K n'est pas un clic.
        {1, false, EVT_CLIC_DROIT, {"K.dessusD"}, false, 1},
        {1, false, EVT_CLIC_GAUCHE, {}, false, 1},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SCOPED_TRACE(std::string(nomEvenement(c.evenement)) + " bouton " +
                     std::to_string(c.bouton) + (c.tenu ? " tenu" : ""));
        CContainer conteneur(-1);
        CTemoin* K = new CTemoin("K", MakeRect(0, 0, 50, 50));
        conteneur.ajouteObjetGDI(K);
        CEspion espion;
        espion.observe(K, "K", BOUTONS);
        conteneur.souris = MakeCoord(5, 5);
        declenche(conteneur.evenements[EVT_MISE_A_JOUR], &conteneur);
        conteneur.boutonCapture = c.bouton;
        conteneur.capture = c.tenu ? K : nullptr;
        journal().clear();
        declenche(conteneur.evenements[c.evenement], &conteneur);
        EXPECT_EQ(journal(), c.attendu);
        EXPECT_EQ(conteneur.capture, c.tenuApres ? K : nullptr);
        EXPECT_EQ(conteneur.boutonCapture, c.boutonApres);
        journal().clear();
    });
}
