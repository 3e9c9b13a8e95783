// Définitions enregistreuses des points d'entrée OpenGL et GLU qu'appelle la boîte à outils.
#include "EnregistreurGL.h"

#include "render/LotGL.h"
#include "render/TailleAffichage.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace
{
std::vector<AppelGL> journalAppels;
std::vector<EnvoiTexture> journalEnvois;
GLuint prochainNom = 1;
GLuint textureLiee = 0;

// Les tableaux de sommets désignés (flottants seulement, comme les envoie la boîte à outils).
struct Tableau {
    const GLfloat* donnees = nullptr;
    GLsizei pas = 0; // en flottants
};
Tableau sommetsTableau, texelsTableau, couleursTableau;

Tableau designe(GLsizei pas, const void* p, int composantes)
{
    return Tableau{static_cast<const GLfloat*>(p),
                   pas ? GLsizei(pas / GLsizei(sizeof(GLfloat))) : composantes};
}

bool muet = false;

// Les commandes envoyées par le dorsal, dans l'ordre d'envoi.
ListeDessin& temoin()
{
    static ListeDessin t;
    return t;
}

double composante(uint8_t c)
{
    return double(float(c) / 255.0f);
}

// Une commande de la liste en morceau, dans le repère d'OpenGL (y vers le haut).
MorceauDessine morceauDe(const CommandeDessin& c, const ListeDessin& liste)
{
    const float h = float(hauteurAffichage());
    MorceauDessine m{GL_QUADS,
                     c.texture,
                     {composante(c.couleur.r), composante(c.couleur.g), composante(c.couleur.b),
                      composante(c.couleur.a)},
                     1,
                     1,
                     0xFFFF,
                     {}};
    if (c.genre == DESSIN_GESTIONNAIRE) {
        m.mode = 0;
        m.texture = 0;
    } else if (c.genre == DESSIN_BOUCLE) {
        m.mode = GL_LINE_LOOP;
        m.largeur = c.trait.epaisseur;
        m.facteur = c.trait.facteur;
        m.motif = c.trait.motif;
        const float* xy = &liste.sommetsBoucles()[2 * size_t(c.trait.premier)];
        for (uint32_t i = 0; i < c.trait.nombre; ++i)
            m.sommets.push_back({xy[2 * i], h - xy[2 * i + 1], 0, 0});
    } else {
        const QuadDessin& q = c.quad;
        m.sommets = {{c.x1 + q.penteGauche, h - c.y1, q.s1, 1 - q.t1},
                     {c.x2 + q.penteDroite, h - c.y1, q.s2, 1 - q.t1},
                     {c.x2, h - c.y2, q.s2, 1 - q.t2},
                     {c.x1, h - c.y2, q.s1, 1 - q.t2}};
    }
    return m;
}

// Les arguments arrivent en liste : un enregistreur muet ne construit rien.
void note(const char* nom, std::initializer_list<double> args)
{
    if (!muet)
        journalAppels.push_back(AppelGL{nom, std::vector<double>(args)});
}
void note(const char* nom, std::vector<double> args)
{
    if (!muet)
        journalAppels.push_back(AppelGL{nom, std::move(args)});
}
} // namespace

std::string AppelGL::texte() const
{
    std::string s = nom + "(";
    for (size_t i = 0; i < args.size(); ++i) {
        char tampon[64];
        std::snprintf(tampon, sizeof tampon, "%.9g", args[i]);
        if (i)
            s += ", ";
        s += tampon;
    }
    return s + ")";
}

