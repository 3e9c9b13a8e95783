// CImage : construction et dessin d'une image étirée sur son rectangle.
#include "widgets/CImage.h"

#include "render/PorteeDessin.h"
#include "render/Primitives.h"
#include "render/Texture.h"

namespace
{
// Le coin bas-droit exclu d'une image entière : sa taille en texels.
Coord tailleImage(int texture)
{
    if (!textureDuJeu(texture))
        return MakeCoord(0, 0);
    return MakeCoord(textures[texture].largeur, textures[texture].hauteur);
}
} // namespace

CImage::CImage(int texture, Rect limites, Rect source)
    : texture(texture), imageHautGauche(source.hautGauche), imageBasDroite(source.basDroite)
{
    this->limites = limites;
    inscritGestionnaires();
}

CImage::CImage(Rect limites, int texture)
    : texture(texture), imageHautGauche(MakeCoord(0, 0)), imageBasDroite(tailleImage(texture)),
      imageEntiere(true)
{
    this->limites = limites;
    inscritGestionnaires();
}

void CImage::inscritGestionnaires()
{
    ajouteGestionnairePropre(evenements[EVT_DESSIN], this, &CImage::dessine);
}

void CImage::dessine(CObjetGDI* /*emetteur*/)
{
    const PorteeDessin portee;
    // Un indice hors du jeu lirait au-delà de la table : rien n'est dessiné.
    if (!textureDuJeu(texture))
        return;
    if (imageEntiere)
        imageBasDroite = tailleImage(texture);
    dessineImageEtiree(texture, limites.hautGauche, limites.basDroite, imageHautGauche,
                       imageBasDroite);
}
