// Tests du fond de lanceApplication : Échap arrête la boucle, les autres touches vont à la
// fenêtre de premier plan, par les mêmes rappels d'entrée que l'éditeur.
#include "application/CFondApplication.h"
#include "application/Boucle.h"
#include "application/Entrees.h"
#include "application/Plateforme.h"

#include "TableCas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> recu;

class CFenetreTemoin : public CFenetre
{
  public:
    CFenetreTemoin() : CFenetre(-1) { setLimites(MakeRect(0, 0, 300, 200)); }
    void toucheClavier(int touche) override { recu.push_back("touche " + std::to_string(touche)); }
    void toucheSpeciale(int touche) override
    {
        recu.push_back("speciale " + std::to_string(touche));
    }
};
} // namespace

TEST(CFondApplication, EchapArreteLaBoucleLeResteVaALaFenetreDevant)
{
    CContainer* ancienne = racine;
    const Plateforme anciennePlateforme = plateforme;
    plateforme.arreteBoucle = [] { recu.push_back("arrete"); };
    CFondApplication fond;
    racine = &fond;
    CFenetreTemoin* fenetre = new CFenetreTemoin;
    fond.ajouteObjetGDI(fenetre);
    // Ajoutée au fond plein écran, la fenêtre y est centrée.
    EXPECT_TRUE(fenetre->limites == MakeRect(362, 284, 662, 484));

    const struct {
        const char* nom;
        std::function<void()> entree;
        std::vector<std::string> attendu;
    } cas[] = {
        {"Échap", [] { clavier(27, 0, 0); }, {"arrete"}},
        {"lettre", [] { clavier('a', 0, 0); }, {"touche 97"}},
        {"Entrée", [] { clavier(13, 0, 0); }, {"touche 13"}},
        // Une touche spéciale de code 27 n'est pas Échap.
        {"touche spéciale 27", [] { toucheSpecialeAppuyee(27, 0, 0); }, {"speciale 27"}},
        {"F1", [] { toucheSpecialeAppuyee(1, 0, 0); }, {"speciale 1"}},
    };
    pourChaqueCas(cas, [&](const auto& c) {
        recu.clear();
        c.entree();
        EXPECT_EQ(recu, c.attendu) << c.nom;
    });

    // Sans fenêtre devant, Échap arrête encore ; les autres touches ne vont nulle part.
    delete fenetre;
    fond.ajouteObjetGDI(new CObjetGDI);
    recu.clear();
    clavier('a', 0, 0);
    clavier(27, 0, 0);
    EXPECT_EQ(recu, std::vector<std::string>{"arrete"});

    racine = ancienne;
    plateforme = anciennePlateforme;
}
