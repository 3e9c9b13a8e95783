// La boucle à la demande par la boucle d'un programme : quels changements demandent une image,
// le curseur animé, les minuteries et les travaux postés d'un autre fil.
#include "wexo/Integration.h"

#include "application/Boucle.h"
#include "application/Plateforme.h"
#include "containers/CFenetre.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CImage.h"
#include "widgets/CProgression.h"
#include "widgets/CTexte.h"
#include "widgets/DemandeImage.h"

#include "EnregistreurGL.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

namespace
{
int32_t horloge = 0;

// Une fenêtre de 400 x 300 et ses objets, démarrée sur une horloge que le test avance.
class BoucleImages : public ::testing::Test
{
  protected:
    CFenetre* f = new CFenetre(CONTAINER_SKIN_BEIGE);
    CFenetre* petite = new CFenetre(CONTAINER_SKIN_BEIGE);
    CCoche* coche = new CCoche(MakeCoord(10, 10), false, COCHE_SKIN_DEFAUT);
    CProgression* barre =
        new CProgression(MakeCoord(10, 60), 200, false, 0, 5, 10, PROGRESSION_SKIN_DEFAUT);
    CTexte* texte = new CTexte(MakeRect(10, 120, 200, 140), "un");
    CBouton* bouton = new CBouton(MakeRect(10, 150, 200, 190), "deux", BOUTON_SKIN_ROND_VARIABLE);

    void SetUp() override
    {
        f->setLimites(MakeRect(0, 0, 400, 300));
        petite->setLimites(MakeRect(0, 0, 120, 80));
        for (CObjetGDI* o : {static_cast<CObjetGDI*>(coche), static_cast<CObjetGDI*>(barre),
                             static_cast<CObjetGDI*>(texte), static_cast<CObjetGDI*>(bouton),
                             static_cast<CObjetGDI*>(petite)})
            f->ajouteObjetGDI(o);
        horloge = 1000;
        ASSERT_TRUE(demarreBoiteAOutils(f));
        plateforme.temps = [] { return horloge; };
        tempsDepart = 0;
    }
    void TearDown() override { arreteBoiteAOutils(); }

    // Un tour ; vrai quand il laisse une image à dessiner, alors dessinée.
    bool tourDessine()
    {
        EXPECT_TRUE(tourBoiteAOutils());
        const bool due = imageADessiner();
        if (due)
            dessineBoiteAOutils(400, 300);
        EXPECT_FALSE(imageADessiner());
        return due;
    }
};
} // namespace

TEST_F(BoucleImages, UneImageSeulementQuandQuelqueChoseAChange)
{
    // La première image, puis plus rien tant que rien ne change.
    EXPECT_TRUE(tourDessine());
    EXPECT_FALSE(tourDessine());
    EXPECT_EQ(delaiAvantImage(), -1);
    const struct {
        const char* quoi;
        std::function<void()> change;
        bool image;
    } cas[] = {
        {"rien", [] {}, false},
        {"setCochee", [&] { coche->setCochee(true); }, true},
        {"setCochee inchangé", [&] { coche->setCochee(true); }, false},
        {"setValeur", [&] { barre->setValeur(6); }, true},
        {"setValeur ramenée au maximum", [&] { barre->setValeur(10); }, true},
        {"setValeur au-delà, inchangée", [&] { barre->setValeur(11); }, false},
        {"CTexte::setTexte", [&] { texte->setTexte("trois"); }, true},
        {"CBouton::setTexte", [&] { bouton->setTexte("quatre"); }, true},
        {"setLimites", [&] { texte->setLimites(MakeRect(10, 121, 200, 140)); }, true},
        {"setLimites inchangé", [&] { texte->setLimites(MakeRect(10, 121, 200, 140)); }, false},
        {"glissement d'une fenêtre", [&] { petite->deplace(MakeCoord(1, 0)); }, true},
        {"ajout", [&] { f->ajouteObjetGDI(new CImage(MakeRect(0, 0, 8, 8), BMP_)); }, true},
        {"fermeture", [&] { bouton->demandeFermeture(bouton); }, true},
        {"retrait par destruction", [&] { delete texte; }, true},
        {"mouvement de la souris", [] { envoieMouvementSouris(300, 250); }, true},
        {"touche", [] { envoieTouche('a'); }, true},
        {"demandeImage", [] { demandeImage(); }, true},
        {"demandeImageDans(40), pas encore", [] { demandeImageDans(40); }, false},
        {"40 ms plus tard", [] { horloge += 40; }, true},
        {"sortie de la souris", [] { envoieSourisDedans(false); }, false},
    };
    for (const auto& c : cas) {
        c.change();
        EXPECT_EQ(tourDessine(), c.image) << c.quoi;
        // Après l'image, le tour suivant n'en dessine pas d'autre.
        EXPECT_FALSE(tourDessine()) << c.quoi;
    }
}

