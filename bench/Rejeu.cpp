// Rejeu : décodage des lignes de l'enregistreur en opérations, et leur envoi direct à OpenGL.
#include "Rejeu.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace
{
const std::map<std::string, CodeGL> CODES = {{"glEnable", ACTIVE},
                                             {"glDisable", DESACTIVE},
                                             {"glBegin", DEBUT},
                                             {"glEnd", FIN},
                                             {"glVertex2i", SOMMET_I},
                                             {"glVertex2d", SOMMET_D},
                                             {"glVertex2f", SOMMET_F},
                                             {"glTexCoord2f", COORD_TEXTURE},
                                             {"glColor4f", COULEUR_F},
                                             {"glColor4ub", COULEUR_UB},
                                             {"glColor4ubv", COULEUR_UBV},
                                             {"glLineWidth", LARGEUR_LIGNE},
                                             {"glLineStipple", POINTILLE},
                                             {"glRecti", RECTANGLE},
                                             {"glBindTexture", LIE_TEXTURE},
                                             {"glTexParameteri", PARAMETRE_TEXTURE},
                                             {"glTranslated", TRANSLATION_D},
                                             {"glTranslatef", TRANSLATION_F},
                                             {"glLoadIdentity", IDENTITE},
                                             {"glMatrixMode", MATRICE},
                                             {"glPushMatrix", EMPILE_MATRICE},
                                             {"glPopMatrix", DEPILE_MATRICE},
                                             {"glBlendFunc", MELANGE},
                                             {"glClearColor", COULEUR_EFFACEMENT},
                                             {"glClear", EFFACE},
                                             {"glEnableClientState", ACTIVE_TABLEAU},
                                             {"glDisableClientState", DESACTIVE_TABLEAU},
                                             {"glVertexPointer", POINTEUR_TABLEAU},
                                             {"glTexCoordPointer", POINTEUR_TABLEAU},
                                             {"glColorPointer", POINTEUR_TABLEAU},
                                             {"glDrawArrays", DESSINE_TABLEAU}};
} // namespace

bool CFluxGL::lit(const std::string& chemin, const std::map<int, uint32_t>& nomsReels,
                  std::string& erreur)
{
    std::ifstream f(chemin);
    if (!f) {
        erreur = "illisible : " + chemin;
        return false;
    }
    operations.clear();
    tableaux.clear();
    std::map<uint32_t, uint32_t> correspondance;
    std::string ligne;
    while (std::getline(f, ligne)) {
        int indice;
        unsigned nom;
        if (std::sscanf(ligne.c_str(), "#texture %d %u", &indice, &nom) == 2) {
            auto reel = nomsReels.find(indice);
            if (reel != nomsReels.end())
                correspondance[nom] = reel->second;
            continue;
        }
        if (ligne.empty() || ligne[0] == '#')
            continue;
        size_t ouvre = ligne.find('(');
        auto trouve = CODES.find(ligne.substr(0, ouvre));
        if (ouvre == std::string::npos || trouve == CODES.end()) {
            erreur = "appel non rejouable : " + ligne;
            return false;
        }
        OperationGL op{trouve->second, {0, 0, 0, 0}};
        const char* p = ligne.c_str() + ouvre + 1;
        std::vector<double> nombres;
        while (*p && *p != ')') {
            char* fin;
            nombres.push_back(std::strtod(p, &fin));
            if (fin == p)
                break;
            p = fin;
            while (*p == ',' || *p == ' ')
                ++p;
        }
        for (size_t i = 0; i < 4 && i < nombres.size(); ++i)
            op.args[i] = nombres[i];
        if (op.code == DESSINE_TABLEAU) {
            // mode, premier, nombre, puis x, y, s, t, r, g, b, a de chaque sommet.
            const size_t n = nombres.size() >= 3 ? size_t(nombres[2]) : 0;
            if (nombres.size() != 3 + 8 * n) {
                erreur = "tableau incomplet : " + ligne.substr(0, 80);
                return false;
            }
            op.args[1] = double(tableaux.size());
            for (size_t i = 0; i < n; ++i) {
                const double* v = &nombres[3 + 8 * i];
                tableaux.push_back(SommetTableau{float(v[0]), float(v[1]), float(v[2]), float(v[3]),
                                                 float(v[4]), float(v[5]), float(v[6]),
                                                 float(v[7])});
            }
        }
        if (op.code == LIE_TEXTURE) {
            auto nom = correspondance.find(uint32_t(op.args[1]));
            if (nom != correspondance.end())
                op.args[1] = nom->second;
        }
        operations.push_back(op);
    }
    return true;
}

