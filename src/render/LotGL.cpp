// LotGL : dessins gardés par lots d'état et envoyés en tableaux, ou envoyés un à un (référence).
#include "render/LotGL.h"

#include "render/Coord.h"
#include "render/Primitives.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
struct SommetGL {
    float s, t;
    float r, g, b, a;
    float x, y;
};

// L'état que demande un lot : texture (0 : sans texturage), ou trait et son pointillé.
struct Etat {
    uint32_t texture;
    bool boucles;
    float epaisseur;
    uint16_t motif;
    int facteur;
    bool operator==(const Etat& e) const
    {
        return texture == e.texture && boucles == e.boucles &&
               (!boucles || (epaisseur == e.epaisseur && motif == e.motif && facteur == e.facteur));
    }
};

struct Lot {
    Etat etat;
    std::vector<SommetGL> sommets;
    std::vector<int> boucles; // sommets de chaque boucle, pour un lot de traits
};

// Politique : regroupé, sauf sur le chemin de référence et pendant un gestionnaire étranger.
bool regroupe = true;
int etrangers = 0;
int portees = 0;

// L'état d'OpenGL tel qu'on le sait ; faux « connu » après un gestionnaire étranger.
bool texturage = false;
bool texturageConnu = true;
uint32_t lie = 0;
bool lieConnu = false;
Etat traitPose = {0, true, -1, 0, -1};
bool traitConnu = false;

// Les lots de l'image en cours, dans l'ordre d'envoi ; gardés d'une image à l'autre pour leur
// mémoire.
std::vector<Lot> lots;
size_t nombreLots = 0;
struct LotsDUnEtat {
    Etat etat;
    std::vector<int> lots; // croissants
};
std::vector<LotsDUnEtat> parEtat; // les lots de chaque état, pour en rejoindre le plus tôt

// L'écran en cases de 8 pixels : pour chacune, le plus grand lot où tombe un dessin qui la
// touche. Un dessin ne peut rejoindre qu'un lot qui vient après tous ceux des dessins qu'il
// recouvre. Une case vaut base + lot + 1 ; chaque envoi avance la base d'une génération, si
// bien que les valeurs des envois passés, plus petites, ne comptent plus sans rien effacer.
const int COTE_CASE = 8;
const int CASES_X = LARGEUR_ECRAN / COTE_CASE, CASES_Y = HAUTEUR_ECRAN / COTE_CASE;
const uint32_t GENERATION = 1u << 16;
const size_t LOTS_MAX = GENERATION - 1; // au-delà, les lots attendus sont d'abord envoyés
std::vector<uint32_t> cases(CASES_X* CASES_Y, 0);
uint32_t base = GENERATION;
size_t nombreEtats = 0;
size_t dernierEtat = 0; // l'état du dessin précédent, le plus souvent celui du suivant

// Une suite de dessins de même état posés dans le dernier lot ouvert : aucun ne peut passer
// devant un autre dessin, ils n'ont pas à lire les cases. Les cases de leur rectangle commun
// ne prennent ce lot qu'à la fin de la suite.
struct Suite {
    bool active = false;
    int lot = 0;
    int cx1 = 0, cy1 = 0, cx2 = 0, cy2 = 0;
    int aire() const { return (cx2 - cx1 + 1) * (cy2 - cy1 + 1); }
};
Suite suite;

bool immediat()
{
    return !regroupe || etrangers > 0;
}

void videCases()
{
    suite.active = false;
    if (base >= ~uint32_t(0) - 2 * GENERATION) {
        std::fill(cases.begin(), cases.end(), 0);
        base = 0;
    }
    base += GENERATION;
    for (size_t i = 0; i < nombreEtats; ++i)
        parEtat[i].lots.clear();
    nombreEtats = 0;
}

