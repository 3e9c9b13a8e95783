// Table des habillages de barres de progression.
#include "render/SkinProgression.h"

const SkinProgression skinsProgression[NOMBRE_SKINS_PROGRESSION] = {
    {5, {0, 0}, {127, 37}, {7, 39}, {121, 63}, 24, 99, 7, false},
};
