// Tests des commandes de l'éditeur : aide et menu au premier plan, +, -, Suppr, Échap et le
// fichier source écrit en quittant.
#include "ArbreEditeur.h"
#include "TableCas.h"

#include "editor/CFenetreMessage.h"
#include "editor/ExportSource.h"
#include "widgets/CCoche.h"

TEST_F(ArbreEditeur, AideOuverteAuDepartEtCentree)
{
    ASSERT_EQ(enfants().size(), 1u);
    CFenetreMessage* aide = dynamic_cast<CFenetreMessage*>(enfants().front());
    ASSERT_NE(aide, nullptr);
    EXPECT_TRUE(aide->modal);
    const Rect client = fenetre->zoneClient();
    EXPECT_EQ(aide->limites.hautGauche.x, (client.largeur() - aide->limites.largeur()) / 2);
    EXPECT_EQ(aide->limites.hautGauche.y, (client.hauteur() - aide->limites.hauteur()) / 2);

    // Avec l'aide devant, F1 n'en ouvre pas une deuxième, et un appui ne sélectionne rien.
    speciale(TOUCHE_F1);
    tic();
    EXPECT_EQ(enfants().size(), 1u);
    objetSelectionne = fenetre;
    va(5, 5);
    appuie();
    EXPECT_EQ(objetSelectionne, nullptr);
    EXPECT_FALSE(boutonEnfonce);
    relache();

    // Échap ferme l'aide sans quitter ; l'Échap suivant quitte.
    touche(TOUCHE_ECHAP);
    tic();
    EXPECT_TRUE(enfants().empty());
    EXPECT_EQ(nombreFins, 0);
    speciale(TOUCHE_F1);
    tic();
    EXPECT_NE(dynamic_cast<CFenetreMessage*>(enfants().front()), nullptr);
    // Quitter avec l'aide ouverte écrit un source sans objet : l'aide n'a pas de ligne.
    quitte();
    EXPECT_EQ(nombreFins, 1);
    EXPECT_EQ(racine, nullptr);
    EXPECT_EQ(fenetrePrincipale, nullptr);
    EXPECT_EQ(
        lignesFichier(NOM_FICHIER_SOURCE),
        (std::vector<std::string>{"", "CFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)",
                                  "{", "\tsetLimites(PLEIN_ECRAN) ;", "}"}));
}

TEST_F(ArbreEditeur, MenuDeSelection)
{
    fermeAide();
    struct Cas {
        const char* nom;
        int touches[2];   // touches avant le clic, 0 pour aucune
        int icone;        // icône cliquée, -1 pour aucune
        bool appuiDehors; // l'appui commence hors du menu
        int modeAttendu;
        bool menuOuvert;
    } cas[] = {
        {"sixième icône", {TOUCHE_ESPACE, 0}, 5, false, 5, false},
        {"première icône", {TOUCHE_ESPACE, 0}, 0, false, 0, false},
        {"quatrième icône", {TOUCHE_ESPACE, 0}, 3, false, 3, false},
        {"Échap garde le mode", {TOUCHE_ESPACE, TOUCHE_ECHAP}, -1, false, 3, false},
        {"Entrée garde le mode", {TOUCHE_ESPACE, TOUCHE_ENTREE}, -1, false, 3, false},
        {"Espace deux fois", {TOUCHE_ESPACE, TOUCHE_ESPACE}, -1, false, 3, false},
        {"appui dehors, relâché sur une icône", {TOUCHE_ESPACE, 0}, 1, true, 3, true},
        {"autre touche", {TOUCHE_ESPACE, 'a'}, -1, false, 3, true},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        for (int t : c.touches) {
            if (t)
                touche(t);
            tic();
        }
        if (c.icone >= 0) {
            ASSERT_NE(dynamic_cast<CSelectionObjetGDI*>(enfants().front()), nullptr);
            const Coord icone = centreIcone(c.icone);
            va(c.appuiDehors ? MakeCoord(100, 100) : icone);
            appuie();
            va(icone);
            relache();
            tic();
        }
        EXPECT_EQ(fenetre->typeAAjouter, c.modeAttendu);
        EXPECT_EQ(!enfants().empty() &&
                      dynamic_cast<CSelectionObjetGDI*>(enfants().front()) != nullptr,
                  c.menuOuvert);
        EXPECT_EQ(nombreFins, 0);
        // Le menu encore ouvert se ferme pour le cas suivant.
        if (c.menuOuvert) {
            touche(TOUCHE_ECHAP);
            tic();
        }
        EXPECT_TRUE(enfants().empty());
    });
}

