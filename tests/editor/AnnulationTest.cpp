// Tests de l'annulation et du rétablissement pas à pas, des flèches, de la duplication et de la
// place du menu, par les rappels de l'application sur l'arbre réel.
#include "ArbreEditeur.h"
#include "TableCas.h"

#include "editor/Historique.h"
#include "editor/MiseEnPage.h"

namespace
{
const int CTRL_Z = 26, CTRL_Y = 25, CTRL_D = 4;
bool maj = false;
} // namespace

class Annulation : public ArbreEditeur
{
  protected:
    void SetUp() override
    {
        ArbreEditeur::SetUp();
        fermeAide();
        maj = false;
        majTenue = [] { return maj; };
    }
    void TearDown() override
    {
        majTenue = nullptr;
        ArbreEditeur::TearDown();
    }
    // Rang de la sélection parmi les objets, de l'arrière vers l'avant ; -1 sans sélection.
    int rang() const
    {
        const std::vector<CObjetGDI*> v = enfants();
        auto i = std::find(v.rbegin(), v.rend(), objetSelectionne);
        return i == v.rend() ? -1 : int(i - v.rbegin());
    }
};

TEST_F(Annulation, ChaqueGesteUneEtapeAnnuleePuisRetablieAvecSaSelection)
{
    // Chaque état, avec la sélection qu'il avait au début du geste suivant : celle que
    // l'annulation de ce geste rend.
    std::vector<std::pair<MiseEnPage, int>> etats = {{fenetre->miseEnPage(), -1}};
    auto etape = [&](const char* quoi, auto action) {
        SCOPED_TRACE(quoi);
        etats.back().second = rang();
        action();
        ASSERT_NE(etats.back().first, fenetre->miseEnPage()) << "rien n'a changé";
        etats.push_back({fenetre->miseEnPage(), -1});
        EXPECT_EQ(fenetre->etapesAnnulables(), etats.size() - 1);
    };
    choisit(TYPE_IMAGE);
    etape("création", [&] { glisse({300, 200}, {200, 100}); }); // (200,100)-(300,200) à l'écran
    objetSelectionne->nom = "image"; // comme par le panneau : le nom suit chaque étape
    etats.back().first = fenetre->miseEnPage();
    choisit(TYPE_COCHE);
    etape("création de la case", [&] { glisse({620, 140}, {600, 160}); });
    etape("déplacement", [&] { glisse({250, 150}, {280, 170}); });       // l'image, par son milieu
    etape("redimensionnement", [&] { glisse({329, 170}, {359, 170}); }); // son bord droit
    etape("plus", [&] { touche(TOUCHE_PLUS); });
    etape("moins", [&] { touche(TOUCHE_MOINS); });
    etape("suite de flèches", [&] {
        speciale(TOUCHE_DROITE);
        maj = true;
        speciale(TOUCHE_BAS);
        speciale(TOUCHE_BAS);
        maj = false;
        speciale(TOUCHE_GAUCHE);
    });
    EXPECT_EQ(decrit(objetSelectionne->limites), decrit(MakeRect(223, 110, 352, 210)));
    etape("duplication", [&] { touche(CTRL_D); });
    EXPECT_EQ(decrit(objetSelectionne->limites), decrit(MakeRect(233, 120, 362, 220)));
    EXPECT_EQ(enfants().front(), objetSelectionne); // la copie du fond passe devant
    EXPECT_EQ(objetSelectionne->nom, "");           // un nom est unique : la copie n'en a pas
    etape("suppression", [&] { touche(TOUCHE_SUPPR); });
    etape("fenêtre", [&] { glisse({900, 765}, {900, 599}); }); // son bord bas
    etats.back().second = rang();

    // Un clic qui ne change rien n'ajoute pas d'étape ; bouton tenu sur l'image, Ctrl+Z et
    // Ctrl+D ne font rien.
    clique(MakeCoord(900, 100));
    EXPECT_EQ(fenetre->etapesAnnulables(), etats.size() - 1);
    va(290, 190);
    appuie();
    touche(CTRL_Z);
    touche(CTRL_D);
    EXPECT_EQ(fenetre->miseEnPage(), etats.back().first);
    relache();
    tic();

    for (size_t i = etats.size() - 1; i-- > 0;) {
        touche(CTRL_Z);
        EXPECT_EQ(fenetre->miseEnPage(), etats[i].first) << "annulation vers l'état " << i;
        EXPECT_EQ(rang(), etats[i].second) << i;
    }
    touche(CTRL_Z); // plus rien à annuler
    EXPECT_EQ(fenetre->miseEnPage(), etats[0].first);
    for (size_t i = 1; i < etats.size(); ++i) {
        touche(CTRL_Y);
        EXPECT_EQ(fenetre->miseEnPage(), etats[i].first) << "rétablissement de l'état " << i;
    }
    clique({636, 156}); // la case rebâtie, sélectionnée sans être cochée
    EXPECT_EQ(fenetre->miseEnPage(), etats.back().first);
    // Un changement après une annulation efface ce qui restait à rétablir.
    touche(CTRL_Z);
    touche(CTRL_Z);
    objetSelectionne = enfants()[0];
    // Des flèches après Ctrl+Z font une étape à elles.
    speciale(TOUCHE_HAUT);
    touche(CTRL_Z);
    speciale(TOUCHE_HAUT);
    EXPECT_EQ(fenetre->etapesRetablissables(), 0u);
    touche(CTRL_Y);
    EXPECT_EQ(fenetre->etapesAnnulables(), etats.size() - 2);
}

