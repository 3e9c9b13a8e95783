// Le bouton de l'aide sous un appui droit, dans l'arbre réel de l'éditeur : il ne reste pas
// enfoncé et ne ferme pas l'aide.
#include "ArbreEditeur.h"

#include "editor/CFenetreMessage.h"

TEST_F(ArbreEditeur, AppuiDroitSurLeBoutonDeLAide)
{
    CFenetreMessage* aide = dynamic_cast<CFenetreMessage*>(enfants().front());
    ASSERT_NE(aide, nullptr);
    CBouton* bouton = aide->boutonValider;
    const Coord sur = marges() + aide->limites.hautGauche +
                      MakeCoord(aide->skin.margeGauche, aide->skin.margeHaut) +
                      bouton->limites.hautGauche + MakeCoord(10, 10);
    const Coord dehors = sur + MakeCoord(-200, 0);
    auto droit = [](int etat) { boutonSouris(BOUTON_DROIT, etat, 0, 0); };

    va(sur);
    droit(ETAT_ENFONCE);
    tic();
    EXPECT_FALSE(bouton->appuye);
    droit(ETAT_RELACHE);
    va(dehors);
    tic();
    EXPECT_FALSE(bouton->appuye);
    ASSERT_EQ(enfants().front(), aide);

    // Le gauche l'enfonce toujours.
    va(sur);
    appuie();
    tic();
    EXPECT_TRUE(bouton->appuye);
}