TEST_F(ArbreEditeur, PlusMoinsEtSuppr)
{
    fermeAide();
    // Trois textes A, B, C posés l'un après l'autre, de noms distincts par leur place.
    const Rect places[] = {MakeRect(10, 10, 110, 60), MakeRect(60, 40, 160, 90),
                           MakeRect(110, 70, 210, 120)};
    std::vector<CObjetGDI*> poses;
    for (Rect r : places) {
        choisit(TYPE_TEXTE);
        glisse(r.hautGauche + marges(), r.basDroite + marges());
        poses.push_back(enfants().front());
    }
    CObjetGDI *a = poses[0], *b = poses[1], *c = poses[2];
    typedef std::vector<CObjetGDI*> V;
    ASSERT_EQ(enfants(), (V{c, b, a}));

    struct Cas {
        const char* nom;
        CObjetGDI* selection;
        int touche;
        V ordre;
    } cas[] = {
        {"+ sur le premier plan", c, TOUCHE_PLUS, {c, b, a}},
        {"+ sur l'arrière", a, TOUCHE_PLUS, {a, c, b}},
        {"- sur le premier plan", a, TOUCHE_MOINS, {c, b, a}},
        {"- sur l'arrière", a, TOUCHE_MOINS, {c, b, a}},
        {"- au milieu", b, TOUCHE_MOINS, {c, a, b}},
        {"+ sans sélection", nullptr, TOUCHE_PLUS, {c, a, b}},
        {"Suppr sans sélection", nullptr, TOUCHE_SUPPR, {c, a, b}},
        {"Entrée ne fait rien", b, TOUCHE_ENTREE, {c, a, b}},
    };
    pourChaqueCas(cas, [&](const Cas& k) {
        objetSelectionne = k.selection;
        touche(k.touche);
        tic();
        EXPECT_EQ(enfants(), k.ordre);
        EXPECT_EQ(objetSelectionne, k.selection);
    });

    // Avec l'aide devant, les commandes sont coupées.
    objetSelectionne = a;
    speciale(TOUCHE_F1);
    touche(TOUCHE_PLUS);
    touche(TOUCHE_SUPPR);
    tic();
    const V avecAide = enfants();
    ASSERT_EQ(avecAide.size(), 4u);
    EXPECT_NE(dynamic_cast<CFenetreMessage*>(avecAide[0]), nullptr);
    EXPECT_EQ(V(avecAide.begin() + 1, avecAide.end()), (V{c, a, b}));
    EXPECT_EQ(objetSelectionne, a);
    fermeAide();

    // Suppr pendant que le bouton est tenu sur l'objet : ni la capture ni la sélection ne le
    // gardent, et la suite du glissement ne touche à rien.
    va(marges() + MakeCoord(30, 30)); // sur A seul, loin de ses bords
    appuie();
    ASSERT_EQ(objetSelectionne, a);
    ASSERT_EQ(fenetre->capture, a);
    touche(TOUCHE_SUPPR);
    EXPECT_EQ(objetSelectionne, nullptr);
    EXPECT_EQ(fenetre->capture, nullptr);
    EXPECT_EQ(enfants(), (V{c, b}));
    va(marges() + MakeCoord(300, 300));
    tic();
    relache();
    tic();
    EXPECT_EQ(enfants(), (V{c, b}));
    EXPECT_EQ(decrit(b->limites), decrit(places[1]));
}

TEST_F(ArbreEditeur, SourceEcritEnQuittant)
{
    fermeAide();
    // Un texte, un bouton, une case et une barre, posés dans cet ordre.
    struct Pose {
        int type;
        Coord a, b;
    } poses[] = {
        {TYPE_TEXTE, {17, 40}, {217, 90}},          {TYPE_BOUTON, {300, 200}, {200, 100}},
        {TYPE_COCHE, {620, 140}, {600, 160}},       {TYPE_IMAGE, {400, 300}, {500, 420}},
        {TYPE_PROGRESSION, {700, 500}, {580, 540}},
    };
    for (const Pose& p : poses) {
        choisit(p.type);
        glisse(p.a, p.b);
    }
    // L'image passe devant, puis la barre derrière tout ; la case est supprimée.
    objetSelectionne = enfants()[1];
    touche(TOUCHE_PLUS);
    objetSelectionne = enfants()[1];
    touche(TOUCHE_MOINS);
    objetSelectionne = enfants()[1];
    ASSERT_NE(dynamic_cast<CCoche*>(objetSelectionne), nullptr);
    touche(TOUCHE_SUPPR);
    // La fenêtre réduite par son bord bas.
    va(500, 760);
    appuie();
    va(500, 499);
    relache();
    tic();
    touche(TOUCHE_ECHAP);
    ASSERT_EQ(nombreFins, 1);
    // Du plus en arrière au plus en avant : rejouées dans cet ordre, les lignes rebâtissent
    // l'empilement vu à l'écran.
    EXPECT_EQ(lignesFichier(NOM_FICHIER_SOURCE),
              (std::vector<std::string>{
                  "",
                  "CFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)",
                  "{",
                  "\tsetLimites(MakeRect(0,0,1024,500)) ;",
                  "\tajouteObjetGDI(new CProgression(MakeCoord(693,470), 120, true, 0, 50, 100, "
                  "PROGRESSION_SKIN_DEFAUT)) ;",
                  "\tajouteObjetGDI(new CTexte(MakeRect(10,10,210,60), \"Zone de texte\")) ;",
                  "\tajouteObjetGDI(new CBouton(MakeRect(193,70,350,165), \"<centre>Bouton\", "
                  "BOUTON_SKIN_ROND_VARIABLE)) ;",
                  "\tajouteObjetGDI(new CImage(MakeRect(393,270,493,390), BMP_)) ;",
                  "}",
              }));
}

