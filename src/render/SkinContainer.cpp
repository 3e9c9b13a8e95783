// Choix d'une ligne de la table des habillages de conteneurs, avec repli sur la ligne par défaut.
#include "render/SkinContainer.h"

const SkinContainer& skinContainer(int indice)
{
    if (indice < 0 || indice >= NOMBRE_SKINS_CONTAINER)
        return skinContainerDefaut;
    return skinsContainer[indice];
}
