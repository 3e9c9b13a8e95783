// CFondApplication : Échap arrête la boucle, les autres touches vont à la fenêtre de devant ; le
// fond vidé de ses fenêtres l'arrête aussi.
#include "application/CFondApplication.h"

#include "application/Boucle.h"
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
    couvreEcran = ecranEntier || demandeEcranEntier(*fenetre);
    if (!couvreEcran)
        setLimites(MakeRect(0, 0, largeur, hauteur));
    ajouteObjetGDI(fenetre);
    // Plus large que l'écran, elle serait centrée hors de (0,0) : son coin reste visible.
    if (!couvreEcran)
        fenetre->setLimites(MakeRect(0, 0, fenetre->limites.largeur(), fenetre->limites.hauteur()));
}

bool demandeEcranEntier(const CFenetre& f)
{
    const SkinContainer& s = f.skin;
    return f.limites == MakeRect(-s.debordGauche, -s.debordHaut, LARGEUR_ECRAN + s.debordDroite,
                                 HAUTEUR_ECRAN + s.debordBas);
}

void CFondApplication::suitAffichage(int largeur, int hauteur)
{
    if (!couvreEcran && largeur > 0 && hauteur > 0)
        setLimites(MakeRect(0, 0, largeur, hauteur));
}

void suitTailleAffichage(int largeur, int hauteur)
{
    if (CFondApplication* fond = dynamic_cast<CFondApplication*>(racine))
        fond->suitAffichage(largeur, hauteur);
}

// Rien ne suit l'appel transmis que le drapeau commun : la touche peut détruire la fenêtre qui
// la reçoit. Échap n'est proposé qu'à une fenêtre qui se sert du clavier ; une fenêtre qui
// n'en fait rien (toucheClavier remplacée sans appeler celle de CFenetre) laisse finir.
void CFondApplication::toucheClavier(int touche)
{
    CFenetre* f = fenetreDevant();
    if (touche != TOUCHE_ECHAP) {
        if (f)
            f->toucheClavier(touche);
        return;
    }
    if (f && f->utiliseClavier()) {
        toucheUtilisee = false;
        f->toucheClavier(touche);
        if (toucheUtilisee)
            return;
    }
    plateforme.arreteBoucle();
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
