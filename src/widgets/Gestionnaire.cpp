// Inscription et déclenchement des gestionnaires d'une liste d'événements.
#include "widgets/Gestionnaire.h"

#include "widgets/CObjetGDI.h"
#include "widgets/CRelaisFonction.h"

namespace
{
// La méthode des relais : elle seule marque un enregistrement qui possède son objet. Comparée
// sans lire l'objet, que son propriétaire a pu détruire avant la liste.
const MethodeGestionnaire METHODE_RELAIS =
    static_cast<MethodeGestionnaire>(&CRelaisFonction::appelle);
} // namespace

void LiberationElement<Gestionnaire*>::libere(Gestionnaire* g)
{
    if (g->methode == METHODE_RELAIS)
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
    liste.ajoute(new Gestionnaire{new CRelaisFonction(std::move(fonction)), METHODE_RELAIS});
}

void declenche(ListeGestionnaires& liste, CObjetGDI* emetteur)
{
    for (Noeud<Gestionnaire*>* n = liste.tete; n; n = n->suivant) {
        Gestionnaire* g = n->element;
        (g->objet->*(g->methode))(emetteur);
    }
}