// Case du pixel v, de -1 (à gauche ou au-dessus de l'écran) à nombre (au-delà) ; les valeurs
// démesurées sont bornées avant toute conversion.
int caseDe(float v, int nombre)
{
    const float borne = std::min(std::max(v, -1.0f), float(nombre * COTE_CASE));
    return int(borne + COTE_CASE) / COTE_CASE - 1;
}

void termineSuite()
{
    if (!suite.active)
        return;
    suite.active = false;
    for (int cy = suite.cy1; cy <= suite.cy2; ++cy) {
        uint32_t* ligne = &cases[size_t(cy * CASES_X)];
        std::fill(ligne + suite.cx1, ligne + suite.cx2 + 1, base + uint32_t(suite.lot) + 1);
    }
}

// Le lot où ajouter un dessin d'état e couvrant [x1, x2] x [y1, y2].
void envoieTableaux();

Lot& lotPour(const Etat& e, float x1, float y1, float x2, float y2)
{
    if (nombreLots >= LOTS_MAX)
        envoieTableaux();
    // Les pixels de [x1, x2) x [y1, y2) : deux dessins qui se touchent par un bord ne se
    // recouvrent pas ; un bord fractionnaire compte le pixel qu'il entame.
    int cx1 = caseDe(x1, CASES_X), cx2 = caseDe(std::ceil(x2) - 1, CASES_X);
    int cy1 = caseDe(y1, CASES_Y), cy2 = caseDe(std::ceil(y2) - 1, CASES_Y);
    // Hors de l'écran, il ne touche aucun pixel : aucun ordre à garder.
    const bool visible =
        cx2 >= 0 && cx1 < CASES_X && cy2 >= 0 && cy1 < CASES_Y && cx1 <= cx2 && cy1 <= cy2;
    cx1 = std::max(cx1, 0);
    cy1 = std::max(cy1, 0);
    cx2 = std::min(cx2, CASES_X - 1);
    cy2 = std::min(cy2, CASES_Y - 1);

    // Dans la suite en cours, tant que son rectangle grandit sans englober de vide.
    if (suite.active && visible && lots[size_t(suite.lot)].etat == e) {
        Suite plus = suite;
        plus.cx1 = std::min(cx1, suite.cx1);
        plus.cy1 = std::min(cy1, suite.cy1);
        plus.cx2 = std::max(cx2, suite.cx2);
        plus.cy2 = std::max(cy2, suite.cy2);
        if (plus.aire() <= suite.aire() + (cx2 - cx1 + 1) * (cy2 - cy1 + 1)) {
            suite = plus;
            return lots[size_t(suite.lot)];
        }
    }
    termineSuite();

    uint32_t plusGrand = 0;
    if (visible)
        for (int cy = cy1; cy <= cy2; ++cy) {
            const uint32_t* ligne = &cases[size_t(cy * CASES_X)];
            for (int cx = cx1; cx <= cx2; ++cx)
                plusGrand = std::max(plusGrand, ligne[cx]);
        }
    const int depuis = plusGrand > base ? int(plusGrand - base) - 1 : -1;

    if (dernierEtat >= nombreEtats || !(parEtat[dernierEtat].etat == e)) {
        dernierEtat = 0;
        while (dernierEtat < nombreEtats && !(parEtat[dernierEtat].etat == e))
            ++dernierEtat;
        if (dernierEtat == nombreEtats) {
            if (parEtat.size() <= nombreEtats)
                parEtat.emplace_back();
            parEtat[nombreEtats++].etat = e;
        }
    }
    LotsDUnEtat* memeEtat = &parEtat[dernierEtat];
    // Le premier lot de même état qui ne précède aucun dessin recouvert.
    const auto premier = std::lower_bound(memeEtat->lots.begin(), memeEtat->lots.end(), depuis);
    int choisi;
    if (premier != memeEtat->lots.end()) {
        choisi = *premier;
    } else {
        choisi = int(nombreLots++);
        if (lots.size() < nombreLots)
            lots.emplace_back();
        Lot& nouveau = lots[size_t(choisi)];
        nouveau.etat = e;
        nouveau.sommets.clear();
        nouveau.boucles.clear();
        memeEtat->lots.push_back(choisi);
    }
    if (!visible)
        return lots[size_t(choisi)];
    if (choisi == int(nombreLots) - 1) {
        // Le dernier lot : les cases attendront la fin de la suite.
        suite = Suite{true, choisi, cx1, cy1, cx2, cy2};
        return lots[size_t(choisi)];
    }
    // Chaque case garde le plus grand lot qui la touche.
    const uint32_t valeur = base + uint32_t(choisi) + 1;
    for (int cy = cy1; cy <= cy2; ++cy) {
        uint32_t* ligne = &cases[size_t(cy * CASES_X)];
        for (int cx = cx1; cx <= cx2; ++cx)
            ligne[cx] = std::max(ligne[cx], valeur);
    }
    return lots[size_t(choisi)];
}