namespace enregistreur
{
void efface()
{
    journalAppels.clear();
    journalEnvois.clear();
    prochainNom = 1;
    textureLiee = 0;
    oublieEtatGL();
    temoin().vide();
    dorsalGL().temoin(&temoin());
}
void rendMuet(bool m)
{
    muet = m;
}
const std::vector<AppelGL>& appels()
{
    return journalAppels;
}
std::vector<AppelGL> appelsNommes(const std::string& nom)
{
    std::vector<AppelGL> r;
    for (const AppelGL& a : journalAppels)
        if (a.nom == nom)
            r.push_back(a);
    return r;
}
std::vector<std::string> textes()
{
    std::vector<std::string> r;
    for (const AppelGL& a : journalAppels)
        r.push_back(a.texte());
    return r;
}
std::string journal()
{
    std::string s;
    for (const AppelGL& a : journalAppels)
        s += a.texte() + "\n";
    return s;
}
const std::vector<EnvoiTexture>& envois()
{
    return journalEnvois;
}

std::vector<MorceauDessine> morceaux()
{
    std::vector<MorceauDessine> r;
    const ListeDessin& t = temoin();
    for (const CommandeDessin& c : t.commandes())
        if (c.genre != DESSIN_GESTIONNAIRE)
            r.push_back(morceauDe(c, t));
    return r;
}

const ListeDessin& listeEnvoyee()
{
    return temoin();
}

std::vector<MorceauDessine> morceauxGL()
{
    // L'état qu'aurait OpenGL au fil du journal, depuis un contexte neuf.
    std::vector<MorceauDessine> r;
    bool texturage = false;
    uint32_t lie = 0;
    double couleur[4] = {1, 1, 1, 1};
    double s = 0, t = 0;
    double largeur = 1;
    int facteur = 1, motif = 0xFFFF;
    // Le repère, accumulé en simple précision comme la matrice d'OpenGL.
    float tx = 0, ty = 0;
    std::vector<std::pair<float, float>> pile;
    bool modele = true;
    unsigned mode = 0;
    std::vector<SommetDessine> sommets;
    std::vector<double> couleurs; // couleur au premier sommet de chaque quad
    auto morceau = [&](unsigned m, const double* c) {
        MorceauDessine d{m, texturage ? lie : 0, {c[0], c[1], c[2], c[3]}, largeur, facteur, motif,
                         {}};
        return d;
    };
    auto termine = [&] {
        if (mode == GL_QUADS) {
            for (size_t i = 0; i + 4 <= sommets.size(); i += 4) {
                MorceauDessine d = morceau(GL_QUADS, &couleurs[i]);
                d.sommets.assign(sommets.begin() + long(i), sommets.begin() + long(i) + 4);
                r.push_back(std::move(d));
            }
        } else if (mode != 0) {
            MorceauDessine d = morceau(mode, couleur);
            d.sommets = sommets;
            r.push_back(std::move(d));
        }
        mode = 0;
    };
    for (const AppelGL& a : journalAppels) {
        const std::string& n = a.nom;
        if (n == "glEnable" || n == "glDisable") {
            if (a.args[0] == GL_TEXTURE_2D)
                texturage = n == "glEnable";
        } else if (n == "glBindTexture") {
            lie = uint32_t(a.args[1]);
        } else if (n == "glColor4f") {
            for (int i = 0; i < 4; ++i)
                couleur[i] = a.args[size_t(i)];
        } else if (n == "glColor4ub" || n == "glColor4ubv") {
            // Convertie en simple précision, comme OpenGL la range.
            for (int i = 0; i < 4; ++i)
                couleur[i] = double(float(a.args[size_t(i)]) / 255.0f);
        } else if (n == "glTexCoord2f") {
            s = a.args[0];
            t = a.args[1];
        } else if (n == "glLineWidth") {
            largeur = a.args[0];
        } else if (n == "glLineStipple") {
            facteur = int(a.args[0]);
            motif = int(a.args[1]);
        } else if (n == "glMatrixMode") {
            modele = a.args[0] == GL_MODELVIEW;
        } else if (n == "glLoadIdentity" && modele) {
            tx = ty = 0;
        } else if ((n == "glTranslated" || n == "glTranslatef") && modele) {
            tx += float(a.args[0]);
            ty += float(a.args[1]);
        } else if (n == "glPushMatrix" && modele) {
            pile.push_back({tx, ty});
        } else if (n == "glPopMatrix" && modele && !pile.empty()) {
            tx = pile.back().first;
            ty = pile.back().second;
            pile.pop_back();
        } else if (n == "glBegin") {
            mode = unsigned(a.args[0]);
            sommets.clear();
            couleurs.clear();
        } else if (n == "glVertex2i" || n == "glVertex2d" || n == "glVertex2f") {
            if (mode == GL_QUADS && sommets.size() % 4 == 0)
                couleurs.insert(couleurs.end(), couleur, couleur + 4);
            sommets.push_back({a.args[0] + tx, a.args[1] + ty, s, t});
        } else if (n == "glEnd") {
            termine();
        } else if (n == "glDrawArrays") {
            // mode, premier, nombre, puis x, y, s, t, r, g, b, a de chaque sommet.
            const unsigned m = unsigned(a.args[0]);
            const size_t nombre = size_t(a.args[2]);
            auto lu = [&](size_t i) {
                const double* v = &a.args[3 + 8 * i];
                return SommetDessine{v[0] + tx, v[1] + ty, v[2], v[3]};
            };
            const size_t pas = m == GL_QUADS ? 4 : nombre;
            for (size_t i = 0; pas > 0 && i + pas <= nombre; i += pas) {
                MorceauDessine d = morceau(m, &a.args[3 + 8 * i + 4]);
                for (size_t k = i; k < i + pas; ++k)
                    d.sommets.push_back(lu(k));
                r.push_back(std::move(d));
            }
        } else if (n == "glRecti") {
            // OpenGL trace le rectangle comme le quad de ses quatre coins.
            MorceauDessine d = morceau(GL_QUADS, couleur);
            const double x1 = a.args[0] + tx, y1 = a.args[1] + ty;
            const double x2 = a.args[2] + tx, y2 = a.args[3] + ty;
            d.sommets = {{x1, y1, s, t}, {x2, y1, s, t}, {x2, y2, s, t}, {x1, y2, s, t}};
            r.push_back(std::move(d));
        }
    }
    // Les quads du lot encore ouvert : sa fermeture les enverra tels quels.
    if (mode == GL_QUADS)
        termine();
    return r;
}

std::string journalMorceaux()
{
    std::string j;
    for (const MorceauDessine& m : morceaux())
        j += m.texte() + "\n";
    return j;
}
} // namespace enregistreur

