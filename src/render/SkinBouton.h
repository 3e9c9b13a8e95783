// SkinBouton : découpe d'un bouton dans sa texture, ses décalages et sa légende, et la table de ses
// lignes.
#pragma once

#include "render/Coord.h"
#include "render/Couleur.h"

#include <cstdint>

struct SkinBouton {
    int32_t texture;
    bool tailleFixe;      // le bouton a toujours la taille de l'image
    bool largeurVariable; // hauteur fixe, largeur libre (quand tailleFixe est faux)
    int32_t decoupeX[4];  // colonnes x0..x3
    int32_t decoupeY[4];  // lignes y0..y3 ; y1 et y2 ne servent qu'au cadre
    bool etire;           // étirer (vrai) ou répéter (faux) le milieu
    Coord decalageSurvol; // décalage des texels sous la souris
    Coord decalageAppui;  // décalage des texels enfoncé
    Coord enfoncement;    // déplacement du dessin enfoncé
    Couleur couleurTexte;
    Couleur couleurTexteSurvol;
    Couleur couleurTexteAppui;
    Coord margeTexteHautGauche; // (-1,-1) avec l'autre marge : pas de légende
    Coord margeTexteBasDroite;
};

const int NOMBRE_SKINS_BOUTON = 9;
// La barre de largeur variable de l'éditeur, nommée ainsi dans le source généré.
const int BOUTON_SKIN_ROND_VARIABLE = 1;

extern const SkinBouton skinsBouton[NOMBRE_SKINS_BOUTON];
