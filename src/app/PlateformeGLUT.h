// PlateformeGLUT : installation des services GLUT et de la boîte de message SDL dans plateforme.
#pragma once

// La boîte de message seule : utilisable avant glutInit.
void installeBoiteMessage();
// Horloge, affichage et mode jeu de GLUT, et la sauvegarde quand la connexion au serveur X se
// rompt ; après glutInit.
void installePlateformeGLUT();
