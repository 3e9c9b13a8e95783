// Table des habillages de conteneurs : panneau sombre, fenêtre beige, cadre répété.
#include "render/SkinContainer.h"

// clang-format off
const SkinContainer skinsContainer[NOMBRE_SKINS_CONTAINER] = {
    // Le panneau sombre du choix des objets.
    {2, {255, 255, 255, 255}, {0, 13, 50, 63}, {0, 13, 50, 63}, true,
     9, 9, 9, 9, 0, 0, 0, 0},
    // La fenêtre beige de l'éditeur et de l'aide ; son ombre déborde à droite et en bas.
    {2, {97, 76, 36, 255}, {64, 86, 99, 127}, {0, 27, 44, 63}, true,
     7, 30, 13, 16, 0, 0, 6, 9},
    // Un cadre répété qu'aucune fenêtre du programme n'emploie.
    {2, {24, 105, 90, 255}, {0, 38, 87, 127}, {64, 79, 112, 127}, false,
     34, 4, 36, 6, 31, 0, 32, 2},
};

const SkinContainer skinContainerDefaut =
    {-1, {255, 255, 255, 255}, {0, 0, 0, 0}, {0, 0, 0, 0}, true,
     0, 0, 0, 0, 0, 0, 0, 0};
// clang-format on

const SkinContainer& skinContainer(int indice)
{
    if (indice < 0 || indice >= NOMBRE_SKINS_CONTAINER)
        return skinContainerDefaut;
    return skinsContainer[indice];
}
