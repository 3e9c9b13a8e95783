// CSelectionObjetGDI : icônes du menu de sélection, leur fond et le choix du mode.
#include "editor/CSelectionObjetGDI.h"

#include "editor/CFenetrePrincipale.h"
#include "editor/EtatEditeur.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "widgets/CBouton.h"

#include <algorithm>

const Rect CSelectionObjetGDI::LIMITES = {{400, 320}, {665, 377}};

namespace
{
// Ligne de skinsContainer du cadre du menu.
const int SKIN_MENU = 0;
// Pas entre deux icônes, et coin de la première, en coordonnées client du menu.
const int PAS_ICONES = 42;
const Coord PREMIERE_ICONE = {3, 5};
// Côté d'une cellule d'icône dans la texture des objets.
const int COTE_ICONE = 32;
const Coord ENFONCEMENT_ICONE = {2, 3};
// Le carré de fond suit l'icône enfoncée.
const Coord DECALAGE_FOND_APPUYE = {3, 2};

const Couleur FOND_SURVOLE = {150, 50, 50, 255};
const Couleur BORD_SURVOLE = {255, 180, 180, 255};
const Couleur FOND_MODE_COURANT = {120, 120, 120, 255};
const Couleur FOND_NORMAL = {50, 50, 50, 255};
const Couleur BORD_NORMAL = {200, 200, 200, 255};
} // namespace

CSelectionObjetGDI::CSelectionObjetGDI() : CContainer(SKIN_MENU)
{
    modal = true;
    limites = LIMITES;
    for (int i = 0; i < NOMBRE_TYPES_OBJETS; ++i) {
        const Coord zero = {0, 0};
        CBouton* icone = new CBouton(PREMIERE_ICONE + MakeCoord(PAS_ICONES * i, 0),
                                     TEXTURE_OBJETGDIS, MakeCoord(0, COTE_ICONE * i),
                                     MakeCoord(COTE_ICONE - 1, COTE_ICONE * i + COTE_ICONE - 1),
                                     zero, zero, ENFONCEMENT_ICONE);
        boutonsSelection[i] = icone;
        // En tête de liste : le fond passe sous l'icône.
        icone->evenements[EVT_DESSIN].insereEnTete(new Gestionnaire{
            this, static_cast<MethodeGestionnaire>(&CSelectionObjetGDI::dessineFondIcone)});
        ajouteGestionnaire(icone->evenements[EVT_CLIC_GAUCHE], this,
                           &CSelectionObjetGDI::choisitType);
        ajouteObjetGDI(icone);
    }
}

Rect CSelectionObjetGDI::placeDans(Rect client)
{
    auto recul = [](int debut, int fin, int debutClient, int finClient) {
        return std::min(std::max(0, fin - finClient), std::max(0, debut - debutClient));
    };
    const int dx =
        recul(LIMITES.hautGauche.x, LIMITES.basDroite.x, client.hautGauche.x, client.basDroite.x);
    const int dy =
        recul(LIMITES.hautGauche.y, LIMITES.basDroite.y, client.hautGauche.y, client.basDroite.y);
    return LIMITES - MakeCoord(dx, dy);
}

void CSelectionObjetGDI::toucheClavier(int touche)
{
    const int code = touche & 0xFF;
    if (code == TOUCHE_ENTREE || code == TOUCHE_ECHAP || code == TOUCHE_ESPACE)
        aDetruire = true;
}

void CSelectionObjetGDI::dessineFondIcone(CObjetGDI* emetteur)
{
    CBouton* icone = static_cast<CBouton*>(emetteur);
    const Coord o = icone->appuye ? DECALAGE_FOND_APPUYE : Coord{0, 0};
    const Coord t = icone->limites.hautGauche + o;
    const Coord u = icone->limites.basDroite + o;

    const bool modeCourant = fenetrePrincipale && fenetrePrincipale->typeAAjouter >= 0 &&
                             fenetrePrincipale->typeAAjouter < NOMBRE_TYPES_OBJETS &&
                             icone == boutonsSelection[fenetrePrincipale->typeAAjouter];
    Couleur fond = FOND_NORMAL;
    Couleur bord = BORD_NORMAL;
    if (icone->survole) {
        fond = FOND_SURVOLE;
        bord = BORD_SURVOLE;
    } else if (modeCourant) {
        fond = FOND_MODE_COURANT;
    }

    remplitRectangle(t, u + MakeCoord(1, 1), fond);
    // Les côtés haut et gauche, un pixel hors du carré.
    const Coord coin = t - MakeCoord(1, 1);
    dessineLigne(coin, MakeCoord(u.x, coin.y), bord, 1, 0xFFFF, 1);
    dessineLigne(coin, MakeCoord(coin.x, u.y), bord, 1, 0xFFFF, 1);
}

void CSelectionObjetGDI::choisitType(CObjetGDI* emetteur)
{
    for (int k = 0; k < NOMBRE_TYPES_OBJETS; ++k) {
        if (emetteur == boutonsSelection[k] && fenetrePrincipale)
            fenetrePrincipale->typeAAjouter = k;
    }
    aDetruire = true;
}
