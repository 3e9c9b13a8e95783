// PlateformeGLUT : horloge, demande d'image, échange des tampons, sortie du mode jeu et arrêt de
// la boucle par GLUT ; ouverture de l'écran et inscription des rappels dans la boucle.
#include "application/PlateformeGLUT.h"

#include "application/Boucle.h"
#include "application/Entrees.h"
#include "application/Plateforme.h"
#include "application/PressePapiersX.h"

#include "wexo/Integration.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

static_assert(BOUTON_GAUCHE == GLUT_LEFT_BUTTON && BOUTON_MILIEU == GLUT_MIDDLE_BUTTON &&
                  BOUTON_DROIT == GLUT_RIGHT_BUTTON,
              "codes des boutons de GLUT");
static_assert(ETAT_ENFONCE == GLUT_DOWN && ETAT_RELACHE == GLUT_UP, "codes des états de GLUT");

namespace
{
int tempsGLUT()
{
    return glutGet(GLUT_ELAPSED_TIME);
}

void demandeAffichageGLUT()
{
    glutPostRedisplay();
}

void echangeTamponsGLUT()
{
    glutSwapBuffers();
}

// La fenêtre du mode jeu détruite, GLUT détruit le contexte avec elle et rend clavier et souris.
// Sans effet une fois GLUT défait, ce que fait la fin de sa boucle.
void quitteModeJeu()
{
    if (!glutGet(GLUT_INIT_STATE) || !glutGameModeGet(GLUT_GAME_MODE_ACTIVE))
        return;
    glutLeaveGameMode();
    // GLUT ne détruit la fenêtre qu'au tour de boucle suivant (ses rappels sont déjà retirés),
    // et la demande de destruction ne part vers le serveur qu'au tour d'après : sans ces deux
    // tours, l'écran noir du mode jeu resterait derrière la boîte d'erreur.
    glutMainLoopEvent();
    glutMainLoopEvent();
}

// Chaque tour sert d'abord les demandes du presse-papiers du bureau.
void inactiviteGLUT()
{
    servicePressePapiersX();
    inactivite();
}

void arreteBoucleGLUT()
{
    glutLeaveMainLoop();
}

// Cache le curseur du système par un curseur vide créé sur la connexion de GLUT. Le curseur
// vide de GLUT est gardé d'une connexion à l'autre : après un premier glutInit défait, il
// désigne un curseur disparu, et le serveur répond BadCursor.
void cacheCurseur()
{
    Display* d = glXGetCurrentDisplay();
    const Window w = glXGetCurrentDrawable();
    if (!d || !w)
        return;
    static char vide[1] = {0};
    const Pixmap p = XCreateBitmapFromData(d, w, vide, 1, 1);
    XColor noir = {};
    const Cursor c = XCreatePixmapCursor(d, p, p, &noir, &noir, 0, 0);
    XDefineCursor(d, w, c);
    // La fenêtre garde le curseur ; ces noms peuvent partir.
    XFreeCursor(d, c);
    XFreePixmap(d, p);
    XFlush(d);
}
} // namespace

void installePlateformeGLUT()
{
    plateforme.temps = tempsGLUT;
    plateforme.demandeAffichage = demandeAffichageGLUT;
    plateforme.echangeTampons = echangeTamponsGLUT;
    plateforme.libereAffichage = quitteModeJeu;
    plateforme.arreteBoucle = arreteBoucleGLUT;
    // Fenêtre fermée par le gestionnaire de fenêtres : la boucle rend la main au lieu de
    // terminer le processus.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
}

bool ouvreModeJeu()
{
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA);
    glutGameModeString("1024x768:32");
    if (!glutGameModeGet(GLUT_GAME_MODE_POSSIBLE))
        return false;
    // Le mode peut être annoncé possible et refusé au changement : même réponse.
    if (!glutEnterGameMode())
        return false;
    cacheCurseur();
    return true;
}

bool ouvreFenetre(const char* titre, int largeur, int hauteur)
{
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA);
    glutInitWindowSize(largeur > 0 ? largeur : 1, hauteur > 0 ? hauteur : 1);
    glutInitWindowPosition(0, 0);
    if (glutCreateWindow(titre) <= 0)
        return false;
    cacheCurseur();
    return true;
}

void fermeGLUT()
{
    if (!glutGet(GLUT_INIT_STATE))
        return;
    if (glutGameModeGet(GLUT_GAME_MODE_ACTIVE))
        glutLeaveGameMode();
    glutExit();
}

namespace
{
// Ce que freeglut 3.4 livre sous X (vu sous Xvfb avec xdotool) : Tab 9, Entrée 13 (celle du
// pavé aussi), Retour arrière 8, Suppr 127, Échap 27 au rappel du clavier ; Ctrl+V 22 avec
// Ctrl (Ctrl+A 1 ... Ctrl+Z 26, Maj en plus : le même octet), Alt+A 97 avec Alt. Maj+Tab
// n'arrive pas du tout : X en fait ISO_Left_Tab, que freeglut ne livre par aucun rappel ; Maj,
// Ctrl et Alt seuls arrivent comme touches spéciales 112 à 117.
void clavierGLUT(unsigned char touche, int /*x*/, int /*y*/)
{
    clavierModifie(touche, glutGetModifiers());
}

void toucheSpecialeGLUT(int touche, int /*x*/, int /*y*/)
{
    toucheSpecialeModifiee(touche, glutGetModifiers());
}

void boutonSourisGLUT(int bouton, int etat, int /*x*/, int /*y*/)
{
    boutonSourisModifie(bouton, etat, glutGetModifiers());
}
} // namespace

void tourneBoucle()
{
    glutDisplayFunc(affichage);
    glutReshapeFunc(ajusteVue);
    glutKeyboardFunc(clavierGLUT);
    glutSpecialFunc(toucheSpecialeGLUT);
    glutMouseFunc(boutonSourisGLUT);
    glutMotionFunc(mouvementSouris);
    glutPassiveMotionFunc(mouvementSouris);
    glutIdleFunc(inactiviteGLUT);
    glutMainLoop();
}
