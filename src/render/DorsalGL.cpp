// DorsalGL : la liste envoyée en tableaux par lots, ou chaque commande seule en mode immédiat.
#include "render/DorsalGL.h"

#include "render/TailleAffichage.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace
{
// Sommets d'un morceau de lot envoyés ensemble ; au-delà, le lot part en plusieurs tableaux.
const size_t SOMMETS_PAR_TABLEAU = 1024;

// Vrai, avec la valeur dans i, pour un flottant entier qui tient sans risque dans un int.
bool entier(float v, int& i)
{
    if (!(std::fabs(v) < 1e9f) || v != std::floor(v))
        return false;
    i = int(v);
    return true;
}

void sommet(float x, float y)
{
    int xi, yi;
    if (entier(x, xi) && entier(y, yi))
        glVertex2i(xi, yi);
    else
        glVertex2f(x, y);
}

// Les composantes de couleur en flottants, calculées une fois.
struct Composantes {
    float valeur[256];
    Composantes()
    {
        for (int i = 0; i < 256; ++i)
            valeur[i] = float(i) / 255.0f;
    }
};
const Composantes COMPOSANTES;

float composante(uint8_t c)
{
    return COMPOSANTES.valeur[c];
}

bool blanc(Couleur c)
{
    return c == Couleur{255, 255, 255, 255};
}
} // namespace

void DorsalGL::prepareEtat()
{
    oublieEtat();
    largeurPosee = hauteurPosee = repereLePose = -1;
    hauteurRepere = hauteurAffichage();
    dansGestionnaire = false;
    assureProjection();
    glLoadIdentity();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glDisable(GL_LINE_SMOOTH);
    glEnable(GL_LINE_STIPPLE);
    glClearColor(0, 0, 0, 1);
}

void DorsalGL::oublieEtat()
{
    texturageAllume = false;
    texturageConnu = true;
    liaisonConnue = false;
    traitConnu = false;
}

// La projection de l'affichage de largeur x hauteur pixels, dont le haut est en hauteurRepere :
// le repère de la boîte à outils (hauteurRepere = hauteur), ou celui des programmes (768).
void DorsalGL::assureProjection()
{
    const int l = largeurAffichage(), h = hauteurAffichage();
    if (!dansGestionnaire)
        hauteurRepere = h;
    if (l == largeurPosee && h == hauteurPosee && hauteurRepere == repereLePose)
        return;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, l, hauteurRepere - h, hauteurRepere);
    glMatrixMode(GL_MODELVIEW);
    largeurPosee = l;
    hauteurPosee = h;
    repereLePose = hauteurRepere;
}

void DorsalGL::texturage(bool voulu)
{
    if (texturageConnu && texturageAllume == voulu)
        return;
    if (voulu)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
    texturageAllume = voulu;
    texturageConnu = true;
}

void DorsalGL::lie(uint32_t nom)
{
    if (liaisonConnue && textureLiee == nom)
        return;
    glBindTexture(GL_TEXTURE_2D, nom);
    textureLiee = nom;
    liaisonConnue = true;
}

void DorsalGL::trait(float epaisseur, uint16_t motif, int facteur)
{
    if (!traitConnu || epaisseurPosee != epaisseur)
        glLineWidth(epaisseur);
    if (!traitConnu || motifPose != motif || facteurPose != facteur)
        glLineStipple(facteur, motif);
    epaisseurPosee = epaisseur;
    motifPose = motif;
    facteurPose = facteur;
    traitConnu = true;
}

// L'état promis au gestionnaire : texturage coupé, couleur et trait de la dernière commande,
// repère (x, 768 - y).
void DorsalGL::gestionnaire(const CommandeDessin& c)
{
    texturage(false);
    if (c.trait.couleurConnue)
        glColor4ubv(&c.couleur.r);
    if (c.trait.traitConnu) {
        // Posé même s'il paraît connu : les tableaux ont pu le laisser à un autre lot.
        traitConnu = false;
        trait(c.trait.epaisseur, c.trait.motif, c.trait.facteur);
    }
    dansGestionnaire = true;
    hauteurRepere = HAUTEUR_REPERE_PROGRAMMES;
    assureProjection();
}

void DorsalGL::finGestionnaire()
{
    if (!dansGestionnaire)
        return;
    dansGestionnaire = false;
    // Il a pu lier, allumer, tracer ou changer la projection à sa guise.
    texturageConnu = liaisonConnue = traitConnu = false;
    assureProjection();
}

