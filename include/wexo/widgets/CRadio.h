/// @file
/// CRadio : choix exclusif légendé ; un seul choisi par groupe et par fenêtre.
#pragma once

#include "../render/SkinCoche.h"
#include "AppuiSurvol.h"
#include "CObjetGDI.h"
#include "CaseLegendee.h"

/// Le choix exclusif : un rond et sa légende. Le choisir (clic, Espace, flèches) ôte le choix
/// aux autres choix du même groupe dans la même fenêtre.
class CRadio : public CObjetGDI
{
  public:
    SkinCoche skin;       ///< copie de la ligne COCHE_SKIN_RADIO, imageBasDroite exclusif
    bool choisi = false;  ///< le choix fait ; à poser par setChoisi, qui garde le groupe exclusif
    bool appuye = false;  ///< appui commencé sur le choix, souris encore dessus
    bool survole = false; ///< souris sur le choix à la dernière mise à jour
    int groupe = 0;       ///< les choix d'une fenêtre de même groupe s'excluent
    /// Prévenus quand la personne choisit celui-ci (clic, Espace, flèches), pas par setChoisi ;
    /// l'émetteur est le choix.
    ListeGestionnaires changementChoix;

    /// position : coin haut-gauche dans la zone client du parent ; legende : texte balisé à
    /// droite du rond, ni copié ni possédé (nul : le rond seul). Pas choisi au départ.
    /// Exemple : `new CRadio(MakeCoord(20, 60), "Petit", 1)`.
    CRadio(Coord position, const char* legende, int groupe);
    ~CRadio() override;

    /// La légende, ou nulle.
    const char* legende() const;
    /// Depuis le code : vrai choisit celui-ci et ôte le choix aux autres du groupe, faux l'ôte à
    /// celui-ci ; changementChoix n'est pas déclenchée.
    void setChoisi(bool etat);

    /// Garde le coin haut-gauche ; la taille est celle du rond et de la légende.
    void setLimites(Rect r) override;

    /// Le choix prend le focus du clavier.
    bool accepteFocus() override;
    /// Espace le choisit comme un clic (EVT_CLIC_GAUCHE déclenché).
    bool toucheFocus(int touche, int modificateurs) override;
    /// Haut et Gauche choisissent le précédent du groupe, Bas et Droite le suivant (dans
    /// l'ordre d'ajout, en revenant au début), qui prend le focus ; un groupe d'un seul laisse
    /// passer les flèches.
    bool toucheSpecialeFocus(int touche, int modificateurs) override;

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

    /// Choisit celui-ci pour la personne : le groupe, puis changementChoix s'il ne l'était pas.
    void choisitParLaPersonne();
};
