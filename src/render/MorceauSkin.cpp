// Pose des morceaux d'habillage : étirement, ou répétition coupée au bord de la destination.
#include "render/MorceauSkin.h"

#include "render/DecoupageLocal.h"
#include "render/PilesDessin.h"
#include "render/Primitives.h"

#include <algorithm>

namespace
{
// Le pas d'une tuile dans un sens : sa taille si le morceau s'allonge dans ce sens, sinon 0.
int pasX(const MorceauSkin& m)
{
    return m.sens & EN_LARGEUR ? m.tuileBasDroite.x - m.tuileHautGauche.x : 0;
}
int pasY(const MorceauSkin& m)
{
    return m.sens & EN_HAUTEUR ? m.tuileBasDroite.y - m.tuileHautGauche.y : 0;
}

// Assez de tuiles pour couvrir l'étendue, aucune qui commence à son bord ; une seule dans un
// sens où le morceau ne s'allonge pas.
int nombreTuiles(int etendue, int pas)
{
    if (etendue <= 0)
        return 0;
    return pas > 0 ? (etendue + pas - 1) / pas : 1;
}

// Largeur et hauteur sur int : les coins d'une destination peuvent être à plus de 32767 l'un de
// l'autre.
int largeur(const Rect& r)
{
    return int(r.basDroite.x) - r.hautGauche.x;
}
int hauteur(const Rect& r)
{
    return int(r.basDroite.y) - r.hautGauche.y;
}

bool repetable(const MorceauSkin& m)
{
    return (!(m.sens & EN_LARGEUR) || pasX(m) > 0) && (!(m.sens & EN_HAUTEUR) || pasY(m) > 0);
}

void etire(int texture, const MorceauSkin& m)
{
    if (m.destination.estVide())
        return;
    const Coord retrait = MakeCoord(m.sens & EN_LARGEUR ? 1 : 0, m.sens & EN_HAUTEUR ? 1 : 0);
    dessineImageEtiree(texture, m.destination.hautGauche, m.destination.basDroite,
                       m.tuileHautGauche + retrait, m.tuileBasDroite - retrait);
}
} // namespace

void dessineMorceaux(int texture, const MorceauSkin* morceaux, int nombre, bool etireTout,
                     const Rect* cadre)
{
    const MorceauSkin* fin = morceaux + nombre;
    if (etireTout || !std::all_of(morceaux, fin, repetable)) {
        for (const MorceauSkin* m = morceaux; m != fin; ++m)
            etire(texture, *m);
        return;
    }
    int colonnes = 0, rangees = 0;
    for (const MorceauSkin* m = morceaux; m != fin; ++m) {
        colonnes = std::max(colonnes, nombreTuiles(largeur(m->destination), pasX(*m)));
        rangees = std::max(rangees, nombreTuiles(hauteur(m->destination), pasY(*m)));
    }
    const Rect tout = cadre ? *cadre : decoupageCourant() - origineCourante();
    const DecoupageLocal coupeAuCadre(tout.hautGauche, tout.basDroite);
    for (int j = 0; j < rangees; ++j)
        for (int i = 0; i < colonnes; ++i)
            for (const MorceauSkin* m = morceaux; m != fin; ++m) {
                const Rect& d = m->destination;
                if (i >= nombreTuiles(largeur(d), pasX(*m)) ||
                    j >= nombreTuiles(hauteur(d), pasY(*m)))
                    continue;
                // Compté en int : la dernière tuile d'une très large destination dépasserait
                // 32767 avant d'être coupée.
                const DecoupageLocal coupeALaDestination(d.hautGauche, d.basDroite);
                dessineImage(
                    texture,
                    MakeCoord(d.hautGauche.x + i * pasX(*m), d.hautGauche.y + j * pasY(*m)),
                    m->tuileHautGauche, m->tuileBasDroite);
            }
}

void dessineBordsEtCentre(int texture, const Bandes& x, const Bandes& y, int W, int H, bool etire)
{
    const int gauche = x.taille(0), droite = W - x.taille(2);
    const int haut = y.taille(0), bas = H - y.taille(2);
    const MorceauSkin hautEtBas[2] = {
        {texelsDebut(x, y, 1, 0), texelsFin(x, y, 1, 0), MakeRect(gauche, 0, droite, haut),
         EN_LARGEUR},
        {texelsDebut(x, y, 1, 2), texelsFin(x, y, 1, 2), MakeRect(gauche, bas, droite, H),
         EN_LARGEUR},
    };
    const MorceauSkin cotes[2] = {
        {texelsDebut(x, y, 0, 1), texelsFin(x, y, 0, 1), MakeRect(0, haut, gauche, bas),
         EN_HAUTEUR},
        {texelsDebut(x, y, 2, 1), texelsFin(x, y, 2, 1), MakeRect(droite, haut, W, bas),
         EN_HAUTEUR},
    };
    const MorceauSkin centre = {texelsDebut(x, y, 1, 1), texelsFin(x, y, 1, 1),
                                MakeRect(gauche, haut, droite, bas), EN_LARGEUR_ET_HAUTEUR};
    const Rect cadre = MakeRect(0, 0, W, H);
    dessineMorceaux(texture, hautEtBas, 2, etire, &cadre);
    dessineMorceaux(texture, cotes, 2, etire, &cadre);
    dessineMorceaux(texture, &centre, 1, etire, &cadre);
}
