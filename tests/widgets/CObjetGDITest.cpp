// Tests de la liste chaînée, des listes d'événements et de l'objet de base.
#include "widgets/CObjetGDI.h"
#include "containers/CContainer.h"

#include "TableCas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// Un objet qui note chaque appel de ses gestionnaires.
class CTemoin : public CObjetGDI
{
  public:
    std::string nom;
    std::vector<std::string>* trace;
    CTemoin(std::string n, std::vector<std::string>* t) : nom(std::move(n)), trace(t) {}

    void note(CObjetGDI* emetteur)
    {
        trace->push_back(nom + "<" + static_cast<CTemoin*>(emetteur)->nom);
    }
    void inscritEncore(CObjetGDI*)
    {
        trace->push_back(nom + ":inscrit");
        ajouteGestionnaire(evenements[EVT_SURVOL], this, &CTemoin::note);
    }
};

// Parcourt une liste dans les deux sens et vérifie ses liens.
template <class T> std::vector<T> elements(const Liste<T>& l)
{
    std::vector<T> avant, arriere;
    for (Noeud<T>* n = l.tete; n; n = n->suivant) {
        if (n->suivant) {
            EXPECT_EQ(n->suivant->precedent, n);
        }
        avant.push_back(n->element);
    }
    for (Noeud<T>* n = l.queue; n; n = n->precedent)
        arriere.insert(arriere.begin(), n->element);
    EXPECT_EQ(avant, arriere);
    EXPECT_EQ(size_t(l.nombre), avant.size());
    if (l.tete) {
        EXPECT_EQ(l.tete->precedent, nullptr);
    }
    if (l.queue) {
        EXPECT_EQ(l.queue->suivant, nullptr);
    }
    return avant;
}
} // namespace

TEST(Liste, AjoutRetraitEtVidage)
{
    typedef std::vector<int*> V;
    int a, b, c, d;
    Liste<int*> l;
    EXPECT_EQ(elements(l), V{});
    l.ajoute(&b);
    l.ajoute(&c);
    l.insereEnTete(&a);
    l.ajoute(&b);
    EXPECT_EQ(elements(l), (V{&a, &b, &c, &b}));
    l.retire(&d); // absent : rien ne change
    EXPECT_EQ(elements(l), (V{&a, &b, &c, &b}));
    l.retire(&b); // le premier seulement
    EXPECT_EQ(elements(l), (V{&a, &c, &b}));
    l.retire(&a);
    EXPECT_EQ(elements(l), (V{&c, &b}));
    l.retire(&b);
    EXPECT_EQ(elements(l), (V{&c}));
    l.retire(&c);
    EXPECT_EQ(elements(l), V{});
    EXPECT_EQ(l.queue, nullptr);
    l.insereEnTete(&d);
    l.ajoute(&a);
    l.vide();
    EXPECT_EQ(elements(l), V{});
}

TEST(Evenements, OrdreDInscriptionEtEmetteur)
{
    std::vector<std::string> trace;
    CTemoin source("source", &trace), x("x", &trace), y("y", &trace);
    declenche(source.evenements[EVT_CLIC_GAUCHE], &source);
    EXPECT_TRUE(trace.empty());

    ajouteGestionnaire(source.evenements[EVT_CLIC_GAUCHE], &y, &CTemoin::note);
    ajouteGestionnaire(source.evenements[EVT_CLIC_GAUCHE], &x, &CTemoin::note);
    ajouteGestionnaire(source.evenements[EVT_CLIC_GAUCHE], &y, &CTemoin::note);
    declenche(source.evenements[EVT_CLIC_GAUCHE], &source);
    EXPECT_EQ(trace, (std::vector<std::string>{"y<source", "x<source", "y<source"}));

    // Un gestionnaire inscrit pendant le parcours est appelé dans le même parcours.
    trace.clear();
    ajouteGestionnaire(x.evenements[EVT_SURVOL], &x, &CTemoin::inscritEncore);
    declenche(x.evenements[EVT_SURVOL], &x);
    EXPECT_EQ(trace, (std::vector<std::string>{"x:inscrit", "x<x"}));
    EXPECT_EQ(x.evenements[EVT_SURVOL].nombre, 2);
}

