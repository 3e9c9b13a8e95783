// Curseur : description du curseur animé de la souris, celle par défaut et celle dessinée.
#pragma once

#include "render/Coord.h"

#include <cstdint>

struct Curseur {
    int32_t texture;      // indice dans textures
    Rect source;          // image 0, en texels (coin bas-droit exclu)
    Coord pas;            // décalage d'une image à la suivante
    int16_t nombreImages; // images de l'animation
    Coord pointChaud;     // soustrait de la position de la souris
    int16_t dureeImage;   // millisecondes par image
};

// Quatre images de 50 x 50 côte à côte dans "Curseurs", 200 ms chacune.
extern const Curseur curseurDefaut;
// Le curseur dessiné : remis à curseurDefaut à chaque tour d'inactivité.
extern Curseur curseurCourant;

// L'image à montrer après temps millisecondes, toujours de 0 à nombreImages - 1.
int imageDuCurseur(const Curseur& curseur, int32_t temps);
// Le rectangle de texels de cette image : la source décalée de image fois le pas.
Rect sourceDuCurseur(const Curseur& curseur, int image);
