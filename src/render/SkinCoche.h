// SkinCoche : image d'une case à cocher et de sa coche, et la table constante de ses lignes.
#pragma once

#include "render/Coord.h"

#include <cstdint>

struct SkinCoche {
    int32_t texture;
    Coord imageHautGauche;
    Coord imageBasDroite; // dernier texel inclus dans la table
    Coord decalageCoche;  // de l'image de la case à celle de la coche
    Coord decalageSurvol;
    Coord decalageAppui;
    Coord enfoncement; // déplacement de la coche enfoncée
};

const int NOMBRE_SKINS_COCHE = 1;
const int COCHE_SKIN_DEFAUT = 0;

// Table constante dès la compilation : lisible par tout code de lancement.
inline constexpr SkinCoche skinsCoche[NOMBRE_SKINS_COCHE] = {
    {4, {0, 0}, {31, 31}, {0, 32}, {0, 0}, {0, 0}, {1, 1}},
};
