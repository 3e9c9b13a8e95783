// Tests du panneau des propriétés, piloté au clavier : chaque champ, chaque refus, Échap et
// Annuler, une étape par validation, et sa place dans une fenêtre rapetissée.
#include "ArbreEditeur.h"
#include "TableCas.h"

#include "editor/CPanneauProprietes.h"
#include "editor/LecteurSource.h"
#include "widgets/CSaisie.h"

#include <functional>

namespace
{
const int TAB = 9, CTRL_Z = 26, CLIC_ANNULER = -1;

// De l'arrière vers l'avant : une zone de texte nommée "pris", un bouton, une case, une
// barre, un champ et un choix.
MiseEnPage exemple()
{
    const std::string source =
        "CFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\nsetLimites(PLEIN_ECRAN) ;\n"
        "ajouteObjetGDI(new CTexte(MakeRect(10,10,210,40), \"Zone\"), \"pris\") ;\n"
        "ajouteObjetGDI(new CBouton(MakeRect(10,50,210,145), \"<centre>Bouton\", 1)) ;\n"
        "ajouteObjetGDI(new CCoche(MakeCoord(300,10), false, 0)) ;\n"
        "ajouteObjetGDI(new CProgression(MakeCoord(300,50), 200, true, 0, 50, 100, 0)) ;\n"
        "ajouteObjetGDI(new CSaisie(MakeRect(10,200,210,228), \"abc\", 32)) ;\n"
        "ajouteObjetGDI(new CRadio(MakeCoord(300,200), \"Choix\", 1)) ;\n}\n";
    MiseEnPage m;
    ErreurLecture e;
    EXPECT_TRUE(LecteurSource::lis(source, m, e)) << e.message;
    return m;
}

CPanneauProprietes* panneauDevant(CFenetrePrincipale* f)
{
    return f->enfants.tete ? dynamic_cast<CPanneauProprietes*>(f->enfants.tete->element) : nullptr;
}
} // namespace

class Panneau : public ArbreEditeur
{
  protected:
    void SetUp() override
    {
        ArbreEditeur::SetUp();
        fermeAide();
    }
    // L'objet vivant de rang r, de l'arrière vers l'avant ; nul pour -1.
    CObjetGDI* objet(int r) const
    {
        const std::vector<CObjetGDI*> v = enfants();
        return r < 0 ? nullptr : v[v.size() - 1 - size_t(r)];
    }
};

