/// @file
/// SkinBouton : découpe d'un bouton dans sa texture, ses décalages et sa légende, et la table
/// constante de ses lignes.
#pragma once

#include "Coord.h"
#include "Couleur.h"
#include "LigneSkin.h"
#include "Texture.h"

#include <cstdint>

/// Une ligne d'habillage de bouton, copiée dans chaque bouton à sa construction.
struct SkinBouton {
    int32_t texture;      ///< indice dans textures, -1 : rien à dessiner
    bool tailleFixe;      ///< le bouton a toujours la taille de l'image
    bool largeurVariable; ///< hauteur fixe, largeur libre (quand tailleFixe est faux)
    int32_t decoupeX[4];  ///< colonnes x0..x3
    int32_t decoupeY[4];  ///< lignes y0..y3 ; y1 et y2 ne servent qu'au cadre
    bool etire;           ///< étirer (vrai) ou répéter (faux) le milieu
    Coord decalageSurvol; ///< décalage des texels sous la souris
    Coord decalageAppui;  ///< décalage des texels enfoncé
    Coord enfoncement;    ///< déplacement du dessin enfoncé
    /// Couleur de la légende au repos, sous la souris et enfoncé.
    ///@{
    Couleur couleurTexte;
    Couleur couleurTexteSurvol;
    Couleur couleurTexteAppui;
    ///@}
    /// Retraits de la légende dans le bouton ; (-1,-1) aux deux : pas de légende.
    ///@{
    Coord margeTexteHautGauche;
    Coord margeTexteBasDroite;
    ///@}
};

/// Lignes de skinsBouton.
const int NOMBRE_SKINS_BOUTON = 9;
/// La barre de largeur variable de l'éditeur, nommée ainsi dans le source généré.
const int BOUTON_SKIN_ROND_VARIABLE = 1;

/// Table constante dès la compilation : lisible par tout code de lancement.
// clang-format off
inline constexpr SkinBouton skinsBouton[NOMBRE_SKINS_BOUTON] = {
    // Le gros bouton rond, sans légende.
    {TEXTURE_BOUTONS, true, true, {0, 0, 0, 95}, {0, 0, 0, 95}, false,
     {0, 96}, {0, 96}, {2, 3}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {-1, -1}, {-1, -1}},
    // La barre : bout gauche, milieu étiré, bout droit ; légende grise, turquoise au survol.
    {TEXTURE_BOUTONS, false, true, {96, 161, 172, 255}, {0, 0, 0, 95}, true,
     {0, 96}, {0, 96}, {2, 3}, {70, 70, 70, 255}, {0, 255, 255, 255}, {0, 255, 255, 255},
     {40, 40}, {40, 39}},
    // Quatre petits boutons côte à côte, sans légende.
    {TEXTURE_BOUTONS, true, true, {0, 0, 0, 40}, {192, 192, 192, 232}, false,
     {0, 41}, {0, 41}, {1, 2}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {-1, -1}, {-1, -1}},
    {TEXTURE_BOUTONS, true, true, {41, 41, 41, 81}, {192, 192, 192, 232}, false,
     {0, 41}, {0, 41}, {1, 2}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {-1, -1}, {-1, -1}},
    {TEXTURE_BOUTONS, true, true, {82, 82, 82, 122}, {192, 192, 192, 232}, false,
     {0, 41}, {0, 41}, {1, 2}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {-1, -1}, {-1, -1}},
    {TEXTURE_BOUTONS, true, true, {123, 123, 123, 163}, {192, 192, 192, 232}, false,
     {0, 41}, {0, 41}, {1, 2}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {-1, -1}, {-1, -1}},
    // Les boutons de la fenêtre de message : une image normale, trois survols.
    {TEXTURE_BOUTONS, true, true, {0, 0, 0, 92}, {274, 274, 274, 335}, false,
     {93, 0}, {93, 0}, {2, 3}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {-1, -1}, {-1, -1}},
    {TEXTURE_BOUTONS, true, true, {0, 0, 0, 92}, {274, 274, 274, 335}, false,
     {0, 62}, {0, 62}, {2, 3}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {-1, -1}, {-1, -1}},
    {TEXTURE_BOUTONS, true, true, {0, 0, 0, 92}, {274, 274, 274, 335}, false,
     {93, 62}, {93, 62}, {2, 3}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {-1, -1}, {-1, -1}},
};

/// La ligne vide : ni texture, ni taille, ni légende.
inline constexpr SkinBouton skinBoutonVide =
    {-1, true, true, {0, 0, 0, 0}, {0, 0, 0, 0}, false, {0, 0}, {0, 0}, {0, 0},
     {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {-1, -1}, {-1, -1}};
// clang-format on

/// La ligne d'indice donné ; hors de la table, la ligne vide.
constexpr const SkinBouton& skinBouton(int indice)
{
    return ligneSkin(skinsBouton, indice, skinBoutonVide);
}
