// Table des habillages de boutons : rond, barre variable, petits boutons et boutons de message.
#include "render/SkinBouton.h"

namespace
{
// Les lignes sans légende n'ont ni couleur ni zone de texte.
const Couleur AUCUNE = {0, 0, 0, 0};
const Coord SANS_MARGE = {-1, -1};

SkinBouton image(int x0, int x3, int y0, int y3, Coord decalage, Coord enfoncement)
{
    return SkinBouton{0,      true,     true,       {x0, x0, x0, x3}, {y0, y0, y0, y3},
                      false,  decalage, decalage,   enfoncement,      AUCUNE,
                      AUCUNE, AUCUNE,   SANS_MARGE, SANS_MARGE};
}
} // namespace

const SkinBouton skinsBouton[NOMBRE_SKINS_BOUTON] = {
    image(0, 95, 0, 95, {0, 96}, {2, 3}),
    // La barre : bout gauche, milieu étiré, bout droit ; légende grise, turquoise au survol.
    SkinBouton{0,
               false,
               true,
               {96, 161, 172, 255},
               {0, 0, 0, 95},
               true,
               {0, 96},
               {0, 96},
               {2, 3},
               {70, 70, 70, 255},
               {0, 255, 255, 255},
               {0, 255, 255, 255},
               {40, 40},
               {40, 39}},
    image(0, 40, 192, 232, {0, 41}, {1, 2}),
    image(41, 81, 192, 232, {0, 41}, {1, 2}),
    image(82, 122, 192, 232, {0, 41}, {1, 2}),
    image(123, 163, 192, 232, {0, 41}, {1, 2}),
    // Les boutons de la fenêtre de message : une image normale, trois survols.
    image(0, 92, 274, 335, {93, 0}, {2, 3}),
    image(0, 92, 274, 335, {0, 62}, {2, 3}),
    image(0, 92, 274, 335, {93, 62}, {2, 3}),
};
