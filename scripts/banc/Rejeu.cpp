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
                                             {"glClear", EFFACE}};
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
        for (int i = 0; i < 4 && *p && *p != ')'; ++i) {
            char* fin;
            op.args[i] = std::strtod(p, &fin);
            p = fin;
            while (*p == ',' || *p == ' ')
                ++p;
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
        }
    }
}