void texturageVoulu(bool voulu)
{
    if (texturageConnu && texturage == voulu)
        return;
    if (voulu)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
    texturage = voulu;
    texturageConnu = true;
}

void lieTexture(uint32_t nom)
{
    if (lieConnu && lie == nom)
        return;
    glBindTexture(GL_TEXTURE_2D, nom);
    lie = nom;
    lieConnu = true;
}

void trait(float epaisseur, uint16_t motif, int facteur)
{
    if (!traitConnu || traitPose.epaisseur != epaisseur)
        glLineWidth(epaisseur);
    if (!traitConnu || traitPose.motif != motif || traitPose.facteur != facteur)
        glLineStipple(facteur, motif);
    traitPose = {0, true, epaisseur, motif, facteur};
    traitConnu = true;
}

// Les glyphes d'une ligne qui attendent leur lot : ils y entrent ensemble, sous le rectangle
// qui les couvre tous, à la fin de la ligne ou avant tout autre dessin.
std::vector<SommetGL> glyphes;
uint32_t textureGlyphes = 0;
float glyphesX1, glyphesY1, glyphesX2, glyphesY2;

void posteGlyphes()
{
    if (glyphes.empty())
        return;
    Lot& l =
        lotPour(Etat{textureGlyphes, false, 0, 0, 0}, glyphesX1, glyphesY1, glyphesX2, glyphesY2);
    l.sommets.insert(l.sommets.end(), glyphes.begin(), glyphes.end());
    glyphes.clear();
}

// Tout ce qui attend, lot après lot, en tableaux ; puis texturage coupé.
void envoieLots()
{
    posteGlyphes();
    envoieTableaux();
}

void envoieTableaux()
{
    if (nombreLots > 0) {
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        const GLsizei pas = sizeof(SommetGL);
        for (size_t i = 0; i < nombreLots; ++i) {
            const Lot& l = lots[i];
            texturageVoulu(l.etat.texture != 0);
            if (l.etat.texture)
                lieTexture(l.etat.texture);
            if (l.etat.boucles)
                trait(l.etat.epaisseur, l.etat.motif, l.etat.facteur);
            const SommetGL* s = l.sommets.data();
            glVertexPointer(2, GL_FLOAT, pas, &s->x);
            glTexCoordPointer(2, GL_FLOAT, pas, &s->s);
            glColorPointer(4, GL_FLOAT, pas, &s->r);
            if (!l.etat.boucles) {
                glDrawArrays(GL_QUADS, 0, GLsizei(l.sommets.size()));
                continue;
            }
            GLint premier = 0;
            for (int n : l.boucles) {
                glDrawArrays(GL_LINE_LOOP, premier, n);
                premier += n;
            }
        }
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_COLOR_ARRAY);
        nombreLots = 0;
        videCases();
    }
    texturageVoulu(false);
}

float composante(uint8_t c)
{
    return float(c) / 255.0f;
}

