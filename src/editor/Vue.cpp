// Vue : zone client visible à l'écran et placement d'une fenêtre de l'éditeur dedans.
#include "editor/Vue.h"

#include "containers/CFenetre.h"

Rect zoneVisible(CContainer& parent)
{
    // Chaque conteneur au-dessus décale ses enfants de son coin et de ses marges.
    Coord origine = MakeCoord(0, 0);
    for (CContainer* c = &parent; c; c = c->parent)
        origine =
            origine + c->limites.hautGauche + MakeCoord(c->skin.margeGauche, c->skin.margeHaut);
    const Rect v = intersection(parent.zoneClient(), PLEIN_ECRAN - origine);
    return v.largeur() > 0 && v.hauteur() > 0 ? v : parent.zoneClient();
}

void placeDansLaVue(CFenetre& fenetre)
{
    if (!fenetre.parent)
        return;
    const Rect v = zoneVisible(*fenetre.parent);
    auto debut = [](int zone, int etendue, int taille) {
        return taille <= etendue ? zone + (etendue - taille) / 2 : zone;
    };
    const int w = fenetre.limites.largeur(), h = fenetre.limites.hauteur();
    const Coord coin =
        MakeCoord(debut(v.hautGauche.x, v.largeur(), w), debut(v.hautGauche.y, v.hauteur(), h));
    fenetre.setLimites(Rect{coin, coin + MakeCoord(w, h)});
}
