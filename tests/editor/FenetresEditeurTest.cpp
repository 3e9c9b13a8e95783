// Tests des fenêtres de l'éditeur hors édition : fenêtre de message, fenêtre de fond et dessin
// du menu de sélection.
#include "ArbreEditeur.h"
#include "TableCas.h"

#include "editor/CFenetreMessage.h"
#include "render/LotGL.h"
#include "render/SkinContainer.h"
#include "text/Texte.h"
#include "widgets/CTexte.h"

namespace
{
// Un témoin qui compte les appuis et les clics reçus par un bouton.
class CCompteur : public CObjetGDI
{
  public:
    std::vector<std::string>* trace;
    explicit CCompteur(std::vector<std::string>* t) : trace(t) {}
    void appui(CObjetGDI*) { trace->push_back("appui"); }
    void clic(CObjetGDI*) { trace->push_back("clic"); }
    void ecoute(CObjetGDI* bouton)
    {
        ajouteGestionnaire(bouton->evenements[EVT_APPUI_GAUCHE], this, &CCompteur::appui);
        ajouteGestionnaire(bouton->evenements[EVT_CLIC_GAUCHE], this, &CCompteur::clic);
    }
};

CTexte* zoneTexte(CFenetreMessage& f)
{
    for (Noeud<CObjetGDI*>* n = f.enfants.tete; n; n = n->suivant)
        if (CTexte* t = dynamic_cast<CTexte*>(n->element))
            return t;
    return nullptr;
}
} // namespace

TEST_F(ArbreEditeur, MiseEnPageDuMessage)
{
    const char* texte = "<b>Un message<br>sur deux lignes";
    const SkinContainer& beige = skinsContainer[CONTAINER_SKIN_BEIGE];
    for (bool deux : {false, true}) {
        SCOPED_TRACE(deux ? "deux boutons" : "un bouton");
        CFenetreMessage f(texte, deux, CONTAINER_SKIN_BEIGE);
        CTexte* zone = zoneTexte(f);
        ASSERT_NE(zone, nullptr);
        EXPECT_TRUE(zone->ignoreSouris);
        EXPECT_EQ(zone->texte, texte);
        EXPECT_EQ(decrit(zone->limites), decrit(mesureTexte(MakeCoord(20, 31), texte)));
        const Coord fin = zone->limites.basDroite;
        const int largeur = fin.x + 20;
        const int deuxTiers = 2 * largeur / 3;
        // Client de largeur texte + 20 et de hauteur texte + 100, cadre autour, au coin (0,0).
        EXPECT_EQ(decrit(f.limites),
                  decrit(MakeRect(0, 0, largeur + beige.margeGauche + beige.margeDroite,
                                  fin.y + 100 + beige.margeHaut + beige.margeBas)));
        EXPECT_TRUE(f.modal);
        if (!deux) {
            EXPECT_EQ(f.boutonAnnuler, nullptr);
            EXPECT_EQ(f.boutonValider->limites.hautGauche, MakeCoord(deuxTiers - 30, fin.y + 25));
            EXPECT_EQ(f.boutonValider->skin.texture, skinsBouton[6].texture);
        } else {
            ASSERT_NE(f.boutonAnnuler, nullptr);
            EXPECT_EQ(f.boutonValider->limites.hautGauche, MakeCoord(deuxTiers - 100, fin.y + 25));
            EXPECT_EQ(f.boutonAnnuler->limites.hautGauche, MakeCoord(deuxTiers - 5, fin.y + 25));
        }
    }
}

TEST_F(ArbreEditeur, TouchesDuMessage)
{
    struct Cas {
        bool deuxBoutons;
        int touche;
        std::vector<std::string> valider, annuler;
        bool ferme;
    } cas[] = {
        {false, TOUCHE_ENTREE, {"appui", "clic"}, {}, true},
        {false, TOUCHE_ESPACE, {"appui", "clic"}, {}, true},
        {false, TOUCHE_ECHAP, {}, {}, true},
        {false, 'x', {}, {}, false},
        {true, TOUCHE_ECHAP, {}, {"appui", "clic"}, true},
        {true, TOUCHE_ENTREE + 256, {"appui", "clic"}, {}, true}, // seul l'octet bas compte
        {true, TOUCHE_F1, {}, {}, false},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SCOPED_TRACE(c.touche);
        CFenetreMessage f("Texte", c.deuxBoutons, CONTAINER_SKIN_BEIGE);
        std::vector<std::string> valider, annuler;
        CCompteur tv(&valider), ta(&annuler);
        tv.ecoute(f.boutonValider);
        if (f.boutonAnnuler)
            ta.ecoute(f.boutonAnnuler);
        f.toucheClavier(c.touche);
        EXPECT_EQ(valider, c.valider);
        EXPECT_EQ(annuler, c.annuler);
        EXPECT_EQ(f.aDetruire, c.ferme);
    });
}

