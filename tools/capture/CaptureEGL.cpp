// CaptureEGL : Mesa sans serveur d'affichage (plateforme « surfaceless ») et libpng.
#include "CaptureEGL.h"

#include "application/Boucle.h"
#include "render/Primitives.h"
#include "text/Police.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <png.h>

#include <cstdio>
#include <vector>

bool ouvreContexte(int largeur, int hauteur)
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
    const EGLint taille[] = {EGL_WIDTH, largeur, EGL_HEIGHT, hauteur, EGL_NONE};
    EGLSurface surface = eglCreatePbufferSurface(d, config, taille);
    if (surface == EGL_NO_SURFACE || !eglBindAPI(EGL_OPENGL_API))
        return false;
    EGLContext contexte = eglCreateContext(d, config, EGL_NO_CONTEXT, nullptr);
    return contexte != EGL_NO_CONTEXT && eglMakeCurrent(d, surface, surface, contexte);
}

bool ecritPNG(const char* chemin, Rect r)
{
    const int l = r.largeur(), h = r.hauteur();
    std::vector<unsigned char> pixels(size_t(l) * h * 3);
    // Les derniers quads attendent encore dans le lot : lus avant, ils manqueraient à l'image.
    fermeLotGL();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(r.hautGauche.x, HAUTEUR_ECRAN - r.basDroite.y, l, h, GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
    FILE* f = std::fopen(chemin, "wb");
    if (!f)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, l, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // OpenGL lit de bas en haut : la dernière ligne lue est le haut de l'image.
    for (int y = h - 1; y >= 0; --y)
        png_write_row(png, &pixels[size_t(y) * l * 3]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

bool demarreCapture()
{
    if (!ouvreContexte()) {
        std::fprintf(stderr, "Pas de contexte OpenGL hors écran (EGL Mesa)\n");
        return false;
    }
    if (!initialiseOpenGL() || !chargePolices()) {
        std::fprintf(stderr, "Images de Data illisibles : lancer depuis le dossier de build\n");
        return false;
    }
    return true;
}
