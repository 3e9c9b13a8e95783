// ContexteHorsEcran : contexte OpenGL de Mesa sur une surface EGL hors écran.
#include "ContexteHorsEcran.h"

#include "render/Coord.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

bool ouvreContexte()
{
    auto afficheurPlateforme = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!afficheurPlateforme)
        return false;
    EGLDisplay d = afficheurPlateforme(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (d == EGL_NO_DISPLAY || !eglInitialize(d, nullptr, nullptr))
        return false;
    const EGLint attributs[] = {EGL_SURFACE_TYPE,
                                EGL_PBUFFER_BIT,
                                EGL_RED_SIZE,
                                8,
                                EGL_GREEN_SIZE,
                                8,
                                EGL_BLUE_SIZE,
                                8,
                                EGL_ALPHA_SIZE,
                                8,
                                EGL_RENDERABLE_TYPE,
                                EGL_OPENGL_BIT,
                                EGL_NONE};
    EGLConfig config;
    EGLint nombre = 0;
    if (!eglChooseConfig(d, attributs, &config, 1, &nombre) || nombre < 1)
        return false;
    const EGLint taille[] = {EGL_WIDTH, LARGEUR_ECRAN, EGL_HEIGHT, HAUTEUR_ECRAN, EGL_NONE};
    EGLSurface surface = eglCreatePbufferSurface(d, config, taille);
    if (surface == EGL_NO_SURFACE || !eglBindAPI(EGL_OPENGL_API))
        return false;
    EGLContext contexte = eglCreateContext(d, config, EGL_NO_CONTEXT, nullptr);
    return contexte != EGL_NO_CONTEXT && eglMakeCurrent(d, surface, surface, contexte);
}
