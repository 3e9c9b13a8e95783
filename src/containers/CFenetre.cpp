// Fenêtre : limites ajustées au cadre, plein écran, centrage et déplacement par glissement.
#include "containers/CFenetre.h"

#include <algorithm>

CFenetre::CFenetre(int skin) : CContainer(skin)
{
    enDeplacement = false;
    CFenetre::setLimites(PLEIN_ECRAN);
    zoneDeplacement = PLEIN_ECRAN;
    ajouteGestionnaire(evenements[EVT_APPUI_GAUCHE], this, &CFenetre::debutDeplacement);
    ajouteGestionnaire(evenements[EVT_CLIC_GAUCHE], this, &CFenetre::finDeplacement);
    ajouteGestionnaire(evenements[EVT_SURVOL_APPUYE], this, &CFenetre::suitDeplacement);
    ajouteGestionnaire(evenements[EVT_APPUYE_DEHORS], this, &CFenetre::suitDeplacement);
    // Un relâchement hors de la fenêtre (glissement arrêté au bord) finit aussi le
    // déplacement : sinon le prochain appui sur un enfant la ferait suivre la souris.
    ajouteGestionnaire(evenements[EVT_RELACHE_GAUCHE_DEHORS], this, &CFenetre::finDeplacement);
}

void CFenetre::setLimites(Rect r)
{
    const int rx1 = r.hautGauche.x, ry1 = r.hautGauche.y;
    const int largeurCadre =
        (skin.decoupeX[1] - skin.decoupeX[0]) + (skin.decoupeX[3] - skin.decoupeX[2]);
    const int hauteurCadre =
        (skin.decoupeY[1] - skin.decoupeY[0]) + (skin.decoupeY[3] - skin.decoupeY[2]);
    // Borné à 32767 : un bord qui passerait en négatif donnerait une fenêtre retournée.
    const int rx2 = std::min(std::max(int(r.basDroite.x), rx1 + largeurCadre), 32767);
    const int ry2 = std::min(std::max(int(r.basDroite.y), ry1 + hauteurCadre), 32767);

    if (rx1 == 0 && ry1 == 0 && rx2 == LARGEUR_ECRAN && ry2 == HAUTEUR_ECRAN) {
        // L'ombre et ce qui dépasse du cadre tombent hors de l'écran.
        rangeLimites(MakeRect(-skin.debordGauche, -skin.debordHaut,
                              LARGEUR_ECRAN + skin.debordDroite, HAUTEUR_ECRAN + skin.debordBas));
        return;
    }
    rangeLimites(MakeRect(rx1, ry1, rx2, ry2));
}

bool CFenetre::estPleinEcran()
{
    return limites.hautGauche.x <= 0 && limites.hautGauche.y <= 0 &&
           limites.basDroite.x >= LARGEUR_ECRAN && limites.basDroite.y >= HAUTEUR_ECRAN;
}

void CFenetre::centre()
{
    // Centrer une fenêtre plein écran la décalerait de la moitié de ses débords : son cadre
    // serait coupé et son ombre visible.
    if (!parent || estPleinEcran())
        return;
    const Rect client = parent->zoneClient();
    const int w = limites.largeur(), h = limites.hauteur();
    const int x = (client.largeur() - w) / 2;
    const int y = (client.hauteur() - h) / 2;
    setLimites(MakeRect(x, y, x + w, y + h));
}

Coord CFenetre::deplace(Coord d)
{
    if (!parent)
        return MakeCoord(0, 0);
    const Rect client = parent->zoneClient();
    const Coord hg = limites.hautGauche, bd = limites.basDroite;
    // Le bord gauche est borné en dernier : une fenêtre trop large finit collée à gauche.
    int dx = std::min(int(d.x), int(coupe16(client.largeur() - bd.x)));
    dx = std::max(dx, -int(hg.x));
    int dy = std::min(int(d.y), int(coupe16(client.hauteur() - bd.y)));
    dy = std::max(dy, -int(hg.y));
    setLimites(MakeRect(hg.x + dx, hg.y + dy, bd.x + dx, bd.y + dy));
    return MakeCoord(dx, dy);
}

void CFenetre::debutDeplacement(CObjetGDI* /*emetteur*/)
{
    if (boutonCapture != 0 || objetSousSouris() || !zoneDeplacement.contient(souris) ||
        estPleinEcran())
        return;
    ancre = souris;
    enDeplacement = true;
}

void CFenetre::finDeplacement(CObjetGDI* /*emetteur*/)
{
    enDeplacement = false;
}

void CFenetre::suitDeplacement(CObjetGDI* /*emetteur*/)
{
    if (enDeplacement)
        deplace(souris - ancre);
}

CFenetre* CFenetre::fenetreDevant()
{
    return enfants.tete ? dynamic_cast<CFenetre*>(enfants.tete->element) : nullptr;
}
