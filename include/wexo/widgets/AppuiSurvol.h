/// @file
/// AppuiSurvol : l'appui et le survol que partagent le bouton et la case à cocher.
#pragma once

#include "CObjetGDI.h"

/// Tient les deux drapeaux de son objet, qui restent des champs de l'objet, et les seules règles
/// qui les changent. L'objet garde ses propres gestionnaires et les fait suivre ici.
class AppuiSurvol
{
  public:
    /// Les drapeaux appuye et survole de objet, que ses gestionnaires feront suivre ici.
    AppuiSurvol(const CObjetGDI& objet, bool& appuye, bool& survole);
    AppuiSurvol(const AppuiSurvol&) = delete;
    AppuiSurvol& operator=(const AppuiSurvol&) = delete;

    /// Appui gauche, ou retour sur l'objet bouton tenu : enfoncé. Un appui tenu par le bouton
    /// droit ne l'enfonce pas, faute de quoi son relâchement, qui n'est pas un clic gauche, le
    /// laisserait enfoncé.
    void appuie();
    /// L'appui part hors de l'objet : plus enfoncé.
    void relache();
    /// La souris est sur l'objet.
    void survol();
    /// Au début de chaque mise à jour : plus survolé, jusqu'au survol qui suit.
    void finSurvol();

    /// L'aspect du moment : enfoncé l'emporte sur survolé.
    template <class T> const T& aspect(const T& normal, const T& survole, const T& enfonce) const
    {
        return appuye ? enfonce : this->survole ? survole : normal;
    }

    /// Vrai sauf quand le conteneur de l'objet tient un appui du bouton droit : c'est lui qui sait
    /// quel bouton tient l'appui en cours.
    static bool appuiGauche(const CObjetGDI& objet);

    /// Inscrit les gestionnaires de l'objet, dans l'ordre commun au bouton et à la case ; clic
    /// est celui du clic gauche, propre à chacun.
    template <class C> static void inscrit(C* objet, void (C::*clic)(CObjetGDI*))
    {
        ListeGestionnaires* e = objet->evenements;
        ajouteGestionnaire(e[EVT_APPUI_GAUCHE], objet, &C::appuie);
        ajouteGestionnaire(e[EVT_CLIC_GAUCHE], objet, clic);
        ajouteGestionnaire(e[EVT_SURVOL], objet, &C::survol);
        ajouteGestionnaire(e[EVT_SURVOL_APPUYE], objet, &C::appuie);
        ajouteGestionnaire(e[EVT_APPUYE_DEHORS], objet, &C::relache);
        ajouteGestionnaire(e[EVT_MISE_A_JOUR], objet, &C::finSurvol);
        ajouteGestionnairePropre(e[EVT_DESSIN], objet, &C::dessine);
    }

  private:
    const CObjetGDI& objet;
    bool& appuye;
    bool& survole;
};
