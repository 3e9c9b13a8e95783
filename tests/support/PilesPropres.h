// Remise à vide des piles d'origines et de découpages entre deux tests de dessin.
#pragma once

#include "render/PilesDessin.h"

inline void videPilesDessin()
{
    while (profondeurOrigines())
        depileOrigine();
    while (profondeurDecoupages())
        depileDecoupage();
}
