// LanceApplication : la fenêtre de premier niveau (ou l'écran du mode jeu), les images, le fond
// et la boucle commune autour de la fenêtre d'un programme qui emploie la boîte à outils.
#include "wexo/Application.h"

#include "application/Boucle.h"
#include "application/CFondApplication.h"
#include "application/Plateforme.h"
#include "application/PlateformeGLUT.h"
#include "application/PressePapiersX.h"
#include "application/TabArriereX.h"
#include "containers/CFenetre.h"
#include "wexo/Integration.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace
{
std::string titre = "Wexo";

// Un serveur qui se réinitialise (son dernier client parti) refuse les connexions un moment :
// la connexion est retentée pendant ce temps.
const int ESSAIS_AFFICHAGE = 40;
const int PAUSE_ESSAI_MS = 50;

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
    const char* nom = std::getenv("DISPLAY");
    gardien = XOpenDisplay(nullptr);
    // Sans nom d'affichage, rien à attendre.
    for (int essai = 1; !gardien && nom && *nom && essai < ESSAIS_AFFICHAGE; ++essai) {
        std::this_thread::sleep_for(std::chrono::milliseconds(PAUSE_ESSAI_MS));
        gardien = XOpenDisplay(nullptr);
    }
    if (!gardien) {
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
    if (modeJeu ? !ouvreModeJeu() : !ouvreFenetre(titre.c_str(), largeur, hauteur))
        return echec(fenetre, fond,
                     modeJeu ? "mode jeu 1024x768:32 impossible" : "fen\xC3\xAAtre impossible");
    if (!prepareDemarrage(imagesInstallees))
        return echec(fenetre, fond, "image illisible");

    racine = fond;
    commenceBoucleALaDemande(plateforme.reveille);
    // Le presse-papiers du bureau le temps de la boucle, servi à chaque tour et dès que sa
    // connexion a de quoi lire ; sans lui, celui du processus.
    ouvrePressePapiersX();
    ajouteServiceAttente(descripteurPressePapiersX(), servicePressePapiersX);
    // Maj+Tab, que GLUT perd, lu sur la fenêtre de GLUT (celle du contexte courant).
    ouvreTabArriereX(glXGetCurrentDrawable());
    ajouteServiceAttente(descripteurTabArriereX(), serviceTabArriereX);
    tourneBoucle();
    fermePressePapiersX();
    fermeTabArriereX();
    // Connexions fermées : l'attente ne les surveille plus.
    ajouteServiceAttente(-1, servicePressePapiersX);
    ajouteServiceAttente(-1, serviceTabArriereX);
    // La boucle finie, GLUT a déjà détruit sa fenêtre et le contexte : l'arbre ne dessine plus.
    finitBoucleALaDemande();
    racine = nullptr;
    delete fond;
    plateformeParDefaut();
    return 0;
}

void titreApplication(const char* nouveau)
{
    titre = nouveau ? nouveau : "Wexo";
    if (racine)
        plateforme.poseTitre(titre.c_str());
}
