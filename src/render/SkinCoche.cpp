// Table des habillages de cases à cocher.
#include "render/SkinCoche.h"

const SkinCoche skinsCoche[NOMBRE_SKINS_COCHE] = {
    {4, {0, 0}, {31, 31}, {0, 32}, {0, 0}, {0, 0}, {1, 1}},
};
