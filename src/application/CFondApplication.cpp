// CFondApplication : Échap arrête la boucle, les autres touches vont à la fenêtre de devant ; le
// fond vidé de ses fenêtres l'arrête aussi.
#include "application/CFondApplication.h"

#include "application/Plateforme.h"
#include "wexo/Integration.h"

namespace
{
const int TOUCHE_ECHAP = 27;
}

CFondApplication::CFondApplication() : CFenetre(-1)
{
    ajouteGestionnaire(evenements[EVT_MISE_A_JOUR], this, &CFondApplication::finSansEnfant);
}

CFondApplication::CFondApplication(CFenetre* fenetre, bool ecranEntier) : CFondApplication()
{
    if (!fenetre)
        return;
    int largeur = 0, hauteur = 0;
    tailleAffichage(fenetre, largeur, hauteur);
    if (!ecranEntier && !fenetre->estPleinEcran())
        setLimites(MakeRect(0, 0, largeur, hauteur));
    ajouteObjetGDI(fenetre);
    // Plus large que l'écran, elle serait centrée hors de (0,0) : son coin reste visible.
    if (!ecranEntier && !fenetre->estPleinEcran())
        fenetre->setLimites(MakeRect(0, 0, fenetre->limites.largeur(), fenetre->limites.hauteur()));
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

void CFondApplication::finSansEnfant(CObjetGDI* /*emetteur*/)
{
    if (!enfants.tete)
        plateforme.arreteBoucle();
}
