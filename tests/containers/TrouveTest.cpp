// Objets d'une fenêtre atteints depuis le code : par genre et rang d'ajout, par genre et nom,
// puis texte lu sans balises.
#include "containers/CFenetre.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CProgression.h"
#include "widgets/CTexte.h"

#include "TableCas.h"

#include <gtest/gtest.h>

#include <utility>

namespace
{
struct Cas {
    const char* nom;
    CObjetGDI* obtenu;
    CObjetGDI* attendu;
};
} // namespace

TEST(Trouve, ParRangParNomEtParTexteDansLOrdreDAjout)
{
    // Ajoutés comme les lignes du fichier de l'éditeur, chacun devant le précédent ; la
    // sous-fenêtre, première ajoutée, est ensuite montée au premier plan, et la dernière zone
    // est ajoutée à l'arrière.
    CFenetre f(CONTAINER_SKIN_BEIGE);
    f.setLimites(MakeRect(0, 0, 600, 400));
    auto* w = new CFenetre(-1);
    w->setLimites(MakeRect(0, 0, 50, 50));
    auto* t0 = new CTexte(MakeRect(0, 0, 90, 20), "Identifiant");
    auto* b0 = new CBouton(MakeRect(0, 30, 90, 60), "<centre>Connexion", BOUTON_SKIN_ROND_VARIABLE);
    auto* c0 = new CCoche(MakeCoord(0, 70), false, COCHE_SKIN_DEFAUT);
    auto* b1 =
        new CBouton(MakeRect(100, 30, 190, 60), "<centre>Annuler", BOUTON_SKIN_ROND_VARIABLE);
    auto* b2 = new CBouton(MakeRect(200, 30, 290, 60), BOUTON_SKIN_ROND_VARIABLE);
    auto* p0 = new CProgression(MakeCoord(0, 100), 200, true, 0, 50, 100, PROGRESSION_SKIN_DEFAUT);
    auto* t1 = new CTexte(MakeRect(0, 150, 90, 170), "<couleur='rouge'>Err<b>eur</b><p>");
    auto* t2 = new CTexte(MakeRect(0, 180, 90, 200), "Erreur");
    auto* t3 = new CTexte(MakeRect(0, 210, 90, 230), "Oui<br");
    // Le bouton sans légende nommé comme la légende d'un bouton d'avant, la coche comme celle
    // d'un autre ; deux zones du même nom, la plus ancienne plus loin de la tête de liste.
    const std::pair<CObjetGDI*, const char*> ajouts[] = {
        {w, nullptr},    {t0, "message"}, {b0, ""},      {c0, "Connexion"}, {b1, nullptr},
        {b2, "Annuler"}, {p0, "valeur"},  {t1, nullptr}, {t2, "message"}};
    for (const auto& [o, nom] : ajouts)
        f.ajouteObjetGDI(o, nom);
    f.ajouteObjetGDIDerriere(t3);
    ASSERT_TRUE(f.setCapture(w));
    ASSERT_EQ(f.enfants.tete->element, w);

    const Cas cas[] = {
        {"premier bouton", f.trouve<CBouton>(0), b0},
        {"deuxième bouton", f.trouve<CBouton>(1), b1},
        {"bouton sans légende", f.trouve<CBouton>(2), b2},
        {"rang après le dernier bouton", f.trouve<CBouton>(3), nullptr},
        {"rang négatif", f.trouve<CBouton>(-1), nullptr},
        {"première zone", f.trouve<CTexte>(0), t0},
        {"zone ajoutée à l'arrière, la dernière", f.trouve<CTexte>(3), t3},
        {"sous-fenêtre montée devant, toujours la première", f.trouve<CFenetre>(0), w},
        {"tout objet : le rang compte tous les genres", f.trouve<CObjetGDI>(2), b0},
        {"coche", f.trouve<CCoche>(0), c0},
        {"barre", f.trouve<CProgression>(0), p0},
        {"nom avant légende, même ajouté après", f.trouve<CBouton>("Annuler"), b2},
        {"nom seul", f.trouveNomme<CBouton>("Annuler"), b2},
        {"nom d'une coche : la légende sans balises", f.trouve<CBouton>("Connexion"), b0},
        {"nom seul : la légende ne compte pas", f.trouveNomme<CBouton>("Connexion"), nullptr},
        {"nom d'un genre sans texte", f.trouve<CProgression>("valeur"), p0},
        {"nom d'un autre genre, sans texte", f.trouve<CBouton>("valeur"), nullptr},
        {"même nom deux fois : le premier ajouté", f.trouve<CTexte>("message"), t0},
        {"nom : casse comprise", f.trouveNomme<CBouton>("annuler"), nullptr},
        {"nom vide : pas les objets sans nom", f.trouveNomme<CBouton>(""), nullptr},
        {"nom nul", f.trouveNomme<CBouton>(nullptr), nullptr},
        {"balises ôtées, la première dans l'ordre d'ajout", f.trouve<CTexte>("Erreur"), t1},
        {"la même sans balise, ajoutée après", f.trouve<CTexte>(2), t2},
        {"balise non fermée : fin du texte", f.trouve<CTexte>("Oui"), t3},
        {"texte balisé tel quel : pas de correspondance", f.trouve<CBouton>("<centre>Annuler"),
         nullptr},
        {"texte partiel", f.trouve<CBouton>("Annule"), nullptr},
        {"autre genre : une légende de bouton n'est pas une zone", f.trouve<CTexte>("Connexion"),
         nullptr},
        {"genre sans texte", f.trouve<CCoche>(""), nullptr},
        {"texte nul", f.trouve<CBouton>(nullptr), nullptr},
    };
    pourChaqueCas(cas, [](const Cas& c) { EXPECT_EQ(c.obtenu, c.attendu); });

    // Un objet retiré puis rajouté compte comme le dernier ajouté.
    f.retireObjetGDI(b0);
    f.ajouteObjetGDI(b0);
    EXPECT_EQ(f.trouve<CBouton>(0), b1);
    EXPECT_EQ(f.trouve<CBouton>(2), b0);
}
