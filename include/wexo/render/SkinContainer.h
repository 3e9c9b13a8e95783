/// @file
/// SkinContainer : découpe en neuf morceaux du cadre d'un conteneur, et la table constante de ses
/// lignes.
#pragma once

#include "Couleur.h"
#include "LigneSkin.h"
#include "Texture.h"

#include <cstdint>

/// Une ligne d'habillage de conteneur, copiée dans chaque conteneur à sa construction.
struct SkinContainer {
    int32_t texture;      ///< -1 : aucun cadre
    Couleur couleurTexte; ///< couleur par défaut du texte des enfants
    int32_t decoupeX[4];  ///< colonnes x0..x3 du cadre dans la texture
    int32_t decoupeY[4];  ///< lignes y0..y3
    bool etire;           ///< étirer (vrai) ou répéter (faux) bords et centre
    /// Retraits de la zone client depuis chaque bord.
    ///@{
    int16_t margeGauche;
    int16_t margeHaut;
    int16_t margeDroite;
    int16_t margeBas;
    ///@}
    /// Débords d'une fenêtre plein écran au-delà de chaque bord de l'écran.
    ///@{
    int16_t debordGauche;
    int16_t debordHaut;
    int16_t debordDroite;
    int16_t debordBas;
    ///@}
};

/// Lignes de skinsContainer.
const int NOMBRE_SKINS_CONTAINER = 3;
/// La ligne de la fenêtre beige de l'éditeur, nommée ainsi dans le source généré.
const int CONTAINER_SKIN_BEIGE = 1;

/// Tables constantes dès la compilation : lisibles par tout code de lancement.
// clang-format off
inline constexpr SkinContainer skinsContainer[NOMBRE_SKINS_CONTAINER] = {
    // Le panneau sombre du choix des objets.
    {TEXTURE_CONTAINERS, {255, 255, 255, 255}, {0, 13, 50, 63}, {0, 13, 50, 63}, true,
     9, 9, 9, 9, 0, 0, 0, 0},
    // La fenêtre beige de l'éditeur et de l'aide ; son ombre déborde à droite et en bas.
    {TEXTURE_CONTAINERS, {97, 76, 36, 255}, {64, 86, 99, 127}, {0, 27, 44, 63}, true,
     7, 30, 13, 16, 0, 0, 6, 9},
    // Un cadre répété qu'aucune fenêtre du programme n'emploie.
    {TEXTURE_CONTAINERS, {24, 105, 90, 255}, {0, 38, 87, 127}, {64, 79, 112, 127}, false,
     34, 4, 36, 6, 31, 0, 32, 2},
};

/// La ligne par défaut, choisie par l'indice -1 : ni cadre ni marge. C'est aussi la ligne vide
/// de la table.
inline constexpr SkinContainer skinContainerDefaut =
    {-1, {255, 255, 255, 255}, {0, 0, 0, 0}, {0, 0, 0, 0}, true,
     0, 0, 0, 0, 0, 0, 0, 0};
// clang-format on

/// La ligne d'indice donné ; -1 et tout indice hors table donnent la ligne par défaut.
constexpr const SkinContainer& skinContainer(int indice)
{
    return ligneSkin(skinsContainer, indice, skinContainerDefaut);
}
