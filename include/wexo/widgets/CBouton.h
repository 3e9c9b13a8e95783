/// @file
/// CBouton : bouton poussoir habillé, avec trois aspects (normal, survolé, enfoncé) et une légende.
#pragma once

#include "../render/SkinBouton.h"
#include "AppuiSurvol.h"
#include "CObjetGDI.h"

struct Bandes;

/// Le bouton poussoir : un habillage à trois aspects et, selon sa ligne, une légende balisée.
class CBouton : public CObjetGDI
{
  public:
    SkinBouton skin;      ///< copie de la ligne choisie, ou habillage d'icône
    bool appuye = false;  ///< dessiné enfoncé
    bool survole = false; ///< la souris est dessus à la dernière mise à jour
    /// Légende balisée, ou nul ; ni copiée ni possédée : l'appelant la garde en vie.
    const char* texte = nullptr;

    /// Bouton à légende ; limites déduites de r par setLimites.
    CBouton(Rect r, const char* texte, int skin);
    /// Même bouton sans légende.
    CBouton(Rect r, int skin);
    /// Sans légende, à la taille de l'image de la ligne.
    CBouton(Coord position, int skin);
    /// Icône : image fixe découpée de sourceHautGauche à sourceBasDroite (inclus).
    CBouton(Coord position, int texture, Coord sourceHautGauche, Coord sourceBasDroite,
            Coord decalageSurvol, Coord decalageAppui, Coord enfoncement);

    /// Change la légende depuis le code, dessinée à l'image suivante ; le bouton garde le
    /// pointeur, que l'appelant garde en vie ; nul ôte la légende.
    void setTexte(const char* legende);

    /// Actionne le bouton comme un clic de la souris : déclenche EVT_CLIC_GAUCHE, le bouton en
    /// émetteur. Ses gestionnaires peuvent détruire la fenêtre : rien ne doit suivre l'appel.
    void actionne();

    /// Le bouton prend le focus du clavier.
    bool accepteFocus() override;
    /// Espace et Entrée l'actionnent.
    bool toucheFocus(int touche, int modificateurs) override;

    /// Taille fixe : celle de l'image ; largeur variable : hauteur de l'image et largeur
    /// minimale ; cadre : r tel quel.
    void setLimites(Rect r) override;

    /// Gestionnaires inscrits par le constructeur.
    ///@{
    void appuie(CObjetGDI* emetteur);
    void relache(CObjetGDI* emetteur);
    void survol(CObjetGDI* emetteur);
    void finSurvol(CObjetGDI* emetteur);
    void dessine(CObjetGDI* emetteur);
    ///@}

  private:
    AppuiSurvol comportement{*this, appuye, survole};

    /// Étapes communes aux constructeurs, une fois skin et texte en place.
    void construit(Rect demande);
    void dessineBarre(const Bandes& x, const Bandes& y, int W);
    void dessineLegende(int W, int H);
};