// Une commande seule, en mode immédiat, comme la décrivent les primitives.
void DorsalGL::seule(const CommandeDessin& c, const ListeDessin& liste)
{
    if (c.genre == DESSIN_GESTIONNAIRE) {
        gestionnaire(c);
        return;
    }
    // Sans texture, le texturage coupé : un gestionnaire a pu le laisser allumé.
    if (c.texture == 0)
        texturage(false);
    if (c.genre == DESSIN_BOUCLE) {
        // Seule, chaque boucle pose tout son trait.
        traitConnu = false;
        trait(c.trait.epaisseur, c.trait.motif, c.trait.facteur);
        glColor4ubv(&c.couleur.r);
        glBegin(GL_LINE_LOOP);
        const float* xy = &liste.sommetsBoucles()[2 * size_t(c.trait.premier)];
        for (uint32_t i = 0; i < c.trait.nombre; ++i)
            sommet(xy[2 * i], yGL(xy[2 * i + 1]));
        glEnd();
        return;
    }
    if (c.texture == 0) {
        int x1, y1, x2, y2;
        glColor4ubv(&c.couleur.r);
        if (c.quad.penteGauche == 0 && c.quad.penteDroite == 0 && entier(c.x1, x1) &&
            entier(yGL(c.y1), y1) && entier(c.x2, x2) && entier(yGL(c.y2), y2)) {
            glRecti(x1, y1, x2, y2);
            return;
        }
    } else {
        glEnable(GL_TEXTURE_2D);
        if (blanc(c.couleur))
            glColor4f(1, 1, 1, 1);
        else
            glColor4ubv(&c.couleur.r);
        glBindTexture(GL_TEXTURE_2D, c.texture);
        textureLiee = c.texture;
        liaisonConnue = true;
    }
    const QuadDessin& q = c.quad;
    glBegin(GL_QUADS);
    glTexCoord2f(q.s1, 1 - q.t1);
    sommet(c.x1 + q.penteGauche, yGL(c.y1));
    glTexCoord2f(q.s2, 1 - q.t1);
    sommet(c.x2 + q.penteDroite, yGL(c.y1));
    glTexCoord2f(q.s2, 1 - q.t2);
    sommet(c.x2, yGL(c.y2));
    glTexCoord2f(q.s1, 1 - q.t2);
    sommet(c.x1, yGL(c.y2));
    glEnd();
    if (c.texture) {
        glDisable(GL_TEXTURE_2D);
        texturageAllume = false;
        texturageConnu = true;
    }
}

void DorsalGL::videTableau(bool boucles)
{
    if (remplis == 0)
        return;
    const GLsizei pas = sizeof(SommetGL);
    const SommetGL* s = tableau.data();
    glVertexPointer(2, GL_FLOAT, pas, &s->x);
    glTexCoordPointer(2, GL_FLOAT, pas, &s->s);
    glColorPointer(4, GL_FLOAT, pas, &s->r);
    if (boucles) {
        GLint premier = 0;
        for (uint32_t n : longueurs) {
            glDrawArrays(GL_LINE_LOOP, premier, GLsizei(n));
            premier += GLint(n);
        }
    } else {
        glDrawArrays(GL_QUADS, 0, GLsizei(remplis));
    }
    remplis = 0;
    longueurs.clear();
}

// Un lot en tableaux de sommets, par morceaux de SOMMETS_PAR_TABLEAU.
void DorsalGL::lot(const LotDessin& l, const ListeDessin& liste)
{
    const EtatLot& e = l.etat;
    if (e.genre == DESSIN_GESTIONNAIRE) {
        gestionnaire(liste.commandes()[l.membres[0]]);
        return;
    }
    texturage(e.texture != 0);
    if (e.texture)
        lie(e.texture);
    const bool boucles = e.genre == DESSIN_BOUCLE;
    if (boucles)
        trait(e.epaisseur, e.motif, e.facteur);
    if (tableau.size() < SOMMETS_PAR_TABLEAU)
        tableau.resize(SOMMETS_PAR_TABLEAU);
    const CommandeDessin* commandes = liste.commandes().data();
    for (uint16_t i : l.membres) {
        const CommandeDessin& c = commandes[i];
        const float r = composante(c.couleur.r), g = composante(c.couleur.g),
                    b = composante(c.couleur.b), a = composante(c.couleur.a);
        if (boucles) {
            if (remplis > 0 && remplis + c.trait.nombre > tableau.size())
                videTableau(true);
            if (c.trait.nombre > tableau.size())
                tableau.resize(c.trait.nombre);
            const float* xy = &liste.sommetsBoucles()[2 * size_t(c.trait.premier)];
            for (uint32_t k = 0; k < c.trait.nombre; ++k)
                tableau[remplis++] = {0, 0, r, g, b, a, xy[2 * k], yGL(xy[2 * k + 1])};
            longueurs.push_back(c.trait.nombre);
            continue;
        }
        if (remplis + 4 > SOMMETS_PAR_TABLEAU)
            videTableau(false);
        const QuadDessin& q = c.quad;
        const float haut = yGL(c.y1), bas = yGL(c.y2);
        const float th = 1 - q.t1, tb = 1 - q.t2;
        SommetGL* v = &tableau[remplis];
        remplis += 4;
        v[0] = {q.s1, th, r, g, b, a, c.x1 + q.penteGauche, haut};
        v[1] = {q.s2, th, r, g, b, a, c.x2 + q.penteDroite, haut};
        v[2] = {q.s2, tb, r, g, b, a, c.x2, bas};
        v[3] = {q.s1, tb, r, g, b, a, c.x1, bas};
    }
    videTableau(boucles);
}

void DorsalGL::envoie(const ListeDessin& liste, bool regroupe)
{
    const std::vector<CommandeDessin>& commandes = liste.commandes();
    if (!commandes.empty()) {
        assureProjection();
        if (!regroupe) {
            for (const CommandeDessin& c : commandes) {
                if (copie)
                    copie->ajoute(c, liste);
                seule(c, liste);
            }
        } else {
            regroupement.range(liste);
            const LotDessin* lots = regroupement.lots();
            const size_t n = regroupement.nombreLots();
            if (copie)
                for (size_t i = 0; i < n; ++i)
                    for (uint16_t k : lots[i].membres)
                        copie->ajoute(commandes[k], liste);
            glEnableClientState(GL_VERTEX_ARRAY);
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
            glEnableClientState(GL_COLOR_ARRAY);
            for (size_t i = 0; i < n; ++i)
                lot(lots[i], liste);
            glDisableClientState(GL_VERTEX_ARRAY);
            glDisableClientState(GL_TEXTURE_COORD_ARRAY);
            glDisableClientState(GL_COLOR_ARRAY);
        }
    }
    texturage(false);
}
