// TabArriereX : Maj+Tab sous GLUT, que freeglut ne livre pas (X en fait ISO_Left_Tab), lu par
// une connexion X à lui qui écoute aussi les touches de la fenêtre de GLUT.
#pragma once

// Écoute les touches de la fenêtre X donnée (celle de GLUT) sur une connexion à part ; faux sans
// affichage joignable ou sans fenêtre : Maj+Tab reste sans effet, comme avant. En mode jeu, GLUT
// prend le clavier pour lui seul : rien n'arrive ici.
bool ouvreTabArriereX(unsigned long fenetreGLUT);
// Livre chaque Maj+Tab reçu comme Tab avec Maj, par le même chemin que le clavier de GLUT ;
// toute autre touche est laissée à GLUT. Sans jamais attendre, à chaque tour de la boucle.
void serviceTabArriereX();
// Le descripteur de fichier de la connexion, à surveiller en lecture ; -1 quand elle est fermée.
int descripteurTabArriereX();
// Ferme la connexion.
void fermeTabArriereX();
