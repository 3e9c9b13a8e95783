/// @file
/// CCoche : case à cocher de taille fixe, basculée par un clic, avec sa coche enfoncée sous
/// l'appui.
#pragma once

#include "../render/SkinCoche.h"
#include "AppuiSurvol.h"
#include "CObjetGDI.h"

/// La case à cocher : une image de taille fixe, cochée ou non, basculée par un clic gauche.
class CCoche : public CObjetGDI
{
  public:
    SkinCoche skin;       ///< copie de la ligne, imageBasDroite rendu exclusif
    bool cochee = false;  ///< l'état coché, changé seulement par un clic
    bool appuye = false;  ///< appui commencé sur la case, souris encore dessus
    bool survole = false; ///< souris sur la case à la dernière mise à jour

    /// position : coin haut-gauche dans la zone client du parent ; skin : ligne de skinsCoche.
    CCoche(Coord position, bool cochee, int skin);

    /// Coche ou décoche depuis le code, dessiné à l'image suivante ; aucune liste n'est
    /// déclenchée. L'état se lit dans cochee.
    void setCochee(bool etat);

    /// Garde le coin haut-gauche ; la taille est toujours celle de l'image.
    void setLimites(Rect r) override;

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
    AppuiSurvol comportement{*this, appuye, survole};
};
