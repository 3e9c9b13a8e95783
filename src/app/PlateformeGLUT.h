// PlateformeGLUT : installation des services GLUT et de la boîte de message SDL dans plateforme.
#pragma once

// La boîte de message seule : utilisable avant glutInit.
void installeBoiteMessage();
// Horloge, affichage et mode jeu de GLUT ; après glutInit.
void installePlateformeGLUT();
