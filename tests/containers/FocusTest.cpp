// Focus du clavier : une table de suites de touches et de clics sur une vraie fenêtre sous le fond
// de lanceApplication, chaque pas notant ce qu'il a déclenché puis qui a le focus.
#include "application/Boucle.h"
#include "application/CFondApplication.h"
#include "application/Entrees.h"
#include "application/Plateforme.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CRadio.h"
#include "widgets/CTexte.h"
#include "widgets/Clavier.h"

#include "../widgets/DessinEnregistre.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::string journal;

// Une fenêtre qui remplace toucheClavier sans appeler celle de CFenetre, comme avant.
class CFenetreAncienne : public CFenetre
{
  public:
    CFenetreAncienne() : CFenetre(-1) {}
    void toucheClavier(int touche) override { journal += "k" + std::to_string(touche); }
};

// A, T, C, K(R1, D, R2), B ajoutés dans cet ordre ; D a ses événements coupés. Sans objet qui
// prend le focus (sansFocus), une zone de texte seule.
struct Arbre {
    CFondApplication fond;
    CFenetre* fenetre;
    std::map<std::string, CObjetGDI*> noms;
    CRadio *r1 = nullptr, *r2 = nullptr;
    // Les objets retirés, détruits avant le fond : leur parent vit encore.
    std::vector<std::unique_ptr<CObjetGDI>> retires;

