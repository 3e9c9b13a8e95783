// PlateformeMessage : la boîte de message de l'éditeur, dessinée par SDL hors de GLUT.
#pragma once

// Pose plateforme.boiteMessage ; utilisable avant glutInit.
void installeBoiteMessage();
