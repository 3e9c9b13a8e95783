/// @file
/// CProgression : barre de progression horizontale, réglable à la souris comme un curseur.
#pragma once

#include "../render/SkinProgression.h"
#include "CObjetGDI.h"

#include <cstdint>

/// La barre de progression : une valeur entre un minimum et un maximum, réglable à la souris.
class CProgression : public CObjetGDI
{
  public:
    SkinProgression skin; ///< copie de la ligne choisie
    int32_t minimum;      ///< valeur au bout vide
    int32_t valeur;       ///< de minimum à maximum
    int32_t maximum;      ///< valeur au bout plein
    bool modifiable;      ///< la souris peut-elle régler la valeur
    /// Prévenus de chaque valeur posée par la souris ; l'émetteur est la barre.
    ListeGestionnaires changementValeur;

    /// position : coin haut-gauche dans la zone client du parent ; longueur : largeur voulue.
    CProgression(Coord position, int longueur, bool modifiable, int minimum, int valeur,
                 int maximum, int skin);
    ~CProgression() override;

    /// Pose la valeur depuis le code, ramenée dans [minimum, maximum] comme à la souris
    /// (minimum d'abord, maximum ensuite), dessinée à l'image suivante ; changementValeur, qui
    /// dit les changements faits à la souris, n'est pas déclenchée.
    void setValeur(int v);

    /// Garde le coin haut-gauche ; largeur au moins celle des deux bouts, hauteur du cadre.
    void setLimites(Rect r) override;

    /// Gestionnaire : la valeur suit l'abscisse de la souris tant que l'appui est tenu.
    void regleValeur(CObjetGDI* emetteur);
    /// Gestionnaire du dessin : cadre, puis remplissage sur longueurRemplie.
    void dessine(CObjetGDI* emetteur);

    /// Grandeurs tirées de l'habillage et de la largeur courante.
    int largeurGauche() const;      ///< gL
    int largeurDroite() const;      ///< gR
    int debutRemplissage() const;   ///< xF
    int etendueRemplissage() const; ///< S
    /// Longueur remplie F, entre 0 et S.
    int longueurRemplie() const;
};
