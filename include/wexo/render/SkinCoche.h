/// @file
/// SkinCoche : image d'une case à cocher et de sa coche, et la table constante de ses lignes.
#pragma once

#include "Coord.h"
#include "LigneSkin.h"
#include "Texture.h"

#include <cstdint>

/// Une ligne d'habillage de case à cocher, copiée dans chaque case à sa construction.
struct SkinCoche {
    int32_t texture; ///< indice dans textures, -1 : rien à dessiner
    /// Texels de l'image de la case vide, dernier texel inclus.
    ///@{
    Coord imageHautGauche;
    Coord imageBasDroite;
    ///@}
    Coord decalageCoche; ///< de l'image de la case à celle de la coche
    /// Décalage des texels sous la souris et enfoncé.
    ///@{
    Coord decalageSurvol;
    Coord decalageAppui;
    ///@}
    Coord enfoncement; ///< déplacement de la coche enfoncée
};

/// Lignes de skinsCoche.
const int NOMBRE_SKINS_COCHE = 2;
/// La case carrée, nommée ainsi dans le source généré.
const int COCHE_SKIN_DEFAUT = 0;
/// Le rond d'un choix exclusif (CRadio) et son point.
const int COCHE_SKIN_RADIO = 1;

/// Table constante dès la compilation : lisible par tout code de lancement.
inline constexpr SkinCoche skinsCoche[NOMBRE_SKINS_COCHE] = {
    {TEXTURE_COCHES, {0, 0}, {31, 31}, {0, 32}, {0, 0}, {0, 0}, {1, 1}},
    {TEXTURE_COCHES, {32, 0}, {63, 31}, {0, 32}, {0, 0}, {0, 0}, {1, 1}},
};

/// La ligne vide : ni texture ni taille, son dernier texel inclus avant le premier.
inline constexpr SkinCoche skinCocheVide = {-1, {0, 0}, {-1, -1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};

/// La ligne d'indice donné ; hors de la table, la ligne vide.
constexpr const SkinCoche& skinCoche(int indice)
{
    return ligneSkin(skinsCoche, indice, skinCocheVide);
}
