// LanceApplication : la fenêtre de premier niveau (ou l'écran du mode jeu), les images, le fond
// et la boucle commune autour de la fenêtre d'un programme qui emploie la boîte à outils.
#include "wexo/Application.h"

#include "application/Boucle.h"
#include "application/CFondApplication.h"
#include "application/Plateforme.h"
#include "application/PlateformeGLUT.h"
#include "application/PressePapiersX.h"
#include "containers/CFenetre.h"
#include "render/DossierImages.h"
#include "wexo/Integration.h"

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

// GLUT sortirait du processus sans affichage : on le cherche avant lui. La connexion reste
// ouverte jusqu'à la fin du processus : un serveur qui se réinitialise au départ de son dernier
// client ne le fait ni avant que GLUT se connecte, ni entre deux lanceApplication.
bool affichageJoignable()
{
    static Display* gardien = nullptr;
    if (gardien)
        return true;
    gardien = XOpenDisplay(nullptr);
    if (!gardien) {
        const char* nom = std::getenv("DISPLAY");
        std::fprintf(stderr,
                     "Wexo : aucun affichage joignable (DISPLAY=%s) : pas de fen\xC3\xAAtre\n",
                     nom && *nom ? nom : "vide");
        return false;
    }
    return true;
}

// Le fond, s'il existe, possède la fenêtre.
int echec(CFenetre* fenetre, CContainer* fond, const char* pourquoi)
{
    std::fprintf(stderr, "Wexo : d\xC3\xA9marrage impossible : %s\n", pourquoi);
    if (fond)
        delete fond;
    else
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
    // Depuis un gestionnaire, la boucle en cours et son arbre seraient pris sous lui.
    if (racine) {
        std::fprintf(stderr,
                     "Wexo : lanceApplication d\xC3\xA9j\xC3\xA0 en cours : refus\xC3\xA9\n");
        delete fenetre;
        return 1;
    }
    if (!affichageJoignable())
        return echec(fenetre, nullptr, "pas d'affichage");
    // GLUT lit ses options dans les arguments : aucune ici.
    int argc = 1;
    char nom[] = "wexo";
    char* argv[] = {nom, nullptr};
    glutInitErrorFunc(erreurGLUT);
    glutInit(&argc, argv);
    installePlateformeGLUT();
    CFondApplication* fond = new CFondApplication(fenetre, modeJeu);
    int largeur = LARGEUR_ECRAN, hauteur = HAUTEUR_ECRAN;
    if (!modeJeu)
        tailleAffichage(fenetre, largeur, hauteur);
    if (modeJeu ? !ouvreModeJeu() : !ouvreFenetre("Wexo", largeur, hauteur))
        return echec(fenetre, fond,
                     modeJeu ? "mode jeu 1024x768:32 impossible" : "fen\xC3\xAAtre impossible");
    if (!prepareDemarrage(imagesInstallees))
        return echec(fenetre, fond, "image illisible");

    racine = fond;
    // Le presse-papiers du bureau le temps de la boucle ; sans lui, celui du processus.
    ouvrePressePapiersX();
    tourneBoucle();
    fermePressePapiersX();
    // La boucle finie, GLUT a déjà détruit sa fenêtre et le contexte : l'arbre ne dessine plus.
    racine = nullptr;
    delete fond;
    plateformeParDefaut();
    return 0;
}
