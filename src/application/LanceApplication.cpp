// LanceApplication : l'écran de 1024 x 768, les images, le fond et la boucle commune autour de
// la fenêtre d'un programme qui emploie la boîte à outils.
#include "wexo/Application.h"

#include "application/Boucle.h"
#include "application/CFondApplication.h"
#include "application/Plateforme.h"
#include "application/PlateformeGLUT.h"
#include "containers/CFenetre.h"
#include "render/DossierImages.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace
{
// GLUT termine le processus après une erreur fatale : au moins la dire.
void erreurGLUT(const char* format, va_list arguments)
{
    std::fprintf(stderr, "Wexo : GLUT : ");
    std::vfprintf(stderr, format, arguments);
    std::fprintf(stderr, "\n");
    std::exit(1);
}

// GLUT sortirait du processus sans affichage : on le cherche avant lui.
bool affichageJoignable()
{
    Display* affichage = XOpenDisplay(nullptr);
    if (!affichage) {
        const char* nom = std::getenv("DISPLAY");
        std::fprintf(stderr,
                     "Wexo : aucun affichage joignable (DISPLAY=%s) : pas de fen\xC3\xAAtre\n",
                     nom && *nom ? nom : "vide");
        return false;
    }
    XCloseDisplay(affichage);
    return true;
}

int echec(CFenetre* fenetre, const char* pourquoi)
{
    std::fprintf(stderr, "Wexo : d\xC3\xA9marrage impossible : %s\n", pourquoi);
    delete fenetre;
    fermeGLUT();
    plateformeParDefaut();
    return 1;
}
} // namespace

int lanceApplication(CFenetre* fenetre, bool modeJeu, const char* imagesInstallees)
{
    if (!fenetre) {
        std::fprintf(stderr, "Wexo : lanceApplication sans fen\xC3\xAAtre\n");
        return 1;
    }
    if (!affichageJoignable())
        return echec(fenetre, "pas d'affichage");
    // GLUT lit ses options dans les arguments : aucune ici.
    int argc = 1;
    char nom[] = "wexo";
    char* argv[] = {nom, nullptr};
    glutInitErrorFunc(erreurGLUT);
    glutInit(&argc, argv);
    installePlateformeGLUT();
    if (modeJeu ? !ouvreModeJeu() : !ouvreFenetre("Wexo"))
        return echec(fenetre, modeJeu ? "mode jeu 1024x768:32 impossible"
                                      : "fen\xC3\xAAtre de 1024 x 768 impossible");
    if (!prepareDemarrage(imagesInstallees))
        return echec(fenetre, "image illisible");

    racine = new CFondApplication;
    racine->ajouteObjetGDI(fenetre);
    tourneBoucle();
    // La boucle finie, GLUT a déjà détruit sa fenêtre et le contexte : l'arbre ne dessine plus.
    CContainer* arbre = racine;
    racine = nullptr;
    delete arbre;
    plateformeParDefaut();
    return 0;
}