TEST_F(BoucleImages, LeCurseurAnimeDemandeSesImagesTantQueLaSourisEstDessus)
{
    horloge = 1030;
    envoieMouvementSouris(50, 50);
    EXPECT_EQ(delaiAvantImage(), 0);
    EXPECT_TRUE(tourDessine());
    // L'image suivante du curseur, toutes les 200 ms.
    EXPECT_EQ(delaiAvantImage(), 170);
    horloge = 1199;
    EXPECT_FALSE(tourDessine());
    horloge = 1200;
    EXPECT_TRUE(tourDessine());
    EXPECT_EQ(delaiAvantImage(), 200);
    envoieSourisDedans(false);
    horloge = 1400;
    EXPECT_TRUE(tourDessine()); // demandée avant la sortie
    EXPECT_EQ(delaiAvantImage(), -1);
    // En images continues, chaque tour dessine.
    imagesContinues(true);
    EXPECT_EQ(delaiAvantImage(), 0);
    EXPECT_TRUE(tourDessine());
    EXPECT_TRUE(tourDessine());
    imagesContinues(false);
    EXPECT_FALSE(tourDessine());
}

TEST_F(BoucleImages, MinuteriesEtTravauxPostesTournentSurLeFilDeLaBoucle)
{
    tourDessine();
    std::vector<int32_t> appels;
    ajouteMinuterie(100, [&] {
        appels.push_back(horlogeBoiteAOutils());
        barre->setValeur(int(appels.size()));
        return appels.size() < 3;
    });
    EXPECT_EQ(delaiAvantImage(), 100);
    horloge = 1099;
    EXPECT_FALSE(tourDessine());
    EXPECT_EQ(delaiAvantImage(), 1);
    horloge = 1100;
    EXPECT_TRUE(tourDessine()); // la minuterie a changé la barre
    // En retard, elle ne rattrape pas les tours manqués.
    horloge = 1450;
    tourDessine();
    horloge = 1549;
    tourDessine();
    EXPECT_EQ(delaiAvantImage(), 1);
    horloge = 1550;
    tourDessine();
    EXPECT_EQ(appels, (std::vector<int32_t>{1100, 1450, 1550}));
    EXPECT_EQ(delaiAvantImage(), -1); // elle a rendu faux

    // Un autre fil poste : le réveil est appelé sur ce fil-là, le travail au tour suivant, ici.
    std::atomic<int> reveils{0};
    poseReveil([&] { ++reveils; });
    const std::thread::id boucle = std::this_thread::get_id();
    std::thread::id fil;
    std::vector<int> ordre;
    std::thread travailleur([&] {
        for (int i = 1; i <= 2; ++i)
            EXPECT_TRUE(posteDansBoucle([&, i] {
                ordre.push_back(i);
                fil = std::this_thread::get_id();
            }));
    });
    travailleur.join();
    EXPECT_EQ(reveils.load(), 2);
    EXPECT_EQ(delaiAvantImage(), 0);
    EXPECT_TRUE(ordre.empty());
    EXPECT_FALSE(tourDessine()); // le travail ne change rien à l'écran
    EXPECT_EQ(ordre, (std::vector<int>{1, 2}));
    EXPECT_EQ(fil, boucle);
    EXPECT_EQ(delaiAvantImage(), -1);
    poseReveil(nullptr);
}

TEST(BoucleFinie, RienNEstPosteNiNAttendHorsDeLaBoucle)
{
    bool appele = false;
    EXPECT_FALSE(posteDansBoucle([&] { appele = true; }));
    CFenetre* f = new CFenetre(CONTAINER_SKIN_BEIGE);
    f->setLimites(MakeRect(0, 0, 50, 50));
    ASSERT_TRUE(demarreBoiteAOutils(f));
    EXPECT_TRUE(posteDansBoucle([&] { appele = true; }));
    ajouteMinuterie(10, [&] { return appele = true; });
    // Finie, la boucle oublie le travail et la minuterie sans les appeler.
    arreteBoiteAOutils();
    EXPECT_FALSE(appele);
    EXPECT_FALSE(posteDansBoucle([&] { appele = true; }));
    EXPECT_EQ(delaiAvantImage(), -1);
    EXPECT_FALSE(imageADessiner());
}