    explicit Arbre(int genre)
    {
        fenetre = genre == 2 ? new CFenetreAncienne : new CFenetre(-1);
        fenetre->setLimites(MakeRect(0, 0, 600, 400));
        fond.ajouteObjetGDI(fenetre);
        fenetre->setLimites(MakeRect(0, 0, 600, 400));
        ajoute(fenetre, "T", new CTexte(MakeRect(370, 10, 450, 40), "T"));
        if (genre == 1 || genre == 2)
            return;
        ajoute(fenetre, "A", new CBouton(MakeRect(10, 10, 0, 0), "A", BOUTON_SKIN_ROND_VARIABLE));
        ajoute(fenetre, "C", new CCoche(MakeCoord(10, 120), false, COCHE_SKIN_DEFAUT, "Case"));
        CContainer* k = new CContainer(-1);
        k->limites = MakeRect(10, 170, 400, 390);
        ajoute(fenetre, "K", k);
        ajoute(k, "R1", r1 = new CRadio(MakeCoord(0, 0), "Un", 1));
        ajoute(k, "D", new CBouton(MakeRect(100, 0, 0, 0), "D", BOUTON_SKIN_ROND_VARIABLE));
        noms["D"]->desactiveEvenements();
        ajoute(k, "R2", r2 = new CRadio(MakeCoord(0, 140), "Deux", 1));
        ajoute(fenetre, "B", new CBouton(MakeRect(200, 10, 0, 0), "B", BOUTON_SKIN_ROND_VARIABLE));
        for (const char* n : {"A", "B"})
            ajouteGestionnaire(noms[n]->evenements[EVT_CLIC_GAUCHE],
                               [n](CObjetGDI*) { journal += n; });
        if (genre == 3) {
            CFenetre* dialogue = new CFenetre(-1);
            dialogue->setLimites(MakeRect(0, 0, 200, 120));
            dialogue->modal = true;
            ajoute(fenetre, "dialogue", dialogue);
            ajoute(dialogue, "M",
                   new CBouton(MakeRect(10, 10, 0, 0), "M", BOUTON_SKIN_ROND_VARIABLE));
            ajouteGestionnaire(noms["M"]->evenements[EVT_CLIC_GAUCHE],
                               [](CObjetGDI*) { journal += "M"; });
        }
        ajouteGestionnaire(noms["C"]->evenements[EVT_CLIC_GAUCHE], [this](CObjetGDI*) {
            journal += static_cast<CCoche*>(noms["C"])->cochee ? "C1" : "C0";
        });
        for (CRadio* r : {r1, r2})
            ajouteGestionnaire(r->changementChoix, [this](CObjetGDI*) {
                journal += std::string("R") + (r1->choisi ? "1" : "") + (r2->choisi ? "2" : "");
            });
    }
    void ajoute(CContainer* dans, const char* nom, CObjetGDI* o)
    {
        dans->ajouteObjetGDI(o);
        noms[nom] = o;
    }
    std::string focus()
    {
        if (!fond.fenetreDevant())
            return "@";
        CFenetre* f = fenetre->fenetreDevant() ? fenetre->fenetreDevant() : fenetre;
        for (auto& [nom, o] : noms)
            if (f->focus() == o)
                return "@" + nom;
        return f->focus() ? "@?" : "@-";
    }
    // Un clic au point (x, y) de la fenêtre, ou à (x, y) du coin de l'objet nommé.
    void clic(const std::string& nom, int x, int y)
    {
        Coord p = MakeCoord(x, y);
        for (CObjetGDI* o = nom.empty() ? nullptr : noms[nom]; o && o != fenetre; o = o->parent)
            p = p + o->limites.hautGauche;
        mouvementSouris(p.x, p.y);
        boutonSouris(BOUTON_GAUCHE, ETAT_ENFONCE, p.x, p.y);
        boutonSouris(BOUTON_GAUCHE, ETAT_RELACHE, p.x, p.y);
    }
    // Un pas : "tab", "maj+tab", "ctrl+tab", "entree", "echap", "espace", "a", "bas", "droite",
    // "clic X" (au milieu de X), "clic vide", "legende" (sur la légende de la case),
    // "retire X", "detruit X", "detruit fenetre", "defaut X", "annuler X".
    void pas(const std::string& p)
    {
        std::istringstream s(p);
        std::string verbe, objet;
        s >> verbe >> objet;
        const std::map<std::string, std::pair<int, int>> touches = {
            {"tab", {9, 0}},
            {"maj+tab", {9, MODIFICATEUR_MAJ}},
            {"ctrl+tab", {9, MODIFICATEUR_CTRL}},
            {"entree", {13, 0}},
            {"echap", {27, 0}},
            {"espace", {32, 0}},
            {"a", {'a', 0}}};
        if (touches.count(verbe))
            clavierModifie(touches.at(verbe).first, touches.at(verbe).second);
        else if (verbe == "bas" || verbe == "droite" || verbe == "haut")
            toucheSpecialeModifiee(verbe == "bas" ? 103 : verbe == "droite" ? 102 : 101, 0);
        else if (verbe == "clic")
            objet == "vide" ? clic("", 500, 350)
                            : clic(objet, noms[objet]->limites.largeur() / 2,
                                   noms[objet]->limites.hauteur() / 2);
        else if (verbe == "legende")
            clic("C", 50, 16); // la case fait 32 de large
        else if (verbe == "retire") {
            noms[objet]->parent->retireObjetGDI(noms[objet]);
            retires.emplace_back(noms[objet]);
        } else if (verbe == "detruit" && objet == "fenetre")
            delete fenetre;
        else if (verbe == "detruit") {
            // K emporte R1, D et R2 : leurs noms ne sont plus à chercher.
            delete noms[objet];
            if (objet == "K")
                noms.erase("R1"), noms.erase("D"), noms.erase("R2");
            noms.erase(objet);
        } else if (verbe == "defaut")
            fenetre->boutonParDefaut = static_cast<CBouton*>(noms[objet]);
        else if (verbe == "annuler")
            fenetre->boutonAnnuler = static_cast<CBouton*>(noms[objet]);
    }
};

class Focus : public EssaiDessin
{
};
} // namespace

