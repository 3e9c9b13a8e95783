// L'appui et le survol partagés du bouton et de la case, menés par un vrai conteneur : seul un
// appui gauche les montre enfoncés ; un appui droit ne laisse rien paraître.
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"

#include "containers/CContainer.h"

#include "DessinEnregistre.h"
#include "EnregistreurGL.h"

#include <gtest/gtest.h>

namespace
{
class AppuiSurvolRoute : public EssaiDessin
{
};
} // namespace

TEST_F(AppuiSurvolRoute, AppuiDroitNeLaissePasEnfonce)
{
    CContainer racine(-1);
    racine.limites = PLEIN_ECRAN;
    // Le bouton couvre (100,100)-(300,195), la case cochée (400,100)-(432,132).
    CBouton* bouton = new CBouton(MakeRect(100, 100, 300, 0), "Ok", BOUTON_SKIN_ROND_VARIABLE);
    CCoche* coche = new CCoche(MakeCoord(400, 100), true, COCHE_SKIN_DEFAUT);
    racine.ajouteObjetGDI(bouton);
    racine.ajouteObjetGDI(coche);
    const Coord enfonceBouton = bouton->skin.enfoncement, enfonceCoche = coche->skin.enfoncement;
    ASSERT_NE(enfonceBouton, MakeCoord(0, 0));
    ASSERT_NE(enfonceCoche, MakeCoord(0, 0));

    const int BOUGE = -1;
    struct Pas {
        const char* quoi;
        int x, y;      // nouvelle position, pour BOUGE
        int evenement; // BOUGE ou l'événement tiré sur la racine
        bool boutonEnfonce, cocheEnfoncee, cochee;
    } script[] = {
        {"sur le bouton", 150, 150, BOUGE, false, false, true},
        {"appui droit", 0, 0, EVT_APPUI_DROIT, false, false, true},
        {"tenu dessus", 150, 150, BOUGE, false, false, true},
        {"tenu dehors", 350, 150, BOUGE, false, false, true},
        {"tenu, de retour", 150, 150, BOUGE, false, false, true},
        {"relâché dessus", 0, 0, EVT_CLIC_DROIT, false, false, true},
        {"puis dehors", 350, 150, BOUGE, false, false, true},
        // L'appui gauche, lui, enfonce toujours.
        {"de retour", 150, 150, BOUGE, false, false, true},
        {"appui gauche", 0, 0, EVT_APPUI_GAUCHE, true, false, true},
        {"clic gauche", 0, 0, EVT_CLIC_GAUCHE, false, false, true},
        // La case : ni coche déplacée, ni bascule.
        {"sur la case", 410, 110, BOUGE, false, false, true},
        {"appui droit", 0, 0, EVT_APPUI_DROIT, false, false, true},
        {"tenu dessus", 410, 110, BOUGE, false, false, true},
        {"relâché dessus", 0, 0, EVT_CLIC_DROIT, false, false, true},
        {"puis dehors", 350, 150, BOUGE, false, false, true},
        {"de retour", 410, 110, BOUGE, false, false, true},
        {"appui gauche", 0, 0, EVT_APPUI_GAUCHE, false, true, true},
        {"clic gauche", 0, 0, EVT_CLIC_GAUCHE, false, false, false},
    };
    for (const Pas& p : script) {
        if (p.evenement == BOUGE)
            racine.souris = MakeCoord(p.x, p.y);
        declenche(racine.evenements[EVT_MISE_A_JOUR], &racine);
        if (p.evenement != BOUGE)
            declenche(racine.evenements[p.evenement], &racine);
        EXPECT_EQ(bouton->appuye, p.boutonEnfonce) << p.quoi;
        EXPECT_EQ(coche->appuye, p.cocheEnfoncee) << p.quoi;
        EXPECT_EQ(coche->cochee, p.cochee) << p.quoi;

        // Ce qui se voit : le bouton décalé de son enfoncement, la coche du sien.
        enregistreur::efface();
        declenche(racine.evenements[EVT_DESSIN], &racine);
        const DessinEnregistre d;
        ASSERT_FALSE(d.pieces.empty()) << p.quoi;
        EXPECT_EQ(d.pieces.front().ecran.hautGauche,
                  MakeCoord(100, 100) + (p.boutonEnfonce ? enfonceBouton : Coord{0, 0}))
            << p.quoi;
        if (p.cochee) {
            EXPECT_EQ(d.pieces.back().ecran.hautGauche,
                      MakeCoord(400, 100) + (p.cocheEnfoncee ? enfonceCoche : Coord{0, 0}))
                << p.quoi;
        }
    }
}