TEST_F(Panneau, ChaqueChampRefusAnnulationEtUneEtape)
{
    using M = MiseEnPage;
    struct Cas {
        const char* nom;
        int rang;           // objet sélectionné, -1 : la fenêtre
        int tabs;           // Tab depuis le premier champ
        const char* frappe; // nul : Espace (une case)
        int fin;            // Entrée, Échap ou un clic sur Annuler
        std::function<void(M&)> change;
        ChampPanneau fautif = NOMBRE_CHAMPS_PANNEAU; // le refus attendu
    };
    auto o = [](M& m, int r) -> ObjetPlace& { return m.objets[size_t(r)]; };
    const int E = TOUCHE_ENTREE;
    const std::vector<Cas> cas = {
        {"texte balis\xE9", 0, 0, "<b>Salut", E, [&](M& m) { o(m, 0).texte = "<b>Salut"; }},
        {"l\xE9gende", 1, 0, "Connexion", E, [&](M& m) { o(m, 1).texte = "Connexion"; }},
        {"nom", 1, 1, "connexion", E, [&](M& m) { o(m, 1).nom = "connexion"; }},
        {"x au bout", 0, 2, "-32768", E,
         [&](M& m) { o(m, 0).limites = MakeRect(-32768, 10, -32568, 40); }},
        {"y", 0, 3, "300", E, [&](M& m) { o(m, 0).limites = MakeRect(10, 300, 210, 330); }},
        {"largeur minimale", 0, 4, "11", E, [&](M& m) { o(m, 0).limites.basDroite.x = 21; }},
        {"hauteur", 4, 5, "40", E, [&](M& m) { o(m, 4).limites.basDroite.y = 240; }},
        {"coch\xE9"
         "e",
         2, 3, nullptr, E, [&](M& m) { o(m, 2).cochee = true; }},
        {"minimum", 3, 4, "-10", E, [&](M& m) { o(m, 3).minimum = -10; }},
        {"valeur au maximum", 3, 5, "100", E, [&](M& m) { o(m, 3).valeur = 100; }},
        {"maximum", 3, 6, "51", E, [&](M& m) { o(m, 3).maximum = 51; }},
        {"modifiable", 3, 7, nullptr, E, [&](M& m) { o(m, 3).modifiable = false; }},
        {"longueur = contenu", 4, 6, "3", E, [&](M& m) { o(m, 4).longueurMax = 3; }},
        {"groupe", 5, 4, "7", E, [&](M& m) { o(m, 5).groupe = 7; }},
        {"classe", -1, 0, "CConnexion", E, [](M& m) { m.classe = "CConnexion"; }},
        {"largeur de la fen\xEAtre", -1, 1, "600", E,
         [](M& m) { m.pleinEcran = false, m.limites = MakeRect(0, 0, 600, 768); }},
        {"hauteur de la fen\xEAtre", -1, 2, "400", E,
         [](M& m) { m.pleinEcran = false, m.limites = MakeRect(0, 0, 1024, 400); }},
        {"hors 16 bits", 0, 2, "32768", E, nullptr, CHAMP_X},
        {"z\xE9ros de t\xEAte", 0, 3, "0000000000000000000300", E,
         [&](M& m) { o(m, 0).limites = MakeRect(10, 300, 210, 330); }},
        {"vingt chiffres", 0, 3, "99999999999999999999", E, nullptr, CHAMP_Y},
        {"pas un nombre", 0, 3, "12a", E, nullptr, CHAMP_Y},
        {"sous la taille minimale", 0, 4, "10", E, nullptr, CHAMP_LARGEUR},
        {"bord droit hors 16 bits", 0, 2, "32760", E, nullptr, CHAMP_LARGEUR},
        {"minimum au-dessus du maximum", 3, 4, "101", E, nullptr, CHAMP_MINIMUM},
        {"valeur hors de la barre", 3, 5, "101", E, nullptr, CHAMP_VALEUR},
        {"longueur sous le contenu", 4, 6, "2", E, nullptr, CHAMP_TEXTE},
        {"nom pas identifiant", 1, 1, "1abc", E, nullptr, CHAMP_NOM},
        {"nom d\xE9j\xE0 pris", 1, 1, "pris", E, nullptr, CHAMP_NOM},
        // Deux refus : le premier dans l'ordre de Tab, le nom avant x.
        {"nom puis x refus\xE9s", 1, 1, "1abc\t99999", E, nullptr, CHAMP_NOM},
        {"classe r\xE9serv\xE9"
         "e",
         -1, 0, "CBouton", E, nullptr, CHAMP_CLASSE},
        {"\xC9\x63hap", 0, 0, "Autre", TOUCHE_ECHAP, nullptr},
        {"Annuler", 3, 4, "-10", CLIC_ANNULER, nullptr},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        fenetre->ouvreMiseEnPage(exemple());
        objetSelectionne = objet(c.rang);
        const MiseEnPage avant = fenetre->miseEnPage();
        speciale(TOUCHE_F2);
        CPanneauProprietes* p = panneauDevant(fenetre);
        ASSERT_NE(p, nullptr);
        CSaisie* premier = p->saisie(p->champs().front());
        EXPECT_EQ(p->focus(), premier);
        EXPECT_EQ(premier->finSelection() - premier->debutSelection(),
                  int(premier->contenu().size()));
        for (int i = 0; i < c.tabs; ++i)
            touche(TAB);
        for (const char* t = c.frappe ? c.frappe : " "; *t; ++t)
            touche(*t);
        if (c.fin == CLIC_ANNULER)
            clique(marges() + p->limites.hautGauche +
                   MakeCoord(p->skin.margeGauche, p->skin.margeHaut) +
                   p->boutonAnnuler->limites.hautGauche + MakeCoord(40, 40));
        else
            touche(c.fin);
        tic();
        MiseEnPage attendue = avant;
        if (c.change)
            c.change(attendue);
        EXPECT_TRUE(fenetre->miseEnPage() == attendue);
        EXPECT_EQ(fenetre->etapesAnnulables(), c.change ? 1u : 0u);
        if (c.fautif != NOMBRE_CHAMPS_PANNEAU) {
            // Refusé : le panneau reste, le champ fautif au focus ; Ctrl+Z et F2 vont au panneau.
            ASSERT_EQ(panneauDevant(fenetre), p);
            EXPECT_EQ(p->focus(), p->saisie(c.fautif)) << p->erreur();
            EXPECT_NE(p->erreur(), "");
            speciale(TOUCHE_F2);
            touche(CTRL_Z);
            EXPECT_EQ(enfants()[1], objet(5)) << "un second panneau";
            touche(TOUCHE_ECHAP);
            tic();
            EXPECT_TRUE(fenetre->miseEnPage() == avant);
        }
        EXPECT_EQ(panneauDevant(fenetre), nullptr);
        EXPECT_EQ(objetSelectionne, objet(c.rang)) << "la s\xE9lection suit l'objet";
        EXPECT_EQ(nombreFins, 0);
        touche(CTRL_Z);
        EXPECT_TRUE(fenetre->miseEnPage() == avant);
    });
}