TEST(ObjetGDI, TestDeLaSouris)
{
    struct Cas {
        Rect limites;
        Coord souris;
        bool dedans;
    } cas[] = {
        {MakeRect(10, 10, 60, 40), {0, 0}, true},
        {MakeRect(10, 10, 60, 40), {49, 29}, true},
        {MakeRect(10, 10, 60, 40), {50, 0}, false},
        {MakeRect(10, 10, 60, 40), {0, 30}, false},
        {MakeRect(10, 10, 60, 40), {-1, 5}, false},
        {MakeRect(10, 10, 60, 40), {5, -1}, false},
        {MakeRect(10, 10, 10, 40), {0, 0}, false},
        {MakeRect(10, 10, 5, 40), {0, 0}, false},
        {MakeRect(10, 40, 60, 10), {0, 0}, false},
        // Largeur calculée sur 16 bits : -30000 .. 30000 fait -5536, donc rien.
        {MakeRect(-30000, 0, 30000, 10), {0, 0}, false},
    };
    CObjetGDI o;
    pourChaqueCas(cas, [&](const Cas& c) {
        o.setLimites(c.limites);
        o.souris = c.souris;
        EXPECT_EQ(o.contientSouris(), c.dedans) << c.limites.largeur() << "x" << c.limites.hauteur()
                                                << " @" << c.souris.x << "," << c.souris.y;
    });
}

TEST(ObjetGDI, DesactiveEvenementsGardeLeDessin)
{
    std::vector<std::string> trace;
    CTemoin o("o", &trace);
    for (int e = 0; e < NOMBRE_EVENEMENTS; ++e)
        ajouteGestionnaire(o.evenements[e], &o, &CTemoin::note);
    o.desactiveEvenements();
    for (int e = 0; e < NOMBRE_EVENEMENTS; ++e)
        declenche(o.evenements[e], &o);
    EXPECT_EQ(trace, std::vector<std::string>{"o<o"});
    EXPECT_EQ(o.evenements[EVT_DESSIN].nombre, 1);
    EXPECT_EQ(o.evenements[EVT_MISE_A_JOUR].nombre, 0);
}

TEST(ObjetGDI, DemandeFermetureVisantUnAutreObjet)
{
    std::vector<std::string> trace;
    CTemoin fenetre("fenetre", &trace), bouton("bouton", &trace);
    ajouteGestionnaire(bouton.evenements[EVT_CLIC_GAUCHE], static_cast<CObjetGDI*>(&fenetre),
                       &CObjetGDI::demandeFermeture);
    declenche(bouton.evenements[EVT_CLIC_GAUCHE], &bouton);
    EXPECT_TRUE(fenetre.aDetruire);
    EXPECT_FALSE(bouton.aDetruire);
}

TEST(ObjetGDI, LaDestructionRetireLEnfantDeSonParent)
{
    // Premier, milieu, dernier : la liste reste bien chaînée.
    for (int victime = 0; victime < 3; ++victime) {
        std::vector<std::string> trace;
        CContainer parent(-1);
        CTemoin* enfants[3];
        for (int i = 0; i < 3; ++i) {
            enfants[i] = new CTemoin("e" + std::to_string(i), &trace);
            parent.ajouteObjetGDIDerriere(enfants[i]);
            EXPECT_EQ(enfants[i]->parent, &parent);
        }
        parent.capture = enfants[victime];
        delete enfants[victime];
        std::vector<CObjetGDI*> attendu;
        for (int i = 0; i < 3; ++i)
            if (i != victime)
                attendu.push_back(enfants[i]);
        EXPECT_EQ(elements(parent.enfants), attendu) << victime;
        EXPECT_EQ(parent.capture, nullptr) << "aucune capture ne survit à son objet";
    }
}

TEST(Container, OrdreDEmpilementEtDestructionDesEnfants)
{
    std::vector<std::string> trace;
    CContainer* racine = new CContainer(CONTAINER_SKIN_BEIGE);
    EXPECT_EQ(racine->skin.margeHaut, 30);
    CContainer* fenetre = new CContainer(-1);
    CTemoin* a = new CTemoin("a", &trace);
    CTemoin* b = new CTemoin("b", &trace);
    racine->ajouteObjetGDI(a);
    racine->ajouteObjetGDI(fenetre);
    racine->ajouteObjetGDIDerriere(b);
    EXPECT_EQ(elements(racine->enfants), (std::vector<CObjetGDI*>{fenetre, a, b}));
    racine->retireObjetGDI(a);
    EXPECT_EQ(elements(racine->enfants), (std::vector<CObjetGDI*>{fenetre, b}));
    fenetre->ajouteObjetGDI(a);
    EXPECT_EQ(a->parent, fenetre);
    // Détruire la racine détruit tout l'arbre ; ASan ou valgrind verraient une fuite.
    delete racine;
}
