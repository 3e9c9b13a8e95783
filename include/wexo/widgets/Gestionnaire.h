/// @file
/// Gestionnaire : un objet récepteur et l'une de ses méthodes ; inscription et déclenchement des
/// listes.
#pragma once

#include "Liste.h"

#include <functional>

class CObjetGDI;

/// Une méthode de gestionnaire reçoit l'objet sur lequel l'événement a été déclenché.
typedef void (CObjetGDI::*MethodeGestionnaire)(CObjetGDI* emetteur);

/// Un gestionnaire inscrit : la méthode à appeler et l'objet qui la reçoit. Une fonction
/// inscrite a pour objet un CRelaisFonction qui la porte, si bien que le déclenchement ne
/// connaît que des méthodes.
struct Gestionnaire {
    CObjetGDI* objet;            ///< le récepteur
    MethodeGestionnaire methode; ///< appelée sur objet avec l'émetteur
    uint8_t drapeaux = 0; ///< GESTIONNAIRE_PROPRE, GESTIONNAIRE_POSSEDE, posés à l'inscription
};

/// Drapeaux d'un Gestionnaire, posés par les seules inscriptions de la boîte à outils.
enum DrapeauGestionnaire : uint8_t {
    /// Un gestionnaire de dessin de la boîte à outils : il ne passe que par les primitives, ses
    /// dessins sont regroupés avec ceux des autres.
    GESTIONNAIRE_PROPRE = 1,
    /// L'objet est un relais créé par la boîte à outils pour une fonction : la liste le détruit.
    GESTIONNAIRE_POSSEDE = 2
};

/// Une liste de gestionnaires possède ses enregistrements.
template <> struct LiberationElement<Gestionnaire*> {
    /// Détruit l'enregistrement du nœud libéré, et le relais d'une fonction inscrite.
    static void libere(Gestionnaire* g);
};

/// Une liste d'événement : ses gestionnaires dans l'ordre d'inscription.
typedef Liste<Gestionnaire*> ListeGestionnaires;

/// Inscrit en queue : les gestionnaires s'exécutent dans l'ordre d'inscription. Sans objet ou
/// sans méthode, rien n'est inscrit.
void ajouteGestionnaire(ListeGestionnaires& liste, CObjetGDI* objet, MethodeGestionnaire methode);

/// Inscription d'un gestionnaire de dessin de la boîte à outils elle-même (GESTIONNAIRE_PROPRE).
void ajouteGestionnairePropre(ListeGestionnaires& liste, CObjetGDI* objet,
                              MethodeGestionnaire methode);

/// Forme commode de ajouteGestionnairePropre pour une méthode d'une classe dérivée.
template <class C>
void ajouteGestionnairePropre(ListeGestionnaires& liste, C* objet, void (C::*methode)(CObjetGDI*))
{
    ajouteGestionnairePropre(liste, static_cast<CObjetGDI*>(objet),
                             static_cast<MethodeGestionnaire>(methode));
}

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