TEST_F(ArbreEditeur, CommandesLuesSurLOctetBas)
{
    fermeAide();
    // Deux textes A puis B, B devant ; les touches portent des bits au-dessus de l'octet bas.
    choisit(TYPE_TEXTE);
    glisse(MakeCoord(50, 80), MakeCoord(150, 130));
    CObjetGDI* a = enfants().front();
    choisit(TYPE_TEXTE);
    glisse(MakeCoord(300, 80), MakeCoord(400, 130));
    CObjetGDI* b = enfants().front();
    typedef std::vector<CObjetGDI*> V;
    ASSERT_EQ(enfants(), (V{b, a}));

    struct Cas {
        const char* nom;
        bool speciale;
        int code;
        V ordre; // vide : le menu est devant
    } cas[] = {
        {"+ et 256", false, TOUCHE_PLUS + 256, {a, b}},
        {"- et 0x300", false, TOUCHE_MOINS + 0x300, {b, a}},
        {"F1 et 256 : pas F1", true, TOUCHE_F1 + 256, {b, a}},
        {"octet bas de F1 sur une touche : rien", false, TOUCHE_F1, {b, a}},
        {"Suppr et 256", false, TOUCHE_SUPPR + 256, {b}},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        objetSelectionne = a; // détruit seulement par la dernière ligne
        if (c.speciale)
            fenetre->toucheSpeciale(c.code);
        else
            fenetre->toucheClavier(c.code);
        tic();
        EXPECT_EQ(enfants(), c.ordre);
    });
    EXPECT_EQ(objetSelectionne, nullptr);

    // Espace ouvre le menu, qui lit lui aussi l'octet bas ; Échap le ferme sans quitter.
    fenetre->toucheClavier(TOUCHE_ESPACE + 256);
    ASSERT_NE(dynamic_cast<CSelectionObjetGDI*>(enfants().front()), nullptr);
    fenetre->toucheClavier(TOUCHE_ECHAP + 256);
    tic();
    EXPECT_EQ(enfants(), (V{b}));
    EXPECT_EQ(nombreFins, 0);
}

TEST_F(ArbreEditeur, GestionnairesDeLaFenetreEditeeApresCeuxDuConteneurEtDeLaFenetre)
{
    typedef std::vector<MethodeGestionnaire> M;
    auto m = [](auto methode) { return static_cast<MethodeGestionnaire>(methode); };
    struct Cas {
        TypeEvenement liste;
        M attendu;
    } cas[] = {
        {EVT_APPUI_GAUCHE,
         {m(&CContainer::appuiGauche), m(&CFenetre::debutDeplacement),
          m(&CFenetrePrincipale::appuiEdition)}},
        {EVT_CLIC_GAUCHE,
         {m(&CContainer::clicGauche), m(&CFenetre::finDeplacement),
          m(&CFenetrePrincipale::relacheEdition)}},
        {EVT_DESSIN, {m(&CContainer::dessine), m(&CFenetrePrincipale::dessineEdition)}},
        {EVT_MISE_A_JOUR, {m(&CContainer::miseAJour), m(&CFenetrePrincipale::miseAJourEdition)}},
        {EVT_RELACHE_GAUCHE_DEHORS,
         {m(&CContainer::relacheGaucheDehors), m(&CFenetre::finDeplacement),
          m(&CFenetrePrincipale::relacheDehorsEdition)}},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SCOPED_TRACE(c.liste);
        M obtenu;
        for (Noeud<Gestionnaire*>* n = fenetre->evenements[c.liste].tete; n; n = n->suivant) {
            EXPECT_EQ(n->element->objet, fenetre);
            obtenu.push_back(n->element->methode);
        }
        EXPECT_TRUE(obtenu == c.attendu) << obtenu.size() << " gestionnaires";
    });
}
