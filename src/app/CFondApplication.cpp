// CFondApplication : Échap arrête la boucle, le reste suit l'aiguillage du fond.
#include "app/CFondApplication.h"

#include "app/Plateforme.h"

namespace
{
const int TOUCHE_ECHAP = 27;
}

void CFondApplication::toucheClavier(int touche)
{
    if (touche == TOUCHE_ECHAP)
        plateforme.arreteBoucle();
    else
        CFenetreFond::toucheClavier(touche);
}
