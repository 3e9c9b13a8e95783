/// @file
/// Gestionnaire : un objet récepteur et l'une de ses méthodes ; inscription et déclenchement des
/// listes.
#pragma once

#include "Liste.h"

#include <functional>

class CObjetGDI;

/// Une méthode de gestionnaire reçoit l'objet sur lequel l'événement a été déclenché.
typedef void (CObjetGDI::*MethodeGestionnaire)(CObjetGDI* emetteur);

/// Un gestionnaire inscrit : la méthode à appeler et l'objet qui la reçoit. Un objet nul
/// marque un GestionnaireFonction, qui porte sa fonction à la suite.
struct Gestionnaire {
    CObjetGDI* objet;            ///< le récepteur ; nul pour une fonction
    MethodeGestionnaire methode; ///< appelée sur objet avec l'émetteur
};

/// Une fonction quelconque inscrite sur une liste (lambda, fonction libre, std::bind) : la
/// méthode, elle, reste un simple Gestionnaire, sans enveloppe.
struct GestionnaireFonction : Gestionnaire {
    std::function<void(CObjetGDI* emetteur)> fonction; ///< appelée avec l'émetteur
};

/// Une liste de gestionnaires possède ses enregistrements.
template <> struct LiberationElement<Gestionnaire*> {
    /// Détruit l'enregistrement du nœud libéré, par son genre exact.
    static void libere(Gestionnaire* g)
    {
        if (g->objet)
            delete g;
        else
            delete static_cast<GestionnaireFonction*>(g);
    }
};

/// Une liste d'événement : ses gestionnaires dans l'ordre d'inscription.
typedef Liste<Gestionnaire*> ListeGestionnaires;

/// Inscrit en queue : les gestionnaires s'exécutent dans l'ordre d'inscription. Sans objet ou
/// sans méthode, rien n'est inscrit.
void ajouteGestionnaire(ListeGestionnaires& liste, CObjetGDI* objet, MethodeGestionnaire methode);

/// Inscrit en queue une fonction quelconque, dans la même liste et le même ordre que les
/// méthodes ; une fonction vide n'est pas inscrite. Exemple :
/// `ajouteGestionnaire(bouton->evenements[EVT_CLIC_GAUCHE], [](CObjetGDI*) { quitteApplication();
/// });`
void ajouteGestionnaire(ListeGestionnaires& liste,
                        std::function<void(CObjetGDI* emetteur)> fonction);

/// Forme commode pour une méthode d'une classe dérivée de CObjetGDI.
template <class C>
void ajouteGestionnaire(ListeGestionnaires& liste, C* objet, void (C::*methode)(CObjetGDI*))
{
    ajouteGestionnaire(liste, static_cast<CObjetGDI*>(objet),
                       static_cast<MethodeGestionnaire>(methode));
}

/// Appelle chaque gestionnaire dans l'ordre ; le suivant n'est lu qu'après le retour de
/// l'appel, si bien qu'un gestionnaire ajouté pendant le parcours est appelé lui aussi.
void declenche(ListeGestionnaires& liste, CObjetGDI* emetteur);