TEST_F(Panneau, DansCeQueMontreUneFenetreRapetissee)
{
    // Le panneau de la barre, le plus haut : centré dans la vue de la fenêtre éditée où il
    // tient, collé à son début sur l'axe où il ne tient pas (la dernière : aucun).
    // L'aide ouverte avant la réouverture est placée de même ; F1 la centre dans la zone client
    // (plus grande, elle en déborde), dans la vue quand la fenêtre sort de l'écran.
    const struct {
        Rect fenetre, panneau, aide, aideF1;
    } cas[] = {
        {MakeRect(0, 0, 640, 600), MakeRect(90, 64, 530, 489), MakeRect(77, 112, 543, 441),
         MakeRect(77, 112, 543, 441)},
        // À demi hors de l'écran : la vue est la zone client de (93,20) à (780,504).
        {MakeRect(-100, -50, 700, 500), MakeRect(216, 49, 656, 474), MakeRect(203, 97, 669, 426),
         MakeRect(203, 97, 669, 426)},
        {MakeRect(0, 0, 300, 200), MakeRect(0, 0, 440, 425), MakeRect(0, 0, 466, 329),
         MakeRect(-93, -87, 373, 242)},
    };
    pourChaqueCas(cas, [&](const auto& c) {
        MiseEnPage m = exemple();
        m.pleinEcran = false;
        m.limites = c.fenetre;
        speciale(TOUCHE_F1);
        fenetre->ouvreMiseEnPage(m);
        EXPECT_EQ(decrit(enfants().front()->limites), decrit(c.aide));
        fermeAide();
        speciale(TOUCHE_F1);
        EXPECT_EQ(decrit(enfants().front()->limites), decrit(c.aideF1));
        fermeAide();
        objetSelectionne = objet(3);
        speciale(TOUCHE_F2);
        ASSERT_NE(panneauDevant(fenetre), nullptr);
        EXPECT_EQ(decrit(panneauDevant(fenetre)->limites), decrit(c.panneau));
        touche(TOUCHE_ECHAP);
        tic();
    });
}
