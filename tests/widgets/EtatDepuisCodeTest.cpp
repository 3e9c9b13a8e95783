// État posé depuis le code : la coche, la valeur de la barre, le texte d'une zone et la légende
// d'un bouton, vus par l'enregistreur à l'image suivante comme ceux d'un objet construit ainsi.
#include "render/Texture.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CProgression.h"
#include "widgets/CTexte.h"

#include "DessinEnregistre.h"
#include "EnregistreurGL.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{
typedef std::unique_ptr<CObjetGDI> Objet;

std::vector<std::string> image(CObjetGDI& o)
{
    enregistreur::efface();
    declenche(o.evenements[EVT_DESSIN], &o);
    return enregistreur::textes();
}

Objet barre(int valeur)
{
    return std::make_unique<CProgression>(MakeCoord(10, 20), 300, true, 0, valeur, 100,
                                          PROGRESSION_SKIN_DEFAUT);
}
Objet bouton(const char* legende)
{
    return std::make_unique<CBouton>(MakeRect(10, 20, 200, 60), legende, BOUTON_SKIN_ROND_VARIABLE);
}

struct Cas {
    const char* nom;
    std::function<Objet()> construit;
    std::function<void(CObjetGDI&)> change;
    std::function<Objet()> reference;
};

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
    auto coche = [](bool c) { return std::make_unique<CCoche>(MakeCoord(5, 5), c, 0); };
    auto zone = [](const char* t) { return std::make_unique<CTexte>(MakeRect(0, 0, 300, 40), t); };
    const Cas cas[] = {
        {"coche cochée", [&] { return coche(false); },
         [](CObjetGDI& o) { static_cast<CCoche&>(o).setCochee(true); },
         [&] { return coche(true); }},
        {"coche décochée", [&] { return coche(true); },
         [](CObjetGDI& o) { static_cast<CCoche&>(o).setCochee(false); },
         [&] { return coche(false); }},
        {"valeur dans l'intervalle", [] { return barre(10); },
         [](CObjetGDI& o) { static_cast<CProgression&>(o).setValeur(73); },
         [] { return barre(73); }},
        {"valeur au-dessus : le maximum", [] { return barre(10); },
         [](CObjetGDI& o) { static_cast<CProgression&>(o).setValeur(101); },
         [] { return barre(100); }},
        {"valeur au-dessous : le minimum", [] { return barre(10); },
         [](CObjetGDI& o) { static_cast<CProgression&>(o).setValeur(-1); },
         [] { return barre(0); }},
        {"texte d'une zone", [&] { return zone("Pas encore"); },
         [](CObjetGDI& o) { static_cast<CTexte&>(o).setTexte("<b>Connect\xE9</b>"); },
         [&] { return zone("<b>Connect\xE9</b>"); }},
        {"légende d'un bouton", [] { return bouton("<centre>Bouton"); },
         [](CObjetGDI& o) { static_cast<CBouton&>(o).setTexte("Annuler"); },
         [] { return bouton("Annuler"); }},
        {"légende ôtée", [] { return bouton("Annuler"); },
         [](CObjetGDI& o) { static_cast<CBouton&>(o).setTexte(nullptr); },
         [] { return bouton(nullptr); }},
    };
    pourChaqueCas(cas, [](const Cas& c) {
        Objet o = c.construit();
        const auto avant = image(*o);
        c.change(*o);
        const auto apres = image(*o);
        EXPECT_NE(apres, avant);
        EXPECT_EQ(apres, image(*c.reference()));
    });
}

TEST_F(EtatDepuisCode, ValeurPoseeSansPrevenirLaListeDeLaSouris)
{
    CProgression b(MakeCoord(0, 0), 200, true, 0, 50, 100, PROGRESSION_SKIN_DEFAUT);
    int appels = 0;
    ajouteGestionnaire(b.changementValeur, [&](CObjetGDI*) { ++appels; });
    b.setValeur(80);
    EXPECT_EQ(b.valeur, 80);
    EXPECT_EQ(appels, 0);
    // Bornes inversées : comme à la souris, le maximum l'emporte.
    CProgression inverse(MakeCoord(0, 0), 200, true, 100, 50, 0, PROGRESSION_SKIN_DEFAUT);
    inverse.setValeur(30);
    EXPECT_EQ(inverse.valeur, 0);
}
