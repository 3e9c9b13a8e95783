/// @file
/// Gestionnaire : un objet récepteur et l'une de ses méthodes ; inscription et déclenchement des
/// listes.
#pragma once

#include "Liste.h"

class CObjetGDI;

/// Une méthode de gestionnaire reçoit l'objet sur lequel l'événement a été déclenché.
typedef void (CObjetGDI::*MethodeGestionnaire)(CObjetGDI* emetteur);

/// Un gestionnaire inscrit : la méthode à appeler et l'objet qui la reçoit.
struct Gestionnaire {
    CObjetGDI* objet;            ///< le récepteur
    MethodeGestionnaire methode; ///< appelée sur objet avec l'émetteur
};

/// Une liste de gestionnaires possède ses enregistrements.
template <> struct LiberationElement<Gestionnaire*> {
    /// Détruit l'enregistrement du nœud libéré.
    static void libere(Gestionnaire* g) { delete g; }
};

/// Une liste d'événement : ses gestionnaires dans l'ordre d'inscription.
typedef Liste<Gestionnaire*> ListeGestionnaires;

/// Inscrit en queue : les gestionnaires s'exécutent dans l'ordre d'inscription.
void ajouteGestionnaire(ListeGestionnaires& liste, CObjetGDI* objet, MethodeGestionnaire methode);

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
