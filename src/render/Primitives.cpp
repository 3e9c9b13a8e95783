// Copies de texels découpées au rectangle courant et primitives de couleur unie.
#include "render/Primitives.h"

#include "render/LotGL.h"
#include "render/PilesDessin.h"
#include "render/PorteeDessin.h"
#include "render/Texture.h"

#include <cmath>

namespace
{
// Texels comptés depuis le haut de la texture, de 0 à 1 ; le dorsal les retourne pour OpenGL.
float texelS(const Texture& t, int x)
{
    return float(double(x) / t.largeurTexture);
}
float texelT(const Texture& t, int y)
{
    return float(double(y) / t.hauteurTexture);
}

// La moitié de la taille d'un point, tronquée ; NaN ou démesurée, bornée avant la conversion.
int moitie(float taille)
{
    const float h = taille / 2;
    if (!(std::fabs(h) < 32768.0f))
        return 0;
    return int(h);
}

bool decoupageVide(const Rect& c)
{
    return c.hautGauche.x >= c.basDroite.x || c.hautGauche.y >= c.basDroite.y;
}

// Vrai quand le rectangle [d1, d2) recouvre le découpage non vide c ; un simple contact
// par le bord extérieur ne compte pas.
bool recouvre(Coord d1, Coord d2, const Rect& c)
{
    return !decoupageVide(c) && d2.x > c.hautGauche.x && d1.x < c.basDroite.x &&
           d2.y > c.hautGauche.y && d1.y < c.basDroite.y;
}

// Décale un bord de texels dans la proportion du bord d'écran retranché ; produit sur
// 32 bits, division tronquée vers zéro, résultat rangé sur 16 bits.
int16_t proportion(int16_t s1, int16_t s2, int retranche, int etendue)
{
    return coupe16((int(s2) - int(s1)) * retranche / etendue);
}

// Coupe un axe de la destination [d1, d2) au découpage [c1, c2), le bord de départ d'abord, et
// les texels [s1, s2) en proportion.
void coupeAxe(int16_t& d1, int16_t& d2, int16_t& s1, int16_t& s2, int16_t c1, int16_t c2)
{
    if (d1 < c1) {
        s1 = coupe16(s1 + proportion(s1, s2, c1 - d1, d2 - d1));
        d1 = c1;
    }
    if (d2 > c2) {
        s2 = coupe16(s2 - proportion(s1, s2, d2 - c2, d2 - d1));
        d2 = c2;
    }
}
} // namespace

void dessineImageEtiree(int texture, Coord hautGauche, Coord basDroite, Coord sourceHautGauche,
                        Coord sourceBasDroite)
{
    const PorteeDessin portee;
    const Coord origine = origineCourante();
    Coord d1 = hautGauche + origine, d2 = basDroite + origine;
    Coord s1 = sourceHautGauche, s2 = sourceBasDroite;
    const Rect c = decoupageCourant();
    if (!recouvre(d1, d2, c))
        return;

    coupeAxe(d1.x, d2.x, s1.x, s2.x, c.hautGauche.x, c.basDroite.x);
    coupeAxe(d1.y, d2.y, s1.y, s2.y, c.hautGauche.y, c.basDroite.y);

    const Texture& t = textures[texture];
    const QuadDessin texels = {
        texelS(t, s1.x), texelT(t, s1.y), texelS(t, s2.x), texelT(t, s2.y), 0, 0};
    listeDessin().copie(t.nomTexture, d1.x, d1.y, d2.x, d2.y, texels);
}

void dessineImage(int texture, Coord position, Coord sourceHautGauche, Coord sourceBasDroite)
{
    dessineImageEtiree(texture, position, position + (sourceBasDroite - sourceHautGauche),
                       sourceHautGauche, sourceBasDroite);
}

void dessinePoint(Coord centre, Couleur couleur, float taille)
{
    const Coord absolu = centre + origineCourante();
    if (!decoupageCourant().contient(absolu))
        return;
    const int h = moitie(taille);
    dessineLigne(MakeCoord(centre.x - h, centre.y), MakeCoord(centre.x + h, centre.y), couleur,
                 taille, 0xFFFF, 1);
}

void dessineLigne(Coord a, Coord b, Couleur couleur, float epaisseur, uint16_t motif, int facteur)
{
    const PorteeDessin portee;
    const Coord origine = origineCourante();
    a = a + origine;
    b = b + origine;
    // Une boucle de deux sommets trace le segment à l'aller et au retour.
    const float xy[4] = {float(a.x), float(a.y), float(b.x), float(b.y)};
    listeDessin().boucle(xy, 2, couleur, epaisseur, motif, facteur);
}

void dessineCadre(Coord hautGauche, Coord basDroite, Couleur couleur, float epaisseur,
                  uint16_t motif, int facteur)
{
    const PorteeDessin portee;
    const Coord origine = origineCourante();
    const Coord d1 = hautGauche + origine, d2 = basDroite + origine;
    // Le contour n'est pas coupé : il est tracé entier dès qu'il touche le découpage.
    if (!recouvre(d1, d2, decoupageCourant()))
        return;
    const float xy[8] = {float(d1.x), float(d1.y), float(d2.x), float(d1.y),
                         float(d2.x), float(d2.y), float(d1.x), float(d2.y)};
    listeDessin().boucle(xy, 4, couleur, epaisseur, motif, facteur);
}

void remplitRectangle(Coord hautGauche, Coord basDroite, Couleur couleur)
{
    const PorteeDessin portee;
    const Coord origine = origineCourante();
    Coord d1 = hautGauche + origine, d2 = basDroite + origine;
    const Rect c = decoupageCourant();
    if (!recouvre(d1, d2, c))
        return;
    if (d1.x < c.hautGauche.x)
        d1.x = c.hautGauche.x;
    if (d2.x > c.basDroite.x)
        d2.x = c.basDroite.x;
    if (d1.y < c.hautGauche.y)
        d1.y = c.hautGauche.y;
    if (d2.y > c.basDroite.y)
        d2.y = c.basDroite.y;
    listeDessin().rectangle(d1.x, d1.y, d2.x, d2.y, couleur);
}
