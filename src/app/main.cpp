// main : point d'entrée de l'éditeur, mode jeu GLUT, rappels et boucle principale.
#include "app/Application.h"
#include "app/Entrees.h"
#include "app/FinParSignal.h"
#include "app/MessageErreur.h"
#include "app/PlateformeGLUT.h"

#include <GL/freeglut.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace
{
// Erreur fatale de GLUT (affichage introuvable...) : dire pourquoi avant que GLUT ne sorte en
// échec. Sans affichage, aucune boîte ne peut s'ouvrir : la sortie d'erreur seule parle.
void erreurGLUT(const char* format, va_list arguments)
{
    std::fprintf(stderr, "GLUT : ");
    std::vfprintf(stderr, format, arguments);
    std::fprintf(stderr, "\n");
    // En pleine séance, la mise en page est écrite avant la fin.
    sauveMiseEnPage("Erreur de GLUT");
    ecritErreur();
    // GLUT n'est pas en état de se défaire lui-même après une telle erreur.
    std::exit(1);
}
} // namespace

int main(int argc, char** argv)
{
    glutInitErrorFunc(erreurGLUT);
    glutInit(&argc, argv);
    installePlateformeGLUT();
    installeBoiteMessage();

    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA);
    glutGameModeString("1024x768:32");
    if (!glutGameModeGet(GLUT_GAME_MODE_POSSIBLE)) {
        afficheErreur(true);
        return 0;
    }
    // Le mode peut être annoncé possible et refusé au changement : même réponse.
    if (!glutEnterGameMode()) {
        afficheErreur(true);
        return 0;
    }
    glutSetCursor(GLUT_CURSOR_NONE);

    if (!demarre()) {
        afficheErreur(false);
        return 0;
    }

    glutDisplayFunc(affichage);
    glutKeyboardFunc(clavier);
    glutSpecialFunc(toucheSpecialeAppuyee);
    glutMouseFunc(boutonSouris);
    glutMotionFunc(mouvementSouris);
    glutPassiveMotionFunc(mouvementSouris);
    glutIdleFunc(inactivite);
    // Le tour d'inactivité exécute les demandes de fin qu'ils notent.
    installeFinParSignal();
    glutMainLoop();
    quitte();
    return 0;
}