std::string MorceauDessine::texte() const
{
    char tampon[128];
    std::string r = mode == 0              ? "gestionnaire"
                    : mode == GL_QUADS     ? "quad"
                    : mode == GL_LINE_LOOP ? "boucle"
                    : mode == GL_POLYGON   ? "rectangle"
                                           : "mode " + std::to_string(mode);
    std::snprintf(tampon, sizeof tampon, " tex %u rgba(%.9g, %.9g, %.9g, %.9g)", texture,
                  couleur[0], couleur[1], couleur[2], couleur[3]);
    r += tampon;
    if (mode == GL_LINE_LOOP) {
        std::snprintf(tampon, sizeof tampon, " trait %.9g %d %d", largeur, facteur, motif);
        r += tampon;
    }
    for (const SommetDessine& v : sommets) {
        std::snprintf(tampon, sizeof tampon, " (%.9g,%.9g : %.9g,%.9g)", v.x, v.y, v.s, v.t);
        r += tampon;
    }
    return r;
}

bool MorceauDessine::operator==(const MorceauDessine& m) const
{
    if (mode != m.mode || texture != m.texture || sommets.size() != m.sommets.size())
        return false;
    for (int i = 0; i < 4; ++i)
        if (couleur[i] != m.couleur[i])
            return false;
    if (mode == GL_LINE_LOOP && (largeur != m.largeur || facteur != m.facteur || motif != m.motif))
        return false;
    for (size_t i = 0; i < sommets.size(); ++i) {
        const SommetDessine& a = sommets[i];
        const SommetDessine& b = m.sommets[i];
        // Les coordonnées de texture n'ont de sens que texturées.
        if (a.x != b.x || a.y != b.y || (texture && (a.s != b.s || a.t != b.t)))
            return false;
    }
    return true;
}

