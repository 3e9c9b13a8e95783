// Fonctions et méthodes inscrites sur les mêmes listes : ordre d'inscription, inscription
// pendant un déclenchement, libération des fonctions.
#include "widgets/CObjetGDI.h"
#include "widgets/CRelaisFonction.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> trace;

class CTemoin : public CObjetGDI
{
  public:
    void note(CObjetGDI* emetteur) { trace.push_back(emetteur == this ? "M=" : "M"); }
};
} // namespace

TEST(GestionnaireFonction, MeleesAuxMethodesDansLOrdreDInscription)
{
    // Une méthode ne coûte rien de plus : son enregistrement n'a que l'objet, la méthode et ses
    // drapeaux d'inscription.
    EXPECT_LE(sizeof(Gestionnaire), sizeof(CObjetGDI*) + sizeof(MethodeGestionnaire) + 8);
    trace.clear();
    CTemoin o;
    ListeGestionnaires& l = o.evenements[EVT_CLIC_GAUCHE];
    auto capture = std::make_shared<int>(0);
    ajouteGestionnaire(l, [&o](CObjetGDI* e) { trace.push_back(e == &o ? "L1=" : "L1"); });
    ajouteGestionnaire(l, &o, &CTemoin::note);
    bool inscrit = false;
    ajouteGestionnaire(l, [&, capture](CObjetGDI*) {
        trace.push_back("L2");
        if (inscrit)
            return;
        inscrit = true;
        // Ajoutées pendant le déclenchement : appelées dans ce même déclenchement.
        ajouteGestionnaire(l, [](CObjetGDI*) { trace.push_back("L3"); });
        ajouteGestionnaire(l, &o, &CTemoin::note);
    });
    // Une fonction vide et un objet nul ne sont pas inscrits.
    ajouteGestionnaire(l, std::function<void(CObjetGDI*)>());
    ajouteGestionnaire(l, static_cast<CObjetGDI*>(nullptr), &CObjetGDI::demandeFermeture);
    EXPECT_EQ(l.nombre, 3);

    declenche(l, &o);
    EXPECT_EQ(trace, (std::vector<std::string>{"L1=", "M=", "L2", "L3", "M="}));
    trace.clear();
    declenche(l, nullptr);
    EXPECT_EQ(trace, (std::vector<std::string>{"L1", "M", "L2", "L3", "M"}));

    // La liste vidée libère les fonctions et ce qu'elles tiennent.
    EXPECT_EQ(capture.use_count(), 2);
    l.vide();
    EXPECT_EQ(capture.use_count(), 1);
}

namespace
{
// Un relais à soi, qui dit s'il a été détruit.
class CRelaisAMoi : public CRelaisFonction
{
  public:
    bool* detruit;
    explicit CRelaisAMoi(bool* d) : CRelaisFonction([](CObjetGDI*) {}), detruit(d) {}
    ~CRelaisAMoi() override { *detruit = true; }
};
} // namespace

TEST(GestionnaireFonction, UnRelaisInscritParLeProgrammeResteLeSien)
{
    // La méthode des relais inscrite avec un objet du programme : la liste ne le détruit pas ;
    // celui qu'elle a créé pour une fonction, si.
    bool detruit = false;
    CRelaisAMoi* mien = new CRelaisAMoi(&detruit);
    {
        ListeGestionnaires l;
        ajouteGestionnaire(l, static_cast<CRelaisFonction*>(mien), &CRelaisFonction::appelle);
        declenche(l, nullptr);
    }
    EXPECT_FALSE(detruit);
    delete mien;
    EXPECT_TRUE(detruit);
}
