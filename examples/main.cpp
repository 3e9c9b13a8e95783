// Programme d'exemple d'un utilisateur de la boîte à outils : ouvre en mode jeu la fenêtre
// CFenetre1 dessinée dans l'éditeur, la laisse déplacer à la souris, et quitte sur Échap.
#include <wexo/Fenetre1.h>

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

namespace
{
// Le fond plein écran, sans cadre, qui reçoit tous les événements.
CFenetre* racine = nullptr;

void affichage()
{
    glClear(GL_COLOR_BUFFER_BIT);
    if (racine->visible)
        declenche(racine->evenements[EVT_DESSIN], racine);
    glutSwapBuffers();
}

void inactivite()
{
    declenche(racine->evenements[EVT_MISE_A_JOUR], racine);
    glutPostRedisplay();
}

void quitte()
{
    delete racine;
    racine = nullptr;
    glutLeaveGameMode();
    std::exit(0);
}

// Chaque entrée met d'abord l'arbre à jour, pour que les survols soient connus du clic.
void clavier(unsigned char touche, int, int)
{
    declenche(racine->evenements[EVT_MISE_A_JOUR], racine);
    if (touche == 27)
        quitte();
    racine->toucheClavier(touche);
}

void boutonSouris(int bouton, int etat, int, int)
{
    declenche(racine->evenements[EVT_MISE_A_JOUR], racine);
    if (bouton == GLUT_LEFT_BUTTON)
        declenche(racine->evenements[etat == GLUT_DOWN ? EVT_APPUI_GAUCHE : EVT_CLIC_GAUCHE],
                  racine);
    else if (bouton == GLUT_RIGHT_BUTTON)
        declenche(racine->evenements[etat == GLUT_DOWN ? EVT_APPUI_DROIT : EVT_CLIC_DROIT], racine);
}

void mouvementSouris(int x, int y)
{
    racine->souris = MakeCoord(x, y) - racine->limites.hautGauche;
    declenche(racine->evenements[EVT_MISE_A_JOUR], racine);
}

} // namespace

int main(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA);
    glutGameModeString("1024x768:32");
    if (!glutGameModeGet(GLUT_GAME_MODE_POSSIBLE)) {
        std::fputs("Mode 1024x768:32 impossible\n", stderr);
        return 1;
    }
    glutEnterGameMode();
    glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
    prepareEtatGL();
    // Les images de "Data/" du dossier de travail, à défaut celles installées.
    choisitDossierImages(WEXO_IMAGES);
    if (!chargeTextures() || !chargePolices()) {
        glutLeaveGameMode();
        return 1;
    }

    // Une fenêtre ajoutée à son parent y est centrée.
    racine = new CFenetre(-1);
    racine->ajouteObjetGDI(new CFenetre1);

    glutDisplayFunc(affichage);
    glutIdleFunc(inactivite);
    glutKeyboardFunc(clavier);
    glutMouseFunc(boutonSouris);
    glutMotionFunc(mouvementSouris);
    glutPassiveMotionFunc(mouvementSouris);
    glutMainLoop();
    quitte();
}
