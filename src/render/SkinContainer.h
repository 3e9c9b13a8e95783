// SkinContainer : découpe en neuf morceaux du cadre d'un conteneur, et la table de ses lignes.
#pragma once

#include "render/Couleur.h"

#include <cstdint>

struct SkinContainer {
    int32_t texture;      // -1 : aucun cadre
    Couleur couleurTexte; // couleur par défaut du texte des enfants
    int32_t decoupeX[4];  // colonnes x0..x3 du cadre dans la texture
    int32_t decoupeY[4];  // lignes y0..y3
    bool etire;           // étirer (vrai) ou répéter (faux) bords et centre
    int16_t margeGauche;  // retraits de la zone client
    int16_t margeHaut;
    int16_t margeDroite;
    int16_t margeBas;
    int16_t debordGauche; // débords d'une fenêtre plein écran
    int16_t debordHaut;
    int16_t debordDroite;
    int16_t debordBas;
};

const int NOMBRE_SKINS_CONTAINER = 3;
// La ligne de la fenêtre beige de l'éditeur, nommée ainsi dans le source généré.
const int CONTAINER_SKIN_BEIGE = 1;

extern const SkinContainer skinsContainer[NOMBRE_SKINS_CONTAINER];
// La ligne par défaut, choisie par l'indice -1 : ni cadre ni marge.
extern const SkinContainer skinContainerDefaut;

// La ligne d'indice donné ; -1 et tout indice hors table donnent la ligne par défaut.
const SkinContainer& skinContainer(int indice);