TEST_F(Focus, TouchesEtClicsSurUneFenetre)
{
    const struct {
        const char* nom;
        // 0 : la fenêtre complète ; 1 : sans objet qui prend le focus ; 2 : ancienne ; 3 : la
        // complète et, devant, une fenêtre modale qui porte le bouton M.
        int genre;
        std::vector<std::string> pas;
        std::string attendu; // ce que chaque pas a déclenché, puis @focus
    } cas[] = {
        {"Tab dans l'ordre d'ajout, D coupé sauté, retour au début",
         0,
         {"tab", "tab", "tab", "tab", "tab", "tab"},
         "@A @C @R1 @R2 @B @A"},
        {"Maj+Tab depuis rien part de la fin ; Ctrl+Tab ne bouge rien",
         0,
         {"maj+tab", "maj+tab", "ctrl+tab", "maj+tab"},
         "@B @R2 @R2 @R1"},
        {"un clic donne le focus, ailleurs il l'ôte",
         0,
         {"clic C", "clic T", "clic B", "clic vide", "clic R2", "clic D"},
         "C1@C @- B@B @- R2@R2 @-"},
        {"la légende est cliquable", 0, {"legende", "legende"}, "C1@C C0@C"},
        {"retirer le focus l'oublie ; Tab ne le retrouve plus",
         0,
         {"tab", "retire A", "tab", "a"},
         "@A @- @C @C"},
        {"détruire le conteneur du focus", 0, {"clic R1", "detruit K", "maj+tab"}, "R1@R1 @- @B"},
        {"détruire la fenêtre du focus ; le fond vide finit à chaque entrée",
         0,
         {"clic B", "detruit fenetre", "tab", "echap"},
         "B@B @ fin@ finfin@"},
        {"Entrée actionne le bouton par défaut, sauf sur un bouton qui la prend",
         0,
         {"defaut B", "entree", "tab", "tab", "entree", "maj+tab", "entree"},
         "@- B@- @A @C B@C @A A@A"},
        {"Échap actionne le bouton d'annulation sans finir ; sans lui, Échap finit",
         0,
         {"echap", "annuler A", "tab", "tab", "echap", "retire A", "echap"},
         "fin@- @- @A @C A@C @C fin@C"},
        {"Espace actionne le bouton, bascule la case, choisit le rond",
         0,
         {"tab", "espace", "tab", "espace", "espace", "tab", "espace", "espace"},
         "@A A@A @C C1@C C0@C @R1 R1@R1 @R1"},
        {"les flèches choisissent dans le groupe et y emmènent le focus",
         0,
         {"clic R1", "bas", "droite", "haut", "tab", "bas"},
         "R1@R1 R2@R2 R1@R1 R2@R2 @B @B"},
        {"un bouton par défaut retiré ou détruit est oublié",
         0,
         {"defaut B", "retire B", "entree", "annuler A", "detruit A", "echap"},
         "@- @- @- @- @- fin@-"},
        {"une fenêtre modale devant reçoit seule les touches",
         3,
         {"tab", "espace", "tab", "entree", "echap"},
         "@M M@M @M M@M fin@M"},
        {"sans objet qui prend le focus, chaque touche comme avant",
         1,
         {"tab", "maj+tab", "entree", "espace", "a", "bas", "clic T", "echap"},
         "@- @- @- @- @- @- @- fin@-"},
        {"fenêtre qui remplace toucheClavier : tout lui va, Échap finit sans lui parvenir",
         2,
         {"tab", "entree", "a", "echap"},
         "k9@- k13@- k97@- fin@-"},
    };
    const Plateforme ancienne = plateforme;
    CContainer* ancienneRacine = racine;
    plateforme.arreteBoucle = [] { journal += "fin"; };
    pourChaqueCas(cas, [&](const auto& c) {
        Arbre arbre(c.genre);
        racine = &arbre.fond;
        std::string vu;
        for (const std::string& p : c.pas) {
            journal.clear();
            arbre.pas(p);
            vu += (vu.empty() ? "" : " ") + journal + arbre.focus();
        }
        EXPECT_EQ(vu, c.attendu);
        racine = ancienneRacine;
    });
    plateforme = ancienne;
}
