// PlateformeGLUT : horloge, demande d'image, échange des tampons et sortie du mode jeu par GLUT ;
// la mise en page sauvée quand la connexion au serveur X se rompt.
#include "app/PlateformeGLUT.h"

#include "app/Application.h"
#include "app/Entrees.h"
#include "app/Plateforme.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

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
void quitteModeJeu()
{
    if (!glutGameModeGet(GLUT_GAME_MODE_ACTIVE))
        return;
    glutLeaveGameMode();
    // GLUT ne détruit la fenêtre qu'au tour de boucle suivant (ses rappels sont déjà retirés),
    // et la demande de destruction ne part vers le serveur qu'au tour d'après : sans ces deux
    // tours, l'écran noir du mode jeu resterait derrière la boîte d'erreur.
    glutMainLoopEvent();
    glutMainLoopEvent();
}

// Serveur X tué ou session fermée : Xlib terminerait le processus au retour. L'arbre se détruit
// sans un appel d'affichage, donc sans repasser par ici, et écrit la mise en page avant la fin.
int connexionPerdue(Display*)
{
    std::fprintf(stderr, "Connexion au serveur X perdue.\n");
    sauveMiseEnPage("Affichage perdu");
    // Ni destructeurs statiques ni fonctions de fin : la bibliothèque d'affichage y parlerait
    // encore au serveur disparu.
    std::_Exit(1);
}
} // namespace

void installePlateformeGLUT()
{
    XSetIOErrorHandler(connexionPerdue);
    plateforme.temps = tempsGLUT;
    plateforme.demandeAffichage = demandeAffichageGLUT;
    plateforme.echangeTampons = echangeTamponsGLUT;
    plateforme.libereAffichage = quitteModeJeu;
}
