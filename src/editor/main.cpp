// main : point d'entrée de l'éditeur : le mode jeu, la boucle commune avec lanceApplication, et
// la mise en page sauvée quand GLUT ou la connexion au serveur X lâchent.
#include "editor/Editeur.h"
#include "editor/EtatEditeur.h"
#include "editor/FinParSignal.h"
#include "editor/MessageErreur.h"
#include "editor/PlateformeMessage.h"

#include "application/PlateformeGLUT.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>

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

int main(int argc, char** argv)
{
    glutInitErrorFunc(erreurGLUT);
    glutInit(&argc, argv);
    installePlateformeGLUT();
    // glutInit a retiré ses propres options : il reste au plus le fichier à rouvrir, lu et
    // refusé avant qu'aucune fenêtre ne s'ouvre.
    if (argc > 2) {
        std::fprintf(stderr, "usage : %s [FICHIER]\n", argv[0]);
        return 2;
    }
    if (argc == 2) {
        if (!ouvreFichierEdite(argv[1]))
            return 1;
    } else {
        signaleSourceExistant();
    }
    majTenue = [] { return (glutGetModifiers() & GLUT_ACTIVE_SHIFT) != 0; };
    XSetIOErrorHandler(connexionPerdue);
    installeBoiteMessage();

    if (!ouvreModeJeu()) {
        afficheErreur(true);
        return 0;
    }
    if (!demarre()) {
        afficheErreur(false);
        return 0;
    }
    // Le tour d'inactivité exécute les demandes de fin qu'ils notent.
    installeFinParSignal();
    tourneBoucle();
    // La fenêtre du mode jeu fermée du dehors : la même fin qu'Échap.
    quitte();
    return 0;
}
