// Curseur : le curseur par défaut et le calcul de l'image animée.
#include "application/Curseur.h"

#include "render/Texture.h"

const Curseur curseurDefaut = {
    TEXTURE_CURSEURS, {{0, 0}, {50, 50}}, {50, 0}, 4, {0, 0}, 200,
};

Curseur curseurCourant = curseurDefaut;

int imageDuCurseur(const Curseur& curseur, int32_t temps)
{
    if (curseur.dureeImage <= 0 || curseur.nombreImages <= 0)
        return 0;
    // Le temps est lu comme un compteur non signé : après 24 jours il passe dans les négatifs
    // en signé, ce qui donnerait un reste négatif et une image hors de la texture.
    const uint32_t ecoule = uint32_t(temps);
    return int((ecoule / uint32_t(curseur.dureeImage)) % uint32_t(curseur.nombreImages));
}

Rect sourceDuCurseur(const Curseur& curseur, int image)
{
    const Coord decalage = MakeCoord(image * curseur.pas.x, image * curseur.pas.y);
    return curseur.source + decalage;
}
