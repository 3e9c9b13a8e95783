// Définitions enregistreuses des points d'entrée OpenGL et GLU qu'appelle la boîte à outils.
#include "EnregistreurGL.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <initializer_list>

namespace
{
std::vector<AppelGL> journalAppels;
std::vector<EnvoiTexture> journalEnvois;
GLuint prochainNom = 1;
GLuint textureLiee = 0;

bool muet = false;

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
} // namespace enregistreur

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
void glClear(GLbitfield masque)
{
    note("glClear", {double(masque)});
}
void gluOrtho2D(GLdouble g, GLdouble d, GLdouble b, GLdouble h)
{
    note("gluOrtho2D", {g, d, b, h});
}
}
