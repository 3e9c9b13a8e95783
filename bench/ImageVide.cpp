// ImageVide : plancher du démarrage, un programme GLUT sans la boîte à outils qui entre en mode
// jeu comme l'éditeur et montre une image noire ; chronométré comme lui par LanceChrono.
#include <GL/freeglut.h>

int main(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA);
    glutGameModeString("1024x768:32");
    if (!glutGameModeGet(GLUT_GAME_MODE_POSSIBLE) || !glutEnterGameMode())
        return 1;
    glutSetCursor(GLUT_CURSOR_NONE);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glutSwapBuffers();
    return 0;
}
