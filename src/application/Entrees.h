// Entrees : les rappels de clavier et de souris, qui mettent l'arbre à jour avant de lui
// livrer la touche ou le bouton.
#pragma once

// Codes des boutons et des états tels que les rapporte GLUT.
const int BOUTON_GAUCHE = 0;
const int BOUTON_MILIEU = 1;
const int BOUTON_DROIT = 2;
const int ETAT_ENFONCE = 0;
const int ETAT_RELACHE = 1;

// La position passée avec les touches et les boutons est ignorée : seule compte celle que
// mouvementSouris a rangée dans racine->souris.
void clavier(unsigned char touche, int x, int y);
void toucheSpecialeAppuyee(int touche, int x, int y);
void boutonSouris(int bouton, int etat, int x, int y);
// Les mêmes, avec les modificateurs tenus (Modificateur) : posés pendant la livraison, où
// modificateursClavier les lit, remis à 0 après. Les formes ci-dessus livrent sans modificateur.
void clavierModifie(unsigned char touche, int modificateurs);
void toucheSpecialeModifiee(int touche, int modificateurs);
void boutonSourisModifie(int bouton, int etat, int modificateurs);
// Sert au mouvement avec et sans bouton enfoncé.
void mouvementSouris(int x, int y);
// La souris entre au-dessus de la fenêtre ou la quitte (rappel d'entrée de GLUT).
void entreeSouris(bool dedans);
