// Tests des rappels d'entrée : mise à jour d'abord, puis la touche ou le bouton, sur la racine.
#include "application/Entrees.h"
#include "application/Boucle.h"
#include "containers/CContainer.h"
#include "wexo/Integration.h"
#include "widgets/Clavier.h"

#include "TableCas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
// Une racine qui note ce qu'elle reçoit, avec les modificateurs tenus (s'il y en a) et la
// position de souris vue à ce moment.
class CRacineTemoin : public CContainer
{
  public:
    std::vector<std::string> trace;

    CRacineTemoin() : CContainer(-1)
    {
        setLimites(MakeRect(10, 20, 1034, 788));
        const struct {
            int evenement;
            MethodeGestionnaire methode;
        } inscriptions[] = {
            {EVT_MISE_A_JOUR, static_cast<MethodeGestionnaire>(&CRacineTemoin::miseAJour)},
            {EVT_APPUI_GAUCHE, static_cast<MethodeGestionnaire>(&CRacineTemoin::appuiGauche)},
            {EVT_APPUI_DROIT, static_cast<MethodeGestionnaire>(&CRacineTemoin::appuiDroit)},
            {EVT_CLIC_GAUCHE, static_cast<MethodeGestionnaire>(&CRacineTemoin::clicGauche)},
            {EVT_CLIC_DROIT, static_cast<MethodeGestionnaire>(&CRacineTemoin::clicDroit)},
        };
        for (const auto& i : inscriptions)
            ajouteGestionnaire(evenements[i.evenement], this, i.methode);
        // Les autres listes ne doivent jamais être déclenchées par les entrées.
        for (int e = 0; e < NOMBRE_EVENEMENTS; ++e)
            if (e != EVT_MISE_A_JOUR && e != EVT_APPUI_GAUCHE && e != EVT_APPUI_DROIT &&
                e != EVT_CLIC_GAUCHE && e != EVT_CLIC_DROIT && e != EVT_DESSIN)
                ajouteGestionnaire(evenements[e], this, &CRacineTemoin::intrus);
    }

    void note(const std::string& quoi, CObjetGDI* emetteur)
    {
        const int m = modificateursClavier();
        trace.push_back(quoi + (emetteur == this ? "" : "<autre") +
                        (m ? "+" + std::to_string(m) : "") + "@" + std::to_string(souris.x) + "," +
                        std::to_string(souris.y));
    }
    void miseAJour(CObjetGDI* e) { note("maj", e); }
    void appuiGauche(CObjetGDI* e) { note("appuiG", e); }
    void appuiDroit(CObjetGDI* e) { note("appuiD", e); }
    void clicGauche(CObjetGDI* e) { note("clicG", e); }
    void clicDroit(CObjetGDI* e) { note("clicD", e); }
    void intrus(CObjetGDI* e) { note("intrus", e); }

    void toucheClavier(int touche) override { note("touche " + std::to_string(touche), this); }
    void toucheSpeciale(int touche) override { note("speciale " + std::to_string(touche), this); }
};

struct CasEntree {
    const char* nom;
    std::function<void()> action;
    std::vector<std::string> attendu;
};
} // namespace

