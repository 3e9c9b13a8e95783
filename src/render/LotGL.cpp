// LotGL : texturage, liaison et lot de quads ouverts, posés seulement quand un dessin les change.
#include "render/LotGL.h"

#include "render/Primitives.h"

#include <GL/gl.h>

namespace
{
bool regroupe = true;
bool texturage = false;
bool texturageConnu = true; // faux après un gestionnaire étranger, qui a pu l'allumer
int etrangers = 0;          // gestionnaires étrangers en cours : chaque primitive part seule
bool lieConnu = false;      // faux quand un autre que les primitives a pu lier une texture
uint32_t lie = 0;
bool lotOuvert = false;
} // namespace

void quadsTextures(uint32_t nom)
{
    if (lotOuvert && lieConnu && lie == nom)
        return;
    fermeLot();
    if (!texturage || !texturageConnu) {
        glEnable(GL_TEXTURE_2D);
        texturage = texturageConnu = true;
    }
    if (!lieConnu || lie != nom) {
        glBindTexture(GL_TEXTURE_2D, nom);
        lie = nom;
        lieConnu = true;
    }
    glBegin(GL_QUADS);
    lotOuvert = true;
}

void sansTexture()
{
    fermeLot();
    if (texturage || !texturageConnu) {
        glDisable(GL_TEXTURE_2D);
        texturage = false;
        texturageConnu = true;
    }
}

void fermeLot()
{
    if (!lotOuvert)
        return;
    glEnd();
    lotOuvert = false;
}

void fermeLotGL()
{
    sansTexture();
    // Un appel direct peut lier une autre texture : la prochaine copie reliera la sienne.
    lieConnu = false;
}

void oublieEtatGL()
{
    texturage = false;
    texturageConnu = true;
    lieConnu = false;
    lotOuvert = false;
}

void regroupementGL(bool actif)
{
    fermeLotGL();
    regroupe = actif;
}

bool regroupementGL()
{
    return regroupe;
}

bool lotsPermis()
{
    return regroupe && etrangers == 0;
}

void entreDessinEtranger()
{
    fermeLotGL();
    ++etrangers;
}

void sortDessinEtranger()
{
    --etrangers;
    // Le gestionnaire a pu lier, allumer ou colorer à sa guise.
    fermeLot();
    texturageConnu = false;
    lieConnu = false;
}
