// CSelectionObjetGDI : icônes du menu de sélection, leur fond et le choix du mode.
#include "editor/CSelectionObjetGDI.h"

#include "editor/CFenetrePrincipale.h"
#include "editor/EtatEditeur.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "widgets/CBouton.h"

#include <algorithm>

const Rect CSelectionObjetGDI::LIMITES = {{400, 320}, {665, 377}};
const std::vector<int> CSelectionObjetGDI::MODES_SECOND_MENU = {TYPE_SELECTION, TYPE_SAISIE,
                                                                TYPE_COCHE_LEGENDEE, TYPE_RADIO};

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

namespace
{
std::vector<int> sixModes()
{
    std::vector<int> m;
    for (int i = 0; i < NOMBRE_TYPES_OBJETS; ++i)
        m.push_back(i);
    return m;
}
} // namespace

CSelectionObjetGDI::CSelectionObjetGDI() : CSelectionObjetGDI(sixModes())
{
    for (int i = 0; i < NOMBRE_TYPES_OBJETS; ++i)
        boutonsSelection[i] = icones[size_t(i)];
}

CSelectionObjetGDI::CSelectionObjetGDI(const std::vector<int>& m) : CContainer(SKIN_MENU), modes(m)
{
    modal = true;
    // Six icônes remplissent LIMITES ; chaque icône de moins la raccourcit d'un pas.
    limites = LIMITES;
    limites.basDroite.x -= PAS_ICONES * (NOMBRE_TYPES_OBJETS - int(modes.size()));
    for (size_t i = 0; i < modes.size(); ++i) {
        const Coord zero = {0, 0};
        const int y = COTE_ICONE * modes[i];
        CBouton* icone = new CBouton(
            PREMIERE_ICONE + MakeCoord(PAS_ICONES * int(i), 0), TEXTURE_OBJETGDIS, MakeCoord(0, y),
            MakeCoord(COTE_ICONE - 1, y + COTE_ICONE - 1), zero, zero, ENFONCEMENT_ICONE);
        icones.push_back(icone);
        // En tête de liste : le fond passe sous l'icône.
        icone->evenements[EVT_DESSIN].insereEnTete(new Gestionnaire{
            this, static_cast<MethodeGestionnaire>(&CSelectionObjetGDI::dessineFondIcone)});
        ajouteGestionnaire(icone->evenements[EVT_CLIC_GAUCHE], this,
                           &CSelectionObjetGDI::choisitType);
        ajouteObjetGDI(icone);
    }
}

Rect CSelectionObjetGDI::placeDans(Rect client) const
{
    auto recul = [](int debut, int fin, int debutClient, int finClient) {
        return std::min(std::max(0, fin - finClient), std::max(0, debut - debutClient));
    };
    const int dx =
        recul(limites.hautGauche.x, limites.basDroite.x, client.hautGauche.x, client.basDroite.x);
    const int dy =
        recul(limites.hautGauche.y, limites.basDroite.y, client.hautGauche.y, client.basDroite.y);
    return limites - MakeCoord(dx, dy);
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

    bool modeCourant = false;
    for (size_t i = 0; i < icones.size(); ++i)
        modeCourant |=
            icone == icones[i] && fenetrePrincipale && fenetrePrincipale->typeAAjouter == modes[i];
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
    for (size_t k = 0; k < icones.size(); ++k) {
        if (emetteur == icones[k] && fenetrePrincipale)
            fenetrePrincipale->typeAAjouter = modes[k];
    }
    aDetruire = true;
}