void ajoute(Lot& l, float x, float y, float s, float t, const float c[4])
{
    l.sommets.push_back({s, t, c[0], c[1], c[2], c[3], x, y});
}

void quadGarde(uint32_t nomTexture, const float xy[8], const float st[8], const float c[4])
{
    posteGlyphes();
    const float x1 = std::min({xy[0], xy[2], xy[4], xy[6]});
    const float x2 = std::max({xy[0], xy[2], xy[4], xy[6]});
    const float y1 = std::min({xy[1], xy[3], xy[5], xy[7]});
    const float y2 = std::max({xy[1], xy[3], xy[5], xy[7]});
    Lot& l = lotPour(Etat{nomTexture, false, 0, 0, 0}, x1, y1, x2, y2);
    for (int i = 0; i < 4; ++i)
        ajoute(l, xy[2 * i], xy[2 * i + 1], st[2 * i], st[2 * i + 1], c);
}

void boucleGardee(const float* xy, int nombre, Couleur couleur, float epaisseur, uint16_t motif,
                  int facteur)
{
    posteGlyphes();
    float x1 = xy[0], x2 = xy[0], y1 = xy[1], y2 = xy[1];
    for (int i = 1; i < nombre; ++i) {
        x1 = std::min(x1, xy[2 * i]);
        x2 = std::max(x2, xy[2 * i]);
        y1 = std::min(y1, xy[2 * i + 1]);
        y2 = std::max(y2, xy[2 * i + 1]);
    }
    // Un trait épais déborde de ses sommets.
    const float marge = std::ceil(std::min(std::fabs(epaisseur), 1024.0f)) + 1;
    Lot& l = lotPour(Etat{0, true, epaisseur, motif, facteur}, x1 - marge, y1 - marge, x2 + marge,
                     y2 + marge);
    const float c[4] = {composante(couleur.r), composante(couleur.g), composante(couleur.b),
                        composante(couleur.a)};
    for (int i = 0; i < nombre; ++i)
        ajoute(l, xy[2 * i], xy[2 * i + 1], 0, 0, c);
    l.boucles.push_back(nombre);
}

// Le texte : la plume en double, et en simple précision telle que le repère d'OpenGL l'aurait
// accumulée avance après avance.
double plume = 0;
float plumeGL = 0;
long long hautLigne = 0;
bool ligneImmediate = false;
Couleur couleurPlume = {255, 255, 255, 255};
uint32_t texturePlume = 0;

// Au-delà, une somme d'entiers n'est plus exacte dans les flottants d'OpenGL : le repère
// translaté garde alors son propre arrondi.
const double LIMITE_EXACTE = double(1 << 22);

// Une plume entière : ses sommets tombent au même pixel, envoyés en absolu ou depuis le repère
// translaté. Une plume fractionnaire (taille autre que 16) ne le garantit pas dans les
// arrondis du repère.
bool exact(double v)
{
    return std::fabs(v) < LIMITE_EXACTE && v == std::floor(v);
}

// Vrai quand des sommets (x, y alternés) depuis la plume s'envoient en absolu sans que le
// moindre pixel change.
bool absolus(const int* sommets, int nombre)
{
    if (double(plumeGL) != plume || !exact(plume) || !exact(double(hautLigne)))
        return false;
    for (int i = 0; i < nombre; ++i)
        if (!exact(plume + sommets[2 * i]) || !exact(double(hautLigne + sommets[2 * i + 1])))
            return false;
    return true;
}

// Repère translaté jusqu'à la plume, comme OpenGL l'a accumulé : pour un dessin qui ne peut
// partir en absolu.
void repereALaPlume()
{
    glTranslatef(plumeGL, float(double(hautLigne)), 0);
}

void quadGlypheSeul(const float texels[4], const int sommets[8])
{
    glBegin(GL_QUADS);
    const int coin[4][2] = {{0, 1}, {2, 1}, {2, 3}, {0, 3}};
    for (int i = 0; i < 4; ++i) {
        glTexCoord2f(texels[coin[i][0]], texels[coin[i][1]]);
        glVertex2i(sommets[2 * i], sommets[2 * i + 1]);
    }
    glEnd();
}

