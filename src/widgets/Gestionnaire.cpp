// Inscription et déclenchement des gestionnaires d'une liste d'événements.
#include "widgets/Gestionnaire.h"

#include "widgets/CObjetGDI.h"
#include "widgets/CRelaisFonction.h"

void LiberationElement<Gestionnaire*>::libere(Gestionnaire* g)
{
    // Seul un relais créé ici est à la liste : un objet inscrit par le programme reste le sien,
    // même avec la méthode des relais.
    if (g->drapeaux & GESTIONNAIRE_POSSEDE)
        delete static_cast<CRelaisFonction*>(g->objet);
    delete g;
}

void ajouteGestionnaire(ListeGestionnaires& liste, CObjetGDI* objet, MethodeGestionnaire methode)
{
    // Sans récepteur, l'appel planterait au déclenchement : refusé à l'inscription.
    if (!objet || !methode)
        return;
    liste.ajoute(new Gestionnaire{objet, methode});
}

void ajouteGestionnaire(ListeGestionnaires& liste,
                        std::function<void(CObjetGDI* emetteur)> fonction)
{
    if (!fonction)
        return;
    liste.ajoute(new Gestionnaire{new CRelaisFonction(std::move(fonction)),
                                  static_cast<MethodeGestionnaire>(&CRelaisFonction::appelle),
                                  GESTIONNAIRE_POSSEDE});
}

void ajouteGestionnairePropre(ListeGestionnaires& liste, CObjetGDI* objet,
                              MethodeGestionnaire methode)
{
    if (!objet || !methode)
        return;
    liste.ajoute(new Gestionnaire{objet, methode, GESTIONNAIRE_PROPRE});
}

void declenche(ListeGestionnaires& liste, CObjetGDI* emetteur)
{
    for (Noeud<Gestionnaire*>* n = liste.tete; n; n = n->suivant) {
        Gestionnaire* g = n->element;
        (g->objet->*(g->methode))(emetteur);
    }
}
