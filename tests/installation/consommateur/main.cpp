// Programme d'essai du paquet installé : n'inclut que Wexo.h et lie wexo::wexo.
#include "Wexo.h"

#include <GL/glu.h>

#include <cstdio>

int main()
{
    // Un conteneur et un enfant : lier le dessin du conteneur tire les appels OpenGL.
    CContainer* boite = new CContainer(-1);
    CObjetGDI* enfant = new CObjetGDI;
    enfant->setLimites(MakeRect(10, 20, 30, 45));
    boite->ajouteObjetGDI(enfant);
    const bool possede = boite->enfants.tete && boite->enfants.tete->element == enfant &&
                         enfant->parent == boite && enfant->limites.largeur() == 20;
    delete boite;

    // GLU doit être lié aussi : prendre l'adresse d'une fonction suffit, sans contexte.
    void (*volatile projection)(GLdouble, GLdouble, GLdouble, GLdouble) = &gluOrtho2D;
    if (!possede || !projection) {
        std::puts("le paquet installé ne se comporte pas comme la boîte à outils");
        return 1;
    }
    return 0;
}
