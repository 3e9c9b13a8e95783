// Copies de texels découpées au rectangle courant et primitives de couleur unie.
#include "render/Primitives.h"

#include "render/LotGL.h"
#include "render/PilesDessin.h"
#include "render/Texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace
{
// OpenGL a son origine en bas à gauche.
void sommet(int x, int y)
{
    glVertex2i(x, HAUTEUR_ECRAN - y);
}

void coordonneeTexture(const Texture& t, int x, int y)
{
    glTexCoord2f(float(double(x) / t.largeurTexture), float(1.0 - double(y) / t.hauteurTexture));
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

void prepareTrait(Couleur couleur, float epaisseur, uint16_t motif, int facteur)
{
    sansTexture();
    glLineWidth(epaisseur);
    glLineStipple(facteur, motif);
    glColor4ubv(&couleur.r);
}
} // namespace

void prepareEtatGL()
{
    oublieEtatGL();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, LARGEUR_ECRAN, 0, HAUTEUR_ECRAN);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glDisable(GL_LINE_SMOOTH);
    glEnable(GL_LINE_STIPPLE);
    glClearColor(0, 0, 0, 1);
}

void dessineImageEtiree(int texture, Coord hautGauche, Coord basDroite, Coord sourceHautGauche,
                        Coord sourceBasDroite)
{
    const Coord origine = origineCourante();
    Coord d1 = hautGauche + origine, d2 = basDroite + origine;
    Coord s1 = sourceHautGauche, s2 = sourceBasDroite;
    const Rect c = decoupageCourant();
    if (!recouvre(d1, d2, c))
        return;

    coupeAxe(d1.x, d2.x, s1.x, s2.x, c.hautGauche.x, c.basDroite.x);
    coupeAxe(d1.y, d2.y, s1.y, s2.y, c.hautGauche.y, c.basDroite.y);

    const Texture& t = textures[texture];
    const bool regroupe = lotsPermis();
    if (regroupe) {
        quadsTextures(t.identifiant);
        glColor4f(1, 1, 1, 1);
    } else {
        glEnable(GL_TEXTURE_2D);
        glColor4f(1, 1, 1, 1);
        glBindTexture(GL_TEXTURE_2D, t.identifiant);
        glBegin(GL_QUADS);
    }
    coordonneeTexture(t, s1.x, s1.y);
    sommet(d1.x, d1.y);
    coordonneeTexture(t, s2.x, s1.y);
    sommet(d2.x, d1.y);
    coordonneeTexture(t, s2.x, s2.y);
    sommet(d2.x, d2.y);
    coordonneeTexture(t, s1.x, s2.y);
    sommet(d1.x, d2.y);
    if (!regroupe) {
        glEnd();
        glDisable(GL_TEXTURE_2D);
    }
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
    const int h = int(taille / 2);
    dessineLigne(MakeCoord(centre.x - h, centre.y), MakeCoord(centre.x + h, centre.y), couleur,
                 taille, 0xFFFF, 1);
}

void dessineLigne(Coord a, Coord b, Couleur couleur, float epaisseur, uint16_t motif, int facteur)
{
    const Coord origine = origineCourante();
    a = a + origine;
    b = b + origine;
    prepareTrait(couleur, epaisseur, motif, facteur);
    // Une boucle de deux sommets trace le segment à l'aller et au retour.
    glBegin(GL_LINE_LOOP);
    sommet(a.x, a.y);
    sommet(b.x, b.y);
    glEnd();
}

void dessineCadre(Coord hautGauche, Coord basDroite, Couleur couleur, float epaisseur,
                  uint16_t motif, int facteur)
{
    const Coord origine = origineCourante();
    const Coord d1 = hautGauche + origine, d2 = basDroite + origine;
    // Le contour n'est pas coupé : il est tracé entier dès qu'il touche le découpage.
    if (!recouvre(d1, d2, decoupageCourant()))
        return;
    prepareTrait(couleur, epaisseur, motif, facteur);
    glBegin(GL_LINE_LOOP);
    sommet(d1.x, d1.y);
    sommet(d2.x, d1.y);
    sommet(d2.x, d2.y);
    sommet(d1.x, d2.y);
    glEnd();
}

void remplitRectangle(Coord hautGauche, Coord basDroite, Couleur couleur)
{
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
    sansTexture();
    glColor4ubv(&couleur.r);
    glRecti(d1.x, HAUTEUR_ECRAN - d1.y, d2.x, HAUTEUR_ECRAN - d2.y);
}
