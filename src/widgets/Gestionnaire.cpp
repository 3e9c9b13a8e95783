// Inscription et déclenchement des gestionnaires d'une liste d'événements.
#include "widgets/Gestionnaire.h"

#include "widgets/CObjetGDI.h"

void ajouteGestionnaire(ListeGestionnaires& liste, CObjetGDI* objet, MethodeGestionnaire methode)
{
    // Un objet nul marquerait une fonction : refusé plutôt qu'appelé.
    if (!objet || !methode)
        return;
    liste.ajoute(new Gestionnaire{objet, methode});
}

void ajouteGestionnaire(ListeGestionnaires& liste,
                        std::function<void(CObjetGDI* emetteur)> fonction)
{
    if (!fonction)
        return;
    GestionnaireFonction* g = new GestionnaireFonction;
    g->objet = nullptr;
    g->methode = nullptr;
    g->fonction = std::move(fonction);
    liste.ajoute(g);
}

void declenche(ListeGestionnaires& liste, CObjetGDI* emetteur)
{
    for (Noeud<Gestionnaire*>* n = liste.tete; n; n = n->suivant) {
        Gestionnaire* g = n->element;
        if (g->objet)
            (g->objet->*(g->methode))(emetteur);
        else
            static_cast<GestionnaireFonction*>(g)->fonction(emetteur);
    }
}
