// Le bouton et la case à cocher menés par un vrai conteneur : appuis, glissements et relâchements
// routés par la racine, comme les rappels d'entrée.
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"

#include "../containers/Temoins.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using temoins::journal;

TEST(BoutonsRoutes, AppuisGlissementsEtRelachements)
{
    CContainer racine(-1);
    racine.limites = PLEIN_ECRAN;
    // Le bouton couvre (100,100)-(300,195), la case (400,100)-(432,132).
    CBouton* bouton = new CBouton(MakeRect(100, 100, 300, 0), "Ok", BOUTON_SKIN_ROND_VARIABLE);
    CCoche* coche = new CCoche(MakeCoord(400, 100), false, COCHE_SKIN_DEFAUT);
    racine.ajouteObjetGDI(bouton);
    racine.ajouteObjetGDI(coche);
    temoins::CEspion espion;
    espion.observe(bouton, "b", temoins::BOUTONS);
    espion.observe(coche, "c", temoins::BOUTONS);

    const int BOUGE = -1;
    struct Pas {
        const char* quoi;
        int x, y;      // nouvelle position, pour BOUGE
        int evenement; // BOUGE ou l'événement de bouton tiré sur la racine
        const char* notes;
        bool boutonAppuye, boutonSurvole, cochee, cocheAppuyee, cocheSurvolee;
    } script[] = {
        {"sur le bouton", 150, 150, BOUGE, "", false, true, false, false, false},
        {"appui", 0, 0, EVT_APPUI_GAUCHE, "b.appuiG", true, true, false, false, false},
        {"dehors", 350, 150, BOUGE, "", false, false, false, false, false},
        {"sur la case, tenu", 410, 110, BOUGE, "", false, false, false, false, true},
        {"de retour", 299, 194, BOUGE, "", true, false, false, false, false},
        {"relâché dessus", 0, 0, EVT_CLIC_GAUCHE, "b.clicG", false, false, false, false, false},
        {"libre dessus", 299, 194, BOUGE, "", false, true, false, false, false},
        {"appui", 0, 0, EVT_APPUI_GAUCHE, "b.appuiG", true, true, false, false, false},
        {"jusqu'à la case", 420, 120, BOUGE, "", false, false, false, false, true},
        {"relâché sur la case", 0, 0, EVT_CLIC_GAUCHE, "c.dessusG b.dehorsG", false, false, false,
         false, true},
        {"dans le vide", 10, 10, BOUGE, "", false, false, false, false, false},
        {"appui dans le vide", 0, 0, EVT_APPUI_GAUCHE, "", false, false, false, false, false},
        {"tenu jusqu'à la case", 431, 131, BOUGE, "", false, false, false, false, true},
        {"relâché, pas de clic", 0, 0, EVT_CLIC_GAUCHE, "c.dessusG", false, false, false, false,
         true},
        {"appui sur la case", 0, 0, EVT_APPUI_GAUCHE, "c.appuiG", false, false, false, true, true},
        {"clic", 0, 0, EVT_CLIC_GAUCHE, "c.clicG", false, false, true, false, false},
        {"appui", 0, 0, EVT_APPUI_GAUCHE, "c.appuiG", false, false, true, true, true},
        {"hors de la case", 432, 131, BOUGE, "", false, false, true, false, false},
        {"relâché dehors", 0, 0, EVT_CLIC_GAUCHE, "c.dehorsG", false, false, true, false, false},
    };
    for (const Pas& p : script) {
        journal().clear();
        if (p.evenement == BOUGE)
            racine.souris = MakeCoord(p.x, p.y);
        declenche(racine.evenements[EVT_MISE_A_JOUR], &racine);
        if (p.evenement != BOUGE)
            declenche(racine.evenements[p.evenement], &racine);
        std::string notes;
        for (const std::string& n : journal())
            notes += (notes.empty() ? "" : " ") + n;
        EXPECT_EQ(notes, p.notes) << p.quoi;
        EXPECT_EQ(bouton->appuye, p.boutonAppuye) << p.quoi;
        EXPECT_EQ(bouton->survole, p.boutonSurvole) << p.quoi;
        EXPECT_EQ(coche->cochee, p.cochee) << p.quoi;
        EXPECT_EQ(coche->appuye, p.cocheAppuyee) << p.quoi;
        EXPECT_EQ(coche->survole, p.cocheSurvolee) << p.quoi;
    }
    journal().clear();
}