TEST_F(Annulation, FlechesBorneesParLEcranCentEtapesCommandesFermeesSousLAide)
{
    choisit(TYPE_IMAGE);
    glisse({1000, 700}, {1020, 720}); // client (993,670)-(1013,690)
    maj = true;
    for (int i = 0; i < 5; ++i)
        speciale(TOUCHE_DROITE);
    // Sa dernière colonne reste sur l'écran, où la souris la reprendrait.
    EXPECT_EQ(decrit(objetSelectionne->limites), decrit(MakeRect(1016, 670, 1036, 690)));
    EXPECT_EQ(objetSelectionne->limites.hautGauche.x + marges().x, LARGEUR_ECRAN - 1);
    for (int i = 0; i < 120; ++i)
        speciale(TOUCHE_HAUT);
    EXPECT_EQ(objetSelectionne->limites.basDroite.y + marges().y, 1);
    EXPECT_EQ(fenetre->etapesAnnulables(), 2u);
    // Déjà au-delà du bord, une flèche vers lui ne le fait pas sauter.
    objetSelectionne->setLimites(objetSelectionne->limites - MakeCoord(0, 50));
    const Rect dehors = objetSelectionne->limites;
    speciale(TOUCHE_HAUT);
    EXPECT_EQ(decrit(objetSelectionne->limites), decrit(dehors));
    objetSelectionne->setLimites(objetSelectionne->limites + MakeCoord(50, 0));
    const Rect aDroite = objetSelectionne->limites;
    speciale(TOUCHE_DROITE);
    EXPECT_EQ(decrit(objetSelectionne->limites), decrit(aDroite));

    const MiseEnPage uneImage = fenetre->miseEnPage();
    for (int i = 0; i < 120; ++i)
        touche(CTRL_D);
    EXPECT_EQ(enfants().size(), 121u);
    // Sous l'aide, ni annulation ni flèche ni duplication.
    speciale(TOUCHE_F1);
    const MiseEnPage avant = fenetre->miseEnPage();
    for (int code : {CTRL_Z, CTRL_D})
        touche(code);
    speciale(TOUCHE_GAUCHE);
    EXPECT_EQ(fenetre->miseEnPage(), avant);
    fermeAide();
    for (int i = 0; i < 120; ++i)
        touche(CTRL_Z);
    EXPECT_EQ(fenetre->miseEnPage(), uneImage);
}

TEST_F(Annulation, LeMenuResteEntierDansLaFenetre)
{
    const struct {
        bool second; // le menu d'Inser, de quatre icônes
        Rect client;
        Rect menu;
    } cas[] = {
        {false, {{0, 0}, {1017, 747}}, CSelectionObjetGDI::LIMITES},
        {false, {{0, 0}, {665, 377}}, CSelectionObjetGDI::LIMITES},
        {false, {{0, 0}, {664, 376}}, {{399, 319}, {664, 376}}},
        {false, {{0, 0}, {100, 40}}, {{0, 0}, {265, 57}}},
        {true, {{0, 0}, {581, 377}}, {{400, 320}, {581, 377}}},
        {true, {{0, 0}, {580, 377}}, {{399, 320}, {580, 377}}},
    };
    pourChaqueCas(cas, [](const auto& c) {
        const CSelectionObjetGDI menu =
            c.second ? CSelectionObjetGDI(CSelectionObjetGDI::MODES_SECOND_MENU)
                     : CSelectionObjetGDI();
        EXPECT_EQ(decrit(menu.placeDans(c.client)), decrit(c.menu));
    });
    // Ouvert dans une fenêtre rapetissée, le menu tient dans sa zone client, pas seulement
    // dans son rectangle, plus grand des marges.
    fenetre->setLimites(MakeRect(0, 0, 560, 360));
    speciale(TOUCHE_INSER);
    EXPECT_EQ(decrit(enfants().front()->limites), decrit(MakeRect(359, 257, 540, 314)));
    touche(TOUCHE_ECHAP);
    tic();
    // Fenêtre de 600 x 400 : la dernière icône, la barre, se choisit encore.
    fenetre->setLimites(MakeRect(0, 0, 600, 400));
    choisit(TYPE_PROGRESSION);
}

TEST(Historique, AuDelaDuMaximumLaPlusAnciennePart)
{
    // Cinq étapes notées, trois gardées : les deux premières sont parties.
    Historique h(3);
    std::vector<Etape> e(6);
    for (size_t i = 0; i < e.size(); ++i) {
        e[i].miseEnPage.limites = MakeRect(0, 0, 100 + int(i), 100);
        if (i > 0)
            h.note(e[i - 1], e[i].miseEnPage);
    }
    for (size_t i = e.size() - 1; i-- > 2;)
        EXPECT_EQ(h.annule(e[i + 1]).value_or(Etape()).miseEnPage, e[i].miseEnPage) << i;
    EXPECT_FALSE(h.annule(e[2]));
}