void decorationSeule(int x1, int x2, int y)
{
    glLineWidth(1.0f);
    glLineStipple(1, 0xFFFF);
    traitPose = {0, true, 1.0f, 0xFFFF, 1};
    traitConnu = true;
    glBegin(GL_LINE_LOOP);
    glVertex2i(x1, y);
    glVertex2i(x2, y);
    glEnd();
}
} // namespace

void envoieCopie(uint32_t nomTexture, int x1, int y1, int x2, int y2, float s1, float t1, float s2,
                 float t2)
{
    if (immediat()) {
        glEnable(GL_TEXTURE_2D);
        glColor4f(1, 1, 1, 1);
        glBindTexture(GL_TEXTURE_2D, nomTexture);
        glBegin(GL_QUADS);
        glTexCoord2f(s1, t1);
        glVertex2i(x1, y1);
        glTexCoord2f(s2, t1);
        glVertex2i(x2, y1);
        glTexCoord2f(s2, t2);
        glVertex2i(x2, y2);
        glTexCoord2f(s1, t2);
        glVertex2i(x1, y2);
        glEnd();
        glDisable(GL_TEXTURE_2D);
        texturage = false;
        texturageConnu = true;
        lie = nomTexture;
        lieConnu = true;
        return;
    }
    const float xy[8] = {float(x1), float(y1), float(x2), float(y1),
                         float(x2), float(y2), float(x1), float(y2)};
    const float st[8] = {s1, t1, s2, t1, s2, t2, s1, t2};
    const float blanc[4] = {1, 1, 1, 1};
    quadGarde(nomTexture, xy, st, blanc);
}

void envoieRectangle(int x1, int y1, int x2, int y2, Couleur couleur)
{
    if (immediat()) {
        glColor4ubv(&couleur.r);
        glRecti(x1, y1, x2, y2);
        return;
    }
    const float xy[8] = {float(x1), float(y1), float(x2), float(y1),
                         float(x2), float(y2), float(x1), float(y2)};
    const float st[8] = {};
    const float c[4] = {composante(couleur.r), composante(couleur.g), composante(couleur.b),
                        composante(couleur.a)};
    quadGarde(0, xy, st, c);
}

void envoieBoucle(const int* xy, int nombre, Couleur couleur, float epaisseur, uint16_t motif,
                  int facteur)
{
    if (immediat()) {
        glLineWidth(epaisseur);
        glLineStipple(facteur, motif);
        traitPose = {0, true, epaisseur, motif, facteur};
        traitConnu = true;
        glColor4ubv(&couleur.r);
        glBegin(GL_LINE_LOOP);
        for (int i = 0; i < nombre; ++i)
            glVertex2i(xy[2 * i], xy[2 * i + 1]);
        glEnd();
        return;
    }
    float f[8];
    for (int i = 0; i < 2 * nombre && i < 8; ++i)
        f[i] = float(xy[i]);
    boucleGardee(f, std::min(nombre, 4), couleur, epaisseur, motif, facteur);
}

void debutLigneTexte(double x, long long haut)
{
    plume = x;
    plumeGL = float(x);
    hautLigne = haut;
    ligneImmediate = immediat();
    if (ligneImmediate)
        glTranslated(x, double(haut), 0);
}

void avanceTexte(double d)
{
    plume += d;
    plumeGL += float(d);
    if (ligneImmediate)
        glTranslated(d, 0, 0);
}

void couleurTexte(Couleur couleur)
{
    couleurPlume = couleur;
    if (ligneImmediate)
        glColor4ubv(&couleur.r);
}