namespace
{
struct Boite {
    double x1, y1, x2, y2;
};

// Les pixels qu'un morceau peut toucher : ses sommets, et l'épaisseur d'un trait.
Boite boite(const MorceauDessine& m)
{
    Boite b{1e300, 1e300, -1e300, -1e300};
    for (const SommetDessine& v : m.sommets) {
        b.x1 = std::min(b.x1, v.x);
        b.y1 = std::min(b.y1, v.y);
        b.x2 = std::max(b.x2, v.x);
        b.y2 = std::max(b.y2, v.y);
    }
    const double marge = m.mode == GL_LINE_LOOP ? std::ceil(m.largeur) + 1 : 0;
    return Boite{b.x1 - marge, b.y1 - marge, b.x2 + marge, b.y2 + marge};
}

// Un gestionnaire (sans sommets) ne s'échange avec rien.
bool recouvrent(const MorceauDessine& m, const MorceauDessine& n)
{
    if (m.mode == 0 || n.mode == 0)
        return true;
    const Boite a = boite(m), b = boite(n);
    return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2;
}
} // namespace

bool memeImage(const std::vector<MorceauDessine>& obtenus,
               const std::vector<MorceauDessine>& attendus, std::string& ecart)
{
    if (obtenus.size() != attendus.size()) {
        ecart = std::to_string(obtenus.size()) + " morceaux au lieu de " +
                std::to_string(attendus.size());
        return false;
    }
    // Chaque morceau attendu trouve le premier obtenu égal encore libre.
    std::vector<size_t> rang(attendus.size());
    std::vector<bool> pris(obtenus.size(), false);
    for (size_t i = 0; i < attendus.size(); ++i) {
        size_t j = 0;
        while (j < obtenus.size() && (pris[j] || !(obtenus[j] == attendus[i])))
            ++j;
        if (j == obtenus.size()) {
            ecart = "manque : " + attendus[i].texte();
            return false;
        }
        pris[j] = true;
        rang[i] = j;
    }
    for (size_t i = 0; i < attendus.size(); ++i)
        for (size_t k = i + 1; k < attendus.size(); ++k)
            if (rang[k] < rang[i] && recouvrent(attendus[i], attendus[k])) {
                ecart = "échangés : " + attendus[i].texte() + " et " + attendus[k].texte();
                return false;
            }
    return true;
}