TEST(Entrees, MiseAJourAvantToucheOuBoutonEtPositionRelativeALaRacine)
{
    CRacineTemoin temoin;
    CContainer* ancienne = racine;
    racine = &temoin;

    // Les positions passées avec les touches et les boutons ne comptent pas.
    const CasEntree cas[] = {
        {"appui gauche sans mouvement",
         [] { boutonSouris(BOUTON_GAUCHE, ETAT_ENFONCE, 5, 6); },
         {"maj@0,0", "appuiG@0,0"}},
        {"mouvement", [] { mouvementSouris(310, 220); }, {"maj@300,200"}},
        {"appui gauche",
         [] { boutonSouris(BOUTON_GAUCHE, ETAT_ENFONCE, 1, 2); },
         {"maj@300,200", "appuiG@300,200"}},
        {"mouvement bouton tenu", [] { mouvementSouris(9, 19); }, {"maj@-1,-1"}},
        {"relâche gauche",
         [] { boutonSouris(BOUTON_GAUCHE, ETAT_RELACHE, 1, 2); },
         {"maj@-1,-1", "clicG@-1,-1"}},
        {"appui droit",
         [] { boutonSouris(BOUTON_DROIT, ETAT_ENFONCE, 0, 0); },
         {"maj@-1,-1", "appuiD@-1,-1"}},
        {"relâche droit",
         [] { boutonSouris(BOUTON_DROIT, ETAT_RELACHE, 0, 0); },
         {"maj@-1,-1", "clicD@-1,-1"}},
        {"appui milieu", [] { boutonSouris(BOUTON_MILIEU, ETAT_ENFONCE, 0, 0); }, {"maj@-1,-1"}},
        {"relâche milieu", [] { boutonSouris(BOUTON_MILIEU, ETAT_RELACHE, 0, 0); }, {"maj@-1,-1"}},
        {"molette", [] { boutonSouris(3, ETAT_ENFONCE, 0, 0); }, {"maj@-1,-1"}},
        {"mouvement au-delà de 16 bits", [] { mouvementSouris(65536 + 50, 40); }, {"maj@40,20"}},
        {"Échap", [] { clavier(27, 0, 0); }, {"maj@40,20", "touche 27@40,20"}},
        {"caractère 8 bits", [] { clavier(0xE9, 0, 0); }, {"maj@40,20", "touche 233@40,20"}},
        {"F1", [] { toucheSpecialeAppuyee(1, 0, 0); }, {"maj@40,20", "speciale 1@40,20"}},
        {"flèche bas",
         [] { toucheSpecialeAppuyee(103, 0, 0); },
         {"maj@40,20", "speciale 103@40,20"}},
        // Comme GLUT : une lettre avec Ctrl devient son octet de commande, le reste ne change pas.
        {"Ctrl+v",
         [] { envoieTouche('v', MODIFICATEUR_CTRL); },
         {"maj+2@40,20", "touche 22+2@40,20"}},
        {"Ctrl+Maj+A",
         [] { envoieTouche('A', MODIFICATEUR_CTRL | MODIFICATEUR_MAJ); },
         {"maj+3@40,20", "touche 1+3@40,20"}},
        {"Ctrl+z",
         [] { envoieTouche('z', MODIFICATEUR_CTRL); },
         {"maj+2@40,20", "touche 26+2@40,20"}},
        {"Ctrl+@ reste @",
         [] { envoieTouche('@', MODIFICATEUR_CTRL); },
         {"maj+2@40,20", "touche 64+2@40,20"}},
        {"Alt+a reste a",
         [] { envoieTouche('a', MODIFICATEUR_ALT); },
         {"maj+4@40,20", "touche 97+4@40,20"}},
        {"Maj+flèche gauche",
         [] { envoieToucheSpeciale(100, MODIFICATEUR_MAJ); },
         {"maj+1@40,20", "speciale 100+1@40,20"}},
        {"Maj+appui gauche",
         [] { boutonSourisModifie(BOUTON_GAUCHE, ETAT_ENFONCE, MODIFICATEUR_MAJ); },
         {"maj+1@40,20", "appuiG+1@40,20"}},
        {"relâché sans modificateur : remis à 0 après chaque livraison",
         [] { boutonSouris(BOUTON_GAUCHE, ETAT_RELACHE, 0, 0); },
         {"maj@40,20", "clicG@40,20"}},
    };
    pourChaqueCas(cas, [&](const CasEntree& c) {
        temoin.trace.clear();
        c.action();
        EXPECT_EQ(temoin.trace, c.attendu) << c.nom;
    });
    racine = ancienne;
}

TEST(Entrees, SansRacineRienNArrive)
{
    CContainer* ancienne = racine;
    racine = nullptr;
    clavier(27, 0, 0);
    toucheSpecialeAppuyee(1, 0, 0);
    boutonSouris(BOUTON_GAUCHE, ETAT_ENFONCE, 0, 0);
    mouvementSouris(3, 4);
    EXPECT_EQ(racine, nullptr);
    racine = ancienne;
}
