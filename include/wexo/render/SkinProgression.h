/// @file
/// SkinProgression : cadre et remplissage d'une barre de progression, et la table constante de ses
/// lignes.
#pragma once

#include "Coord.h"
#include "LigneSkin.h"
#include "Texture.h"

#include <cstdint>

/// Une ligne d'habillage de barre de progression, copiée dans chaque barre à sa construction.
struct SkinProgression {
    int32_t texture; ///< indice dans textures, -1 : rien à dessiner
    /// Texels du cadre, coin bas-droit inclus.
    ///@{
    Coord cadreHautGauche;
    Coord cadreBasDroite;
    ///@}
    /// Texels du remplissage, coin bas-droit inclus.
    ///@{
    Coord remplissageHautGauche;
    Coord remplissageBasDroite;
    ///@}
    int32_t finGauche;           ///< la partie fixe de gauche s'arrête avant cette colonne
    int32_t debutDroite;         ///< la partie fixe de droite commence après cette colonne
    int32_t decalageRemplissage; ///< décalage vertical du remplissage dans la barre
    bool etire;                  ///< étirer (vrai) ou répéter (faux) le milieu
};

/// Lignes de skinsProgression.
const int NOMBRE_SKINS_PROGRESSION = 1;
/// La seule ligne, nommée ainsi dans le source généré.
const int PROGRESSION_SKIN_DEFAUT = 0;

/// Table constante dès la compilation : lisible par tout code de lancement.
inline constexpr SkinProgression skinsProgression[NOMBRE_SKINS_PROGRESSION] = {
    {TEXTURE_PROGRESSIONS, {0, 0}, {127, 37}, {7, 39}, {121, 63}, 24, 99, 7, false},
};

/// La ligne vide : ni texture, ni hauteur, ni bouts.
// clang-format off
inline constexpr SkinProgression skinProgressionVide =
    {-1, {0, 0}, {0, 0}, {0, 0}, {0, 0}, 0, 0, 0, true};
// clang-format on

/// La ligne d'indice donné ; hors de la table, la ligne vide.
constexpr const SkinProgression& skinProgression(int indice)
{
    return ligneSkin(skinsProgression, indice, skinProgressionVide);
}