extern "C" {
void glEnable(GLenum cap)
{
    note("glEnable", {double(cap)});
}
void glDisable(GLenum cap)
{
    note("glDisable", {double(cap)});
}
void glBegin(GLenum mode)
{
    note("glBegin", {double(mode)});
}
void glEnd()
{
    note("glEnd", {});
}
void glVertex2i(GLint x, GLint y)
{
    note("glVertex2i", {double(x), double(y)});
}
void glVertex2d(GLdouble x, GLdouble y)
{
    note("glVertex2d", {x, y});
}
void glVertex2f(GLfloat x, GLfloat y)
{
    note("glVertex2f", {x, y});
}
void glTexCoord2f(GLfloat s, GLfloat t)
{
    note("glTexCoord2f", {s, t});
}
void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a)
{
    note("glColor4f", {r, g, b, a});
}
void glColor4ub(GLubyte r, GLubyte g, GLubyte b, GLubyte a)
{
    note("glColor4ub", {double(r), double(g), double(b), double(a)});
}
void glColor4ubv(const GLubyte* v)
{
    note("glColor4ubv", {double(v[0]), double(v[1]), double(v[2]), double(v[3])});
}
void glLineWidth(GLfloat w)
{
    note("glLineWidth", {w});
}
void glLineStipple(GLint facteur, GLushort motif)
{
    note("glLineStipple", {double(facteur), double(motif)});
}
void glRecti(GLint x1, GLint y1, GLint x2, GLint y2)
{
    note("glRecti", {double(x1), double(y1), double(x2), double(y2)});
}
void glEnableClientState(GLenum tableau)
{
    note("glEnableClientState", {double(tableau)});
}
void glDisableClientState(GLenum tableau)
{
    note("glDisableClientState", {double(tableau)});
}
void glVertexPointer(GLint taille, GLenum type, GLsizei pas, const void* p)
{
    sommetsTableau = designe(pas, p, taille);
    note("glVertexPointer", {double(taille), double(type), double(pas)});
}
void glTexCoordPointer(GLint taille, GLenum type, GLsizei pas, const void* p)
{
    texelsTableau = designe(pas, p, taille);
    note("glTexCoordPointer", {double(taille), double(type), double(pas)});
}
void glColorPointer(GLint taille, GLenum type, GLsizei pas, const void* p)
{
    couleursTableau = designe(pas, p, taille);
    note("glColorPointer", {double(taille), double(type), double(pas)});
}
void glDrawArrays(GLenum mode, GLint premier, GLsizei nombre)
{
    if (muet)
        return;
    // Les sommets sont copiés à l'appel : la boîte à outils réemploie ses tableaux.
    std::vector<double> args{double(mode), double(premier), double(nombre)};
    for (GLsizei i = premier; i < premier + nombre; ++i) {
        const GLfloat* v = sommetsTableau.donnees + i * sommetsTableau.pas;
        const GLfloat* t = texelsTableau.donnees + i * texelsTableau.pas;
        const GLfloat* c = couleursTableau.donnees + i * couleursTableau.pas;
        args.insert(args.end(), {v[0], v[1], t[0], t[1], c[0], c[1], c[2], c[3]});
    }
    note("glDrawArrays", std::move(args));
}
void glBindTexture(GLenum cible, GLuint nom)
{
    textureLiee = nom;
    note("glBindTexture", {double(cible), double(nom)});
}
void glGenTextures(GLsizei n, GLuint* noms)
{
    for (GLsizei i = 0; i < n; ++i)
        noms[i] = prochainNom++;
    note("glGenTextures", {double(n)});
}
void glDeleteTextures(GLsizei n, const GLuint* noms)
{
    std::vector<double> args{double(n)};
    for (GLsizei i = 0; i < n; ++i)
        args.push_back(noms[i]);
    note("glDeleteTextures", args);
}
void glTexImage2D(GLenum cible, GLint niveau, GLint interne, GLsizei l, GLsizei h, GLint bord,
                  GLenum format, GLenum type, const void* octets)
{
    note("glTexImage2D", {double(cible), double(niveau), double(interne), double(l), double(h),
                          double(bord), double(format), double(type)});
    if (muet)
        return;
    size_t parPixel = format == GL_RGBA ? 4 : 3;
    const uint8_t* p = static_cast<const uint8_t*>(octets);
    EnvoiTexture e{textureLiee, interne, l, h, format, {}};
    if (p)
        e.octets.assign(p, p + size_t(l) * size_t(h) * parPixel);
    journalEnvois.push_back(std::move(e));
}
void glTexParameteri(GLenum cible, GLenum nom, GLint valeur)
{
    note("glTexParameteri", {double(cible), double(nom), double(valeur)});
}
void glTranslated(GLdouble x, GLdouble y, GLdouble z)
{
    note("glTranslated", {x, y, z});
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z)
{
    note("glTranslatef", {x, y, z});
}
void glLoadIdentity()
{
    note("glLoadIdentity", {});
}
void glMatrixMode(GLenum mode)
{
    note("glMatrixMode", {double(mode)});
}
void glPushMatrix()
{
    note("glPushMatrix", {});
}
void glPopMatrix()
{
    note("glPopMatrix", {});
}
void glBlendFunc(GLenum s, GLenum d)
{
    note("glBlendFunc", {double(s), double(d)});
}
void glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a)
{
    note("glClearColor", {r, g, b, a});
}
void glViewport(GLint x, GLint y, GLsizei l, GLsizei h)
{
    note("glViewport", {double(x), double(y), double(l), double(h)});
}
void glClear(GLbitfield masque)
{
    note("glClear", {double(masque)});
}
void gluOrtho2D(GLdouble g, GLdouble d, GLdouble b, GLdouble h)
{
    note("gluOrtho2D", {g, d, b, h});
}
}
