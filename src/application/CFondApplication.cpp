// CFondApplication : Échap arrête la boucle, les autres touches vont à la fenêtre de devant.
#include "application/CFondApplication.h"

#include "application/Plateforme.h"

namespace
{
const int TOUCHE_ECHAP = 27;
}

CFondApplication::CFondApplication() : CFenetre(-1)
{
}

// Rien ne suit l'appel transmis : la touche peut détruire la fenêtre qui la reçoit.
void CFondApplication::toucheClavier(int touche)
{
    if (touche == TOUCHE_ECHAP)
        plateforme.arreteBoucle();
    else if (CFenetre* f = fenetreDevant())
        f->toucheClavier(touche);
}

void CFondApplication::toucheSpeciale(int touche)
{
    if (CFenetre* f = fenetreDevant())
        f->toucheSpeciale(touche);
}
