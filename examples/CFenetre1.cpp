// CFenetre1.cpp : joint la déclaration au fichier écrit par l'éditeur, compilé tel quel.
#include "CFenetre1.h"

#ifndef FICHIER_FENETRE1
#define FICHIER_FENETRE1 "Fenetre1.cpp"
#endif
#include FICHIER_FENETRE1
