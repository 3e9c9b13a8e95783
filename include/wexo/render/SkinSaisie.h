/// @file
/// SkinSaisie : cadre découpé en neuf d'un champ de saisie dans ses quatre états, couleurs de son
/// texte, et la table constante de ses lignes.
#pragma once

#include "Coord.h"
#include "Couleur.h"
#include "LigneSkin.h"
#include "Texture.h"

#include <cstdint>

/// Une ligne d'habillage de champ de saisie, copiée dans chaque champ à sa construction.
struct SkinSaisie {
    int32_t texture; ///< indice dans textures, -1 : pas de cadre
    /// Coupes du cadre au repos, comme celles d'un conteneur : x0..x3 et y0..y3, x3 et y3 les
    /// derniers texels, x1, x2, y1 et y2 les texels qui séparent les bandes.
    ///@{
    int32_t decoupeX[4];
    int32_t decoupeY[4];
    ///@}
    /// Décalage des texels du cadre survolé, sous le focus et inactif.
    ///@{
    Coord decalageSurvol;
    Coord decalageFocus;
    Coord decalageInactif;
    ///@}
    int32_t margeTexte; ///< pixels du bord gauche ou droit au texte
    /// Couleurs du texte, du texte inactif, du fond de la sélection et du curseur.
    ///@{
    Couleur couleurTexte;
    Couleur couleurTexteInactif;
    Couleur couleurSelection;
    Couleur couleurCurseur;
    ///@}
};

/// Lignes de skinsSaisie.
const int NOMBRE_SKINS_SAISIE = 1;
/// La seule ligne : le cadre creusé des images Boutons.
const int SAISIE_SKIN_DEFAUT = 0;

/// Table constante dès la compilation : lisible par tout code de lancement.
inline constexpr SkinSaisie skinsSaisie[NOMBRE_SKINS_SAISIE] = {
    {TEXTURE_BOUTONS,
     {192, 198, 213, 219},
     {200, 206, 221, 227},
     {0, 32},
     {0, 64},
     {0, 96},
     6,
     {40, 34, 24, 255},
     {150, 140, 120, 255},
     {160, 215, 210, 255},
     {20, 20, 20, 255}},
};

/// La ligne vide : sans texture, texte noir.
inline constexpr SkinSaisie skinSaisieVide = {-1,
                                              {0, 0, 0, 0},
                                              {0, 0, 0, 0},
                                              {0, 0},
                                              {0, 0},
                                              {0, 0},
                                              6,
                                              {0, 0, 0, 255},
                                              {128, 128, 128, 255},
                                              {160, 215, 210, 255},
                                              {0, 0, 0, 255}};

/// La ligne d'indice donné ; hors de la table, la ligne vide.
constexpr const SkinSaisie& skinSaisie(int indice)
{
    return ligneSkin(skinsSaisie, indice, skinSaisieVide);
}