TEST_F(ArbreEditeur, ClicSurLeBoutonDeLAide)
{
    CFenetreMessage* aide = dynamic_cast<CFenetreMessage*>(enfants().front());
    ASSERT_NE(aide, nullptr);
    // Le bouton à l'écran : la fenêtre éditée, l'aide, puis leurs marges.
    const Coord coin = marges() + aide->limites.hautGauche +
                       MakeCoord(aide->skin.margeGauche, aide->skin.margeHaut) +
                       aide->boutonValider->limites.hautGauche;
    clique(coin + MakeCoord(10, 10));
    EXPECT_TRUE(enfants().empty());
}

TEST_F(ArbreEditeur, FondTransmetALaFenetreDevant)
{
    CFenetreFond fond;
    // Sans enfant, rien ; avec un enfant qui n'est pas une fenêtre devant, rien non plus.
    fond.toucheClavier(TOUCHE_ECHAP);
    fond.toucheSpeciale(TOUCHE_F1);
    CFenetreMessage* message = new CFenetreMessage("Texte", false, CONTAINER_SKIN_BEIGE);
    fond.ajouteObjetGDI(message);
    CTexte* zone = new CTexte(MakeRect(0, 0, 10, 10), "devant");
    fond.ajouteObjetGDI(zone);
    fond.toucheClavier(TOUCHE_ECHAP);
    EXPECT_FALSE(message->aDetruire);
    fond.retireObjetGDI(zone);
    delete zone;
    fond.toucheClavier(TOUCHE_ECHAP);
    EXPECT_TRUE(message->aDetruire);

    // Dans l'arbre réel, la touche traverse le fond et la fenêtre éditée jusqu'à l'aide.
    CFenetreMessage* aide = dynamic_cast<CFenetreMessage*>(enfants().front());
    ASSERT_NE(aide, nullptr);
    touche(TOUCHE_ESPACE);
    EXPECT_TRUE(aide->aDetruire);
    EXPECT_EQ(enfants().size(), 1u); // détruite au tour suivant seulement
    tic();
    EXPECT_TRUE(enfants().empty());
}

TEST_F(ArbreEditeur, FondDesIconesDuMenu)
{
    fermeAide();
    fenetre->typeAAjouter = TYPE_COCHE;
    touche(TOUCHE_ESPACE);
    tic();
    // La souris sur l'icône 1, puis le bouton tenu sur l'icône 5.
    va(centreIcone(1));
    tic();
    struct Attendu {
        Couleur fond, bord;
        Coord decalage;
    };
    const Couleur gris = {200, 200, 200, 255};
    const Couleur sombre = {50, 50, 50, 255};
    const Attendu attendus[] = {
        {sombre, gris, {0, 0}}, {{150, 50, 50, 255}, {255, 180, 180, 255}, {0, 0}}, // survolée
        {sombre, gris, {0, 0}}, {{120, 120, 120, 255}, gris, {0, 0}}, // le mode courant
        {sombre, gris, {0, 0}}, {sombre, gris, {0, 0}},
    };
    CSelectionObjetGDI* menu = dynamic_cast<CSelectionObjetGDI*>(enfants().front());
    ASSERT_NE(menu, nullptr);
    auto verifie = [&](const Attendu* a, int k) {
        SCOPED_TRACE(k);
        CBouton* icone = boutonsSelection[k];
        enregistreur::efface();
        // Gestionnaire de l'éditeur, étranger à la boîte : ses primitives partent aussitôt.
        regroupementGL(false);
        menu->dessineFondIcone(icone);
        regroupementGL(true);
        const Coord t = icone->limites.hautGauche + a->decalage;
        const Coord u = icone->limites.basDroite + a->decalage;
        const Coord coin = t - MakeCoord(1, 1);
        std::vector<std::string> attendu = {
            couleurGL(a->fond), "glRecti(" + std::to_string(t.x) + ", " +
                                    std::to_string(768 - t.y) + ", " + std::to_string(u.x + 1) +
                                    ", " + std::to_string(768 - (u.y + 1)) + ")"};
        for (Coord fin : {MakeCoord(u.x, coin.y), MakeCoord(coin.x, u.y)}) {
            const std::vector<std::string> ligne = traitGL(1, a->bord, {coin, fin});
            attendu.insert(attendu.end(), ligne.begin(), ligne.end());
        }
        EXPECT_EQ(enregistreur::textes(), attendu);
    };
    // Hors de tout dessin du menu, l'origine est (0,0) : les coordonnées sont celles du menu.
    for (int k = 0; k < NOMBRE_TYPES_OBJETS; ++k)
        verifie(&attendus[k], k);

    // Survolée, l'icône du mode courant prend les couleurs du survol ; l'icône 1 redevient
    // sombre.
    va(centreIcone(TYPE_COCHE));
    tic();
    verifie(&attendus[1], TYPE_COCHE);
    verifie(&attendus[0], 1);

    // Tenue enfoncée, l'icône 5 n'est plus survolée : son carré sombre suit l'icône de (3,2).
    va(centreIcone(5));
    appuie();
    tic();
    ASSERT_TRUE(boutonsSelection[5]->appuye);
    const Attendu enfonce = {sombre, gris, {3, 2}};
    verifie(&enfonce, 5);
    relache();
    tic();
    EXPECT_EQ(fenetre->typeAAjouter, 5);
}

