// Inscription et déclenchement des gestionnaires d'une liste d'événements.
#include "widgets/Gestionnaire.h"

#include "widgets/CObjetGDI.h"

void ajouteGestionnaire(ListeGestionnaires& liste, CObjetGDI* objet, MethodeGestionnaire methode)
{
    liste.ajoute(new Gestionnaire{objet, methode});
}

void declenche(ListeGestionnaires& liste, CObjetGDI* emetteur)
{
    for (Noeud<Gestionnaire*>* n = liste.tete; n; n = n->suivant) {
        Gestionnaire* g = n->element;
        (g->objet->*(g->methode))(emetteur);
    }
}