void decorationTexte(int x1, int x2, int y)
{
    if (ligneImmediate) {
        decorationSeule(x1, x2, y);
        return;
    }
    const int sommets[4] = {x1, y, x2, y};
    if (absolus(sommets, 2)) {
        const float xy[4] = {float(plume + x1), float(hautLigne + y), float(plume + x2),
                             float(hautLigne + y)};
        boucleGardee(xy, 2, couleurPlume, 1.0f, 0xFFFF, 1);
        return;
    }
    envoieLots();
    repereALaPlume();
    glColor4ubv(&couleurPlume.r);
    decorationSeule(x1, x2, y);
    glLoadIdentity();
}

void debutGlyphes(uint32_t nomTexture)
{
    texturePlume = nomTexture;
    if (ligneImmediate) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, nomTexture);
        lie = nomTexture;
        lieConnu = true;
    }
}

void quadGlyphe(const float texels[4], const int sommets[8])
{
    if (ligneImmediate) {
        quadGlypheSeul(texels, sommets);
        return;
    }
    if (absolus(sommets, 4)) {
        float xy[8];
        for (int i = 0; i < 4; ++i) {
            xy[2 * i] = float(plume + sommets[2 * i]);
            xy[2 * i + 1] = float(hautLigne + sommets[2 * i + 1]);
        }
        const float st[8] = {texels[0], texels[1], texels[2], texels[1],
                             texels[2], texels[3], texels[0], texels[3]};
        const float c[4] = {composante(couleurPlume.r), composante(couleurPlume.g),
                            composante(couleurPlume.b), composante(couleurPlume.a)};
        if (!glyphes.empty() && textureGlyphes != texturePlume)
            posteGlyphes();
        if (glyphes.empty()) {
            textureGlyphes = texturePlume;
            glyphesX1 = glyphesY1 = 1e30f;
            glyphesX2 = glyphesY2 = -1e30f;
        }
        for (int i = 0; i < 4; ++i) {
            glyphes.push_back(
                {st[2 * i], st[2 * i + 1], c[0], c[1], c[2], c[3], xy[2 * i], xy[2 * i + 1]});
            glyphesX1 = std::min(glyphesX1, xy[2 * i]);
            glyphesX2 = std::max(glyphesX2, xy[2 * i]);
            glyphesY1 = std::min(glyphesY1, xy[2 * i + 1]);
            glyphesY2 = std::max(glyphesY2, xy[2 * i + 1]);
        }
        return;
    }
    // Trop loin pour l'absolu : seul, dans le repère translaté que la référence aurait.
    envoieLots();
    repereALaPlume();
    glColor4ubv(&couleurPlume.r);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texturePlume);
    quadGlypheSeul(texels, sommets);
    glDisable(GL_TEXTURE_2D);
    glLoadIdentity();
    texturage = false;
    texturageConnu = true;
    lie = texturePlume;
    lieConnu = true;
}

void finGlyphes()
{
    if (ligneImmediate) {
        glDisable(GL_TEXTURE_2D);
        texturage = false;
        texturageConnu = true;
    }
}

void finLigneTexte()
{
    posteGlyphes();
    if (ligneImmediate)
        glLoadIdentity();
    ligneImmediate = false;
}

void fermeLotGL()
{
    envoieLots();
    // Un appel direct peut lier une autre texture : la prochaine copie reliera la sienne.
    lieConnu = false;
}

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

void oublieEtatGL()
{
    glyphes.clear();
    nombreLots = 0;
    videCases();
    texturage = false;
    texturageConnu = true;
    lieConnu = false;
    traitConnu = false;
}

void entreePorteeDessin()
{
    ++portees;
}

void sortiePorteeDessin()
{
    if (--portees <= 0) {
        portees = 0;
        envoieLots();
    }
}

void entreDessinEtranger()
{
    fermeLotGL();
    ++etrangers;
}

void sortDessinEtranger()
{
    --etrangers;
    // Le gestionnaire a pu lier, allumer ou tracer à sa guise.
    texturageConnu = false;
    lieConnu = false;
    traitConnu = false;
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