TEST_F(ArbreEditeur, LAideGlisseParSonTexteEtPasParSonBouton)
{
    CFenetreMessage* aide = dynamic_cast<CFenetreMessage*>(enfants().front());
    ASSERT_NE(aide, nullptr);
    CTexte* zone = zoneTexte(*aide);
    ASSERT_NE(zone, nullptr);
    // Coin de la zone client de l'aide, à l'écran.
    const Coord client = marges() + aide->limites.hautGauche +
                         MakeCoord(aide->skin.margeGauche, aide->skin.margeHaut);
    struct Cas {
        const char* nom;
        Coord appui; // à l'écran
        bool glisse;
    } cas[] = {
        {"sur le texte", client + zone->limites.hautGauche + MakeCoord(5, 5), true},
        {"sur le bouton", client + aide->boutonValider->limites.hautGauche + MakeCoord(10, 10),
         false},
        {"sur le cadre", marges() + aide->limites.hautGauche + MakeCoord(3, 3), true},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        const Coord avant = aide->limites.hautGauche;
        va(c.appui);
        appuie();
        va(c.appui + MakeCoord(-30, 20));
        tic();
        EXPECT_EQ(aide->enDeplacement, c.glisse);
        EXPECT_EQ(aide->limites.hautGauche, c.glisse ? avant + MakeCoord(-30, 20) : avant);
        // Retour au point d'appui avant le relâchement : la fenêtre revient, le bouton ne la
        // ferme pas (relâché sur lui, il la fermerait).
        va(c.appui);
        tic();
        if (!c.glisse)
            va(c.appui + MakeCoord(-30, 20));
        relache();
        tic();
        EXPECT_FALSE(aide->enDeplacement);
        EXPECT_EQ(aide->limites.hautGauche, avant);
        ASSERT_EQ(enfants().front(), aide);
        EXPECT_EQ(objetSelectionne, nullptr);
        EXPECT_FALSE(boutonEnfonce);
    });
}

TEST_F(ArbreEditeur, ConstructionDuMenu)
{
    fermeAide();
    touche(TOUCHE_ESPACE);
    tic();
    CSelectionObjetGDI* menu = dynamic_cast<CSelectionObjetGDI*>(enfants().front());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->modal);
    EXPECT_EQ(decrit(menu->limites), decrit(MakeRect(400, 320, 665, 377)));
    EXPECT_EQ(decrit(menu->zoneClient()), decrit(MakeRect(0, 0, 247, 39)));
    // Six icônes, la première au fond de la liste ; chacune dans boutonsSelection à son rang.
    ASSERT_EQ(menu->enfants.nombre, NOMBRE_TYPES_OBJETS);
    Noeud<CObjetGDI*>* n = menu->enfants.queue;
    for (int k = 0; k < NOMBRE_TYPES_OBJETS; ++k, n = n->precedent) {
        SCOPED_TRACE(k);
        CBouton* icone = boutonsSelection[k];
        EXPECT_EQ(n->element, icone);
        EXPECT_EQ(icone->limites.hautGauche, MakeCoord(42 * k + 3, 5));
        EXPECT_EQ(icone->skin.texture, TEXTURE_OBJETGDIS);
        EXPECT_EQ(icone->skin.decoupeX[0], 0);
        EXPECT_EQ(icone->skin.decoupeX[3], 31);
        EXPECT_EQ(icone->skin.decoupeY[0], 32 * k);
        EXPECT_EQ(icone->skin.decoupeY[3], 32 * k + 31);
        EXPECT_EQ(icone->skin.decalageSurvol, MakeCoord(0, 0));
        EXPECT_EQ(icone->skin.decalageAppui, MakeCoord(0, 0));
        EXPECT_EQ(icone->skin.enfoncement, MakeCoord(2, 3));
        EXPECT_EQ(icone->texte, nullptr);
        // Le fond avant le dessin de l'icône ; le choix après le clic de l'icône.
        const Gestionnaire* premier = icone->evenements[EVT_DESSIN].tete->element;
        EXPECT_EQ(premier->objet, menu);
        EXPECT_TRUE(premier->methode ==
                    static_cast<MethodeGestionnaire>(&CSelectionObjetGDI::dessineFondIcone));
        EXPECT_EQ(icone->evenements[EVT_DESSIN].nombre, 2);
        const Gestionnaire* dernier = icone->evenements[EVT_CLIC_GAUCHE].queue->element;
        EXPECT_EQ(dernier->objet, menu);
        EXPECT_TRUE(dernier->methode ==
                    static_cast<MethodeGestionnaire>(&CSelectionObjetGDI::choisitType));
        EXPECT_GE(icone->evenements[EVT_CLIC_GAUCHE].nombre, 2);
    }
}
