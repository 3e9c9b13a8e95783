// GLVide : points d'entrée OpenGL et GLU qui ne font rien, pour compter le travail de la seule
// boîte à outils (instructions par image sous callgrind, octets de tas par objet).
#include <GL/gl.h>
#include <GL/glu.h>

namespace
{
GLuint prochainNom = 1;
}

extern "C" {
void glEnable(GLenum)
{
}
void glDisable(GLenum)
{
}
void glBegin(GLenum)
{
}
void glEnd()
{
}
void glVertex2i(GLint, GLint)
{
}
void glVertex2d(GLdouble, GLdouble)
{
}
void glVertex2f(GLfloat, GLfloat)
{
}
void glTexCoord2f(GLfloat, GLfloat)
{
}
void glColor4f(GLfloat, GLfloat, GLfloat, GLfloat)
{
}
void glColor4ub(GLubyte, GLubyte, GLubyte, GLubyte)
{
}
void glColor4ubv(const GLubyte*)
{
}
void glLineWidth(GLfloat)
{
}
void glLineStipple(GLint, GLushort)
{
}
void glRecti(GLint, GLint, GLint, GLint)
{
}
void glBindTexture(GLenum, GLuint)
{
}
void glGenTextures(GLsizei n, GLuint* noms)
{
    for (GLsizei i = 0; i < n; ++i)
        noms[i] = prochainNom++;
}
void glDeleteTextures(GLsizei, const GLuint*)
{
}
void glTexImage2D(GLenum, GLint, GLint, GLsizei, GLsizei, GLint, GLenum, GLenum, const void*)
{
}
void glTexParameteri(GLenum, GLenum, GLint)
{
}
void glTranslated(GLdouble, GLdouble, GLdouble)
{
}
void glTranslatef(GLfloat, GLfloat, GLfloat)
{
}
void glLoadIdentity()
{
}
void glMatrixMode(GLenum)
{
}
void glPushMatrix()
{
}
void glPopMatrix()
{
}
void glBlendFunc(GLenum, GLenum)
{
}
void glClearColor(GLfloat, GLfloat, GLfloat, GLfloat)
{
}
void glClear(GLbitfield)
{
}
void gluOrtho2D(GLdouble, GLdouble, GLdouble, GLdouble)
{
}
void glEnableClientState(GLenum)
{
}
void glDisableClientState(GLenum)
{
}
void glVertexPointer(GLint, GLenum, GLsizei, const void*)
{
}
void glTexCoordPointer(GLint, GLenum, GLsizei, const void*)
{
}
void glColorPointer(GLint, GLenum, GLsizei, const void*)
{
}
void glDrawArrays(GLenum, GLint, GLsizei)
{
}
}
