// PlateformeGLUT : horloge, demande d'image, échange des tampons, sortie du mode jeu et arrêt de
// la boucle par GLUT ; ouverture de l'écran et inscription des rappels dans la boucle.
#include "application/PlateformeGLUT.h"

#include "application/Boucle.h"
#include "application/CFondApplication.h"
#include "application/Entrees.h"
#include "application/Plateforme.h"

#include "wexo/Integration.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

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

bool arretBoucle = false;

void arreteBoucleGLUT()
{
    arretBoucle = true;
}

// Réveil de la boucle qui attend : un compteur d'événements que poll surveille avec la connexion
// X. Créé une fois ; write y est sûr depuis n'importe quel fil.
int descripteurReveil()
{
    static const int fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    return fd;
}

void reveilleBoucleGLUT()
{
    const uint64_t un = 1;
    // Un échec ne peut venir que d'un compteur plein : un réveil attend déjà.
    [[maybe_unused]] const ssize_t ecrit = write(descripteurReveil(), &un, sizeof un);
}

struct ServiceAttente {
    int descripteur;
    void (*service)();
};
std::vector<ServiceAttente> services;

// Attend, au plus delai millisecondes (-1 : sans limite), un événement X, un réveil ou un
// descripteur d'un service. Les événements déjà lus par Xlib ne se voient pas sur la connexion :
// la file est vidée d'abord, les requêtes en tampon parties.
void attendsEvenement(int32_t delai)
{
    Display* d = glXGetCurrentDisplay();
    if (!d || XEventsQueued(d, QueuedAfterFlush) > 0)
        return;
    std::vector<pollfd> surveilles = {{ConnectionNumber(d), POLLIN, 0},
                                      {descripteurReveil(), POLLIN, 0}};
    for (const ServiceAttente& s : services)
        if (s.descripteur >= 0)
            surveilles.push_back({s.descripteur, POLLIN, 0});
    if (poll(surveilles.data(), surveilles.size(), delai) > 0 && (surveilles[1].revents & POLLIN)) {
        // Le compte remis à zéro : le prochain réveil se verra.
        uint64_t compte = 0;
        [[maybe_unused]] const ssize_t lu = read(descripteurReveil(), &compte, sizeof compte);
    }
    // Les entrées qui suivent voient l'heure de leur arrivée.
    rafraichitHorloge();
}

void poseTitreGLUT(const char* titre)
{
    if (glutGet(GLUT_INIT_STATE) && glutGetWindow() && !glutGameModeGet(GLUT_GAME_MODE_ACTIVE))
        glutSetWindowTitle(titre);
}

void fermetureFenetre()
{
    arretBoucle = true;
}

void entree(int etat)
{
    entreeSouris(etat == GLUT_ENTERED);
}

// La fenêtre retaillée par la personne ou le gestionnaire de fenêtres : vue et fond (GLUT
// redessine de lui-même après).
void retaille(int largeur, int hauteur)
{
    ajusteVue(largeur, hauteur);
    suitTailleAffichage(largeur, hauteur);
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
    plateforme.reveille = reveilleBoucleGLUT;
    plateforme.poseTitre = poseTitreGLUT;
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

void ajouteServiceAttente(int descripteur, void (*service)())
{
    if (!service)
        return;
    // Réinscrit à chaque lancement, un service garde une seule place, sur son dernier descripteur.
    for (ServiceAttente& s : services)
        if (s.service == service) {
            s.descripteur = descripteur;
            return;
        }
    services.push_back({descripteur, service});
}

namespace
{
// Ce que freeglut 3.4 livre sous X (vu sous Xvfb avec xdotool) : Tab 9, Entrée 13 (celle du
// pavé aussi), Retour arrière 8, Suppr 127, Échap 27 au rappel du clavier ; Ctrl+V 22 avec
// Ctrl (Ctrl+A 1 ... Ctrl+Z 26, Maj en plus : le même octet), Alt+A 97 avec Alt. Maj+Tab
// n'arrive par aucun rappel (X en fait ISO_Left_Tab, que freeglut perd) : TabArriereX le lit
// sur sa propre connexion et le livre comme Tab avec Maj, sauf en mode jeu, où GLUT prend le
// clavier pour lui seul. Maj, Ctrl et Alt seuls arrivent comme touches spéciales 112 à 117.
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
    glutReshapeFunc(retaille);
    glutKeyboardFunc(clavierGLUT);
    glutSpecialFunc(toucheSpecialeGLUT);
    glutMouseFunc(boutonSourisGLUT);
    glutMotionFunc(mouvementSouris);
    glutPassiveMotionFunc(mouvementSouris);
    glutEntryFunc(entree);
    glutCloseFunc(fermetureFenetre);
    arretBoucle = false;
    // La boucle de GLUT, tour par tour : événements et image en attente, le tour d'inactivité,
    // les services ; en continu (l'éditeur) sans attendre, comme avec un rappel d'inactivité ;
    // à la demande, l'attente jusqu'au prochain tour utile.
    while (!arretBoucle) {
        glutMainLoopEvent();
        if (arretBoucle || !glutGetWindow())
            break;
        inactivite();
        if (arretBoucle)
            break;
        // Juste avant l'attente : rien de ce qu'un service a lu ne reste dans sa file.
        for (const ServiceAttente& s : services)
            s.service();
        const int32_t delai = delaiAvantTour();
        if (delai != 0)
            attendsEvenement(delai);
    }
    // Comme à la fin de glutMainLoop : fenêtres et contexte détruits, GLUT défait.
    if (glutGet(GLUT_INIT_STATE))
        glutExit();
}