void CFluxGL::rejoue() const
{
    for (const OperationGL& op : operations) {
        const double* a = op.args;
        switch (op.code) {
        case ACTIVE:
            glEnable(GLenum(a[0]));
            break;
        case DESACTIVE:
            glDisable(GLenum(a[0]));
            break;
        case DEBUT:
            glBegin(GLenum(a[0]));
            break;
        case FIN:
            glEnd();
            break;
        case SOMMET_I:
            glVertex2i(GLint(a[0]), GLint(a[1]));
            break;
        case SOMMET_D:
            glVertex2d(a[0], a[1]);
            break;
        case SOMMET_F:
            glVertex2f(GLfloat(a[0]), GLfloat(a[1]));
            break;
        case COORD_TEXTURE:
            glTexCoord2f(GLfloat(a[0]), GLfloat(a[1]));
            break;
        case COULEUR_F:
            glColor4f(GLfloat(a[0]), GLfloat(a[1]), GLfloat(a[2]), GLfloat(a[3]));
            break;
        case COULEUR_UB:
        case COULEUR_UBV:
            glColor4ub(GLubyte(a[0]), GLubyte(a[1]), GLubyte(a[2]), GLubyte(a[3]));
            break;
        case LARGEUR_LIGNE:
            glLineWidth(GLfloat(a[0]));
            break;
        case POINTILLE:
            glLineStipple(GLint(a[0]), GLushort(a[1]));
            break;
        case RECTANGLE:
            glRecti(GLint(a[0]), GLint(a[1]), GLint(a[2]), GLint(a[3]));
            break;
        case LIE_TEXTURE:
            glBindTexture(GLenum(a[0]), GLuint(a[1]));
            break;
        case PARAMETRE_TEXTURE:
            glTexParameteri(GLenum(a[0]), GLenum(a[1]), GLint(a[2]));
            break;
        case TRANSLATION_D:
            glTranslated(a[0], a[1], a[2]);
            break;
        case TRANSLATION_F:
            glTranslatef(GLfloat(a[0]), GLfloat(a[1]), GLfloat(a[2]));
            break;
        case IDENTITE:
            glLoadIdentity();
            break;
        case MATRICE:
            glMatrixMode(GLenum(a[0]));
            break;
        case EMPILE_MATRICE:
            glPushMatrix();
            break;
        case DEPILE_MATRICE:
            glPopMatrix();
            break;
        case MELANGE:
            glBlendFunc(GLenum(a[0]), GLenum(a[1]));
            break;
        case COULEUR_EFFACEMENT:
            glClearColor(GLfloat(a[0]), GLfloat(a[1]), GLfloat(a[2]), GLfloat(a[3]));
            break;
        case EFFACE:
            glClear(GLbitfield(a[0]));
            break;
        case ACTIVE_TABLEAU:
            glEnableClientState(GLenum(a[0]));
            break;
        case DESACTIVE_TABLEAU:
            glDisableClientState(GLenum(a[0]));
            break;
        case POINTEUR_TABLEAU:
            break; // posés avec chaque tableau, qui a ses propres sommets
        case DESSINE_TABLEAU: {
            const SommetTableau* v = &tableaux[size_t(a[1])];
            const GLsizei pas = sizeof(SommetTableau);
            glVertexPointer(2, GL_FLOAT, pas, &v->x);
            glTexCoordPointer(2, GL_FLOAT, pas, &v->s);
            glColorPointer(4, GL_FLOAT, pas, &v->r);
            glDrawArrays(GLenum(a[0]), 0, GLsizei(a[2]));
            break;
        }
        }
    }
}
