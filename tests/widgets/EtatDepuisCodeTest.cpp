// État posé depuis le code : la coche, la valeur de la barre, le texte d'une zone et la légende
// d'un bouton, vus par l'enregistreur à l'image suivante comme ceux d'un objet construit ainsi.
#include "render/Texture.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CProgression.h"
#include "widgets/CRadio.h"
#include "widgets/CTexte.h"

#include "DessinEnregistre.h"
#include "EnregistreurGL.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> image(CObjetGDI& o)
{
    enregistreur::efface();
    declenche(o.evenements[EVT_DESSIN], &o);
    return enregistreur::textes();
}

// Construit dans l'état depart, passé à valeur par le code : l'image suivante change (sauf si
// attendu est depart) et est celle de l'objet construit dans l'état attendu.
template <class O, class V, class F>
void verifie(F construit, void (O::*pose)(V), V depart, V valeur, V attendu,
             int ligne = __builtin_LINE())
{
    SCOPED_TRACE(::testing::Message() << "appel de la ligne " << ligne);
    std::unique_ptr<O> o(construit(depart)), reference(construit(attendu));
    const auto avant = image(*o);
    (o.get()->*pose)(valeur);
    const auto apres = image(*o);
    EXPECT_EQ(apres != avant, depart != attendu);
    EXPECT_EQ(apres, image(*reference));
}

class EtatDepuisCode : public EssaiDessin
{
  protected:
    void SetUp() override
    {
        EssaiDessin::SetUp();
        textures[TEXTURE_PROGRESSIONS] = Texture{"Progressions", nullptr, 32, 128, 64, 128, 64, 15};
    }
    void TearDown() override
    {
        textures[TEXTURE_PROGRESSIONS] = Texture{};
        EssaiDessin::TearDown();
    }
};
} // namespace

TEST_F(EtatDepuisCode, VuALImageSuivante)
{
    auto coche = [](bool c) { return new CCoche(MakeCoord(5, 5), c, COCHE_SKIN_DEFAUT); };
    auto barre = [](int v) {
        return new CProgression(MakeCoord(10, 20), 300, true, 0, v, 100, PROGRESSION_SKIN_DEFAUT);
    };
    auto zone = [](const char* t) { return new CTexte(MakeRect(0, 0, 300, 40), t); };
    auto bouton = [](const char* t) {
        return new CBouton(MakeRect(10, 20, 200, 60), t, BOUTON_SKIN_ROND_VARIABLE);
    };
    verifie(coche, &CCoche::setCochee, false, true, true);
    verifie(coche, &CCoche::setCochee, true, false, false);
    // Poser l'état qu'elle a déjà ne la bascule pas.
    verifie(coche, &CCoche::setCochee, true, true, true);
    verifie(coche, &CCoche::setCochee, false, false, false);
    auto radio = [](bool c) {
        CRadio* r = new CRadio(MakeCoord(5, 5), nullptr, 0);
        r->setChoisi(c);
        return r;
    };
    verifie(radio, &CRadio::setChoisi, false, true, true);
    verifie(radio, &CRadio::setChoisi, true, true, true);
    verifie(radio, &CRadio::setChoisi, true, false, false);
    verifie(barre, &CProgression::setValeur, 10, 73, 73);
    // Hors de l'intervalle : ramenée au bout le plus proche.
    verifie(barre, &CProgression::setValeur, 10, 101, 100);
    verifie(barre, &CProgression::setValeur, 10, -1, 0);
    verifie(zone, &CTexte::setTexte, "Pas encore", "<b>Connect\xE9</b>", "<b>Connect\xE9</b>");
    verifie(bouton, &CBouton::setTexte, "<centre>Bouton", "Annuler", "Annuler");
    const char* sansLegende = nullptr;
    verifie(bouton, &CBouton::setTexte, "Annuler", sansLegende, sansLegende);
}

TEST_F(EtatDepuisCode, ValeurPoseeSansPrevenirLaListeDeLaSouris)
{
    CProgression b(MakeCoord(0, 0), 200, true, 0, 50, 100, PROGRESSION_SKIN_DEFAUT);
    int appels = 0;
    ajouteGestionnaire(b.changementValeur, [&](CObjetGDI*) { ++appels; });
    // Les bouts exacts, et un pas au-delà, ramené au bout (le dessin, lui, borne déjà).
    for (auto [posee, gardee] : {std::pair{80, 80}, {100, 100}, {101, 100}, {0, 0}, {-1, 0}}) {
        b.setValeur(posee);
        EXPECT_EQ(b.valeur, gardee) << posee;
    }
    EXPECT_EQ(appels, 0);
    // Bornes inversées : comme à la souris, le maximum l'emporte.
    CProgression inverse(MakeCoord(0, 0), 200, true, 100, 50, 0, PROGRESSION_SKIN_DEFAUT);
    inverse.setValeur(30);
    EXPECT_EQ(inverse.valeur, 0);
}
