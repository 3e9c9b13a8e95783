/// @file
/// LigneSkin : la règle commune à toutes les tables d'habillages pour choisir une ligne.
#pragma once

/// La ligne d'indice donné ; tout indice hors de la table donne la ligne vide de la table, sans
/// texture : l'objet ne lit rien au-delà de la table et ne dessine rien.
template <class Skin, int N>
constexpr const Skin& ligneSkin(const Skin (&table)[N], int indice, const Skin& vide)
{
    return indice >= 0 && indice < N ? table[indice] : vide;
}
