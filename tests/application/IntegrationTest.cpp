// La boucle d'un programme : démarrage dans le contexte courant, entrées livrées après la mise à
// jour, image dans la vue de l'affichage, fin par la fenêtre fermée ou par quitteApplication.
#include "wexo/Integration.h"

#include "application/Boucle.h"
#include "containers/CFenetre.h"
#include "wexo/Application.h"
#include "widgets/CBouton.h"

#include "EnregistreurGL.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
CFenetre* fenetre(int largeur, int hauteur)
{
    CFenetre* f = new CFenetre(CONTAINER_SKIN_BEIGE);
    f->setLimites(MakeRect(0, 0, largeur, hauteur));
    return f;
}
} // namespace

TEST(Integration, BoucleDuProgrammeJusquALaFenetreFermee)
{
    int l = -1, h = -1;
    CFenetre* f = fenetre(300, 200);
    tailleAffichage(f, l, h);
    EXPECT_EQ(l * 10000 + h, 300 * 10000 + 200);
    // Une fenêtre plein écran, qui déborde de l'écran, demande l'écran.
    CFenetre plein(CONTAINER_SKIN_BEIGE);
    tailleAffichage(&plein, l, h);
    EXPECT_EQ(l * 10000 + h, 1024 * 10000 + 768);

    CBouton* b = new CBouton(MakeRect(40, 40, 240, 120), "Fermer", BOUTON_SKIN_ROND_VARIABLE);
    f->ajouteObjetGDI(b);
    std::vector<std::string> vu;
    ajouteGestionnaire(b->evenements[EVT_APPUI_GAUCHE],
                       [&](CObjetGDI*) { vu.push_back(b->survole ? "appui survolé" : "appui"); });
    ajouteGestionnaire(b->evenements[EVT_CLIC_GAUCHE], f, &CObjetGDI::demandeFermeture);
    enregistreur::efface();
    ASSERT_TRUE(demarreBoiteAOutils(f));
    // À la taille de la fenêtre, elle en (0,0) ; un second démarrage est refusé.
    EXPECT_TRUE(racine->limites == MakeRect(0, 0, 300, 200));
    EXPECT_TRUE(f->limites == MakeRect(0, 0, 300, 200));
    EXPECT_FALSE(demarreBoiteAOutils(fenetre(10, 10)));

    // Le bouton à l'écran : sa place dans la zone client, marges (7,30) de la ligne beige.
    envoieMouvementSouris(7 + 140, 30 + 80);
    envoieBoutonSouris(BOUTON_SOURIS_GAUCHE, true);
    EXPECT_EQ(vu, std::vector<std::string>{"appui survolé"});
    EXPECT_TRUE(tourBoiteAOutils());
    enregistreur::efface();
    dessineBoiteAOutils(300, 200);
    const auto vues = enregistreur::appelsNommes("glViewport");
    ASSERT_EQ(vues.size(), 1u);
    EXPECT_EQ(vues[0].args, (std::vector<double>{0, 0, 300, 200}));
    EXPECT_FALSE(enregistreur::morceaux().empty());

    // Le clic ferme la fenêtre : le tour qui la détruit finit la boucle.
    envoieBoutonSouris(BOUTON_SOURIS_GAUCHE, false);
    EXPECT_FALSE(tourBoiteAOutils());
    EXPECT_EQ(racine->enfants.nombre, 0);
    arreteBoiteAOutils();
    EXPECT_EQ(racine, nullptr);
    EXPECT_FALSE(tourBoiteAOutils());

    // Redémarrée, elle finit par quitteApplication.
    ASSERT_TRUE(demarreBoiteAOutils(fenetre(300, 200)));
    EXPECT_TRUE(tourBoiteAOutils());
    quitteApplication();
    EXPECT_FALSE(tourBoiteAOutils());
    arreteBoiteAOutils();
}
