// CFenetreFond : racine de l'arbre et aiguillage des touches vers la fenêtre de premier plan.
#include "editor/CFenetreFond.h"

CFenetreFond::CFenetreFond() : CFenetre(-1)
{
}

// Rien ne doit suivre l'appel transmis : Échap peut détruire tout l'arbre, racine comprise.
void CFenetreFond::toucheClavier(int touche)
{
    if (CFenetre* f = fenetreDevant())
        f->toucheClavier(touche);
}

void CFenetreFond::toucheSpeciale(int touche)
{
    if (CFenetre* f = fenetreDevant())
        f->toucheSpeciale(touche);
}
