/// @file
/// CCoche : case à cocher de taille fixe, basculée par un clic ou par Espace, avec sa coche
/// enfoncée sous l'appui et, si on lui en donne une, sa légende à droite.
#pragma once

#include "../render/SkinCoche.h"
#include "AppuiSurvol.h"
#include "CObjetGDI.h"
#include "CaseLegendee.h"

/// La case à cocher : une image de taille fixe, cochée ou non, basculée par un clic gauche.
class CCoche : public CObjetGDI
{
  public:
    SkinCoche skin;       ///< copie de la ligne, imageBasDroite rendu exclusif
    bool cochee = false;  ///< l'état coché, changé par un clic, Espace ou setCochee
    bool appuye = false;  ///< appui commencé sur la case, souris encore dessus
    bool survole = false; ///< souris sur la case à la dernière mise à jour

    /// position : coin haut-gauche dans la zone client du parent ; skin : ligne de skinsCoche.
    CCoche(Coord position, bool cochee, int skin);
    /// La même case avec sa légende, un texte balisé dessiné à droite de la case dans la
    /// couleur courante du texte ; les limites couvrent la case et la légende, si bien qu'un
    /// clic sur la légende bascule la case. La légende n'est ni copiée ni possédée.
    /// Exemple : `new CCoche(MakeCoord(20, 60), false, COCHE_SKIN_DEFAUT, "Se souvenir de moi")`.
    CCoche(Coord position, bool cochee, int skin, const char* legende);
    /// La légende, ou nulle.
    const char* legende() const;

    /// Coche ou décoche depuis le code, dessiné à l'image suivante ; aucune liste n'est
    /// déclenchée. L'état se lit dans cochee.
    void setCochee(bool etat);

    /// Garde le coin haut-gauche ; la taille est toujours celle de l'image et de la légende.
    void setLimites(Rect r) override;

    /// La case prend le focus du clavier.
    bool accepteFocus() override;
    /// Espace la bascule comme un clic (EVT_CLIC_GAUCHE déclenché).
    bool toucheFocus(int touche, int modificateurs) override;

    /// Gestionnaires inscrits par le constructeur.
    ///@{
    void appuie(CObjetGDI* emetteur);
    void clic(CObjetGDI* emetteur);
    void survol(CObjetGDI* emetteur);
    void relache(CObjetGDI* emetteur);
    void finSurvol(CObjetGDI* emetteur);
    void dessine(CObjetGDI* emetteur);
    ///@}

  private:
    CaseLegendee caseLegendee{skin, nullptr};
    AppuiSurvol comportement{*this, appuye, survole};
};
