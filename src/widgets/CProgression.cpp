// CProgression : réglage de la valeur à la souris et dessin du cadre et du remplissage.
#include "widgets/CProgression.h"

#include "render/MorceauSkin.h"
#include "render/OrigineLocale.h"
#include "render/PilesDessin.h"
#include "render/PorteeDessin.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "widgets/AppuiSurvol.h"
#include "widgets/DemandeImage.h"

#include <algorithm>

namespace
{
// Copie à taille naturelle, sautée quand le rectangle de texels est vide (remplissage nul).
void copie(int texture, Coord position, Coord s1, Coord s2)
{
    if (s2.x > s1.x && s2.y > s1.y)
        dessineImage(texture, position, s1, s2);
}
} // namespace

CProgression::CProgression(Coord position, int longueur, bool modifiable, int minimum, int valeur,
                           int maximum, int skin)
    : skin(skinProgression(skin)), minimum(minimum), valeur(valeur), maximum(maximum),
      modifiable(modifiable)
{
    setLimites(Rect{position, MakeCoord(position.x + longueur, position.y)});
    ajouteGestionnaire(evenements[EVT_APPUI_GAUCHE], this, &CProgression::regleValeur);
    ajouteGestionnaire(evenements[EVT_SURVOL_APPUYE], this, &CProgression::regleValeur);
    ajouteGestionnaire(evenements[EVT_APPUYE_DEHORS], this, &CProgression::regleValeur);
    ajouteGestionnairePropre(evenements[EVT_DESSIN], this, &CProgression::dessine);
}

CProgression::~CProgression()
{
    changementValeur.vide();
}

void CProgression::setValeur(int v)
{
    const int nouvelle = std::min(std::max(v, minimum), maximum);
    if (nouvelle != valeur)
        demandeImage();
    valeur = nouvelle;
}

int CProgression::largeurGauche() const
{
    return skin.finGauche - skin.cadreHautGauche.x;
}

int CProgression::largeurDroite() const
{
    return skin.cadreBasDroite.x - skin.debutDroite;
}

int CProgression::debutRemplissage() const
{
    return skin.remplissageHautGauche.x - skin.cadreHautGauche.x;
}

int CProgression::etendueRemplissage() const
{
    return limites.largeur() - (skin.cadreBasDroite.x - skin.cadreHautGauche.x) +
           (skin.remplissageBasDroite.x - skin.remplissageHautGauche.x);
}

int CProgression::longueurRemplie() const
{
    const int S = etendueRemplissage();
    // Bornes égales : pas de division par zéro, rien n'est rempli.
    if (maximum == minimum || S <= 0)
        return 0;
    const long long F =
        (long long)S * ((long long)valeur - minimum) / ((long long)maximum - minimum);
    // Une valeur posée hors de l'intervalle ne déborde pas de la barre.
    return int(std::clamp<long long>(F, 0, S));
}

void CProgression::setLimites(Rect r)
{
    const int largeur = std::max<int>(r.largeur(), largeurGauche() + largeurDroite());
    const int hauteur = skin.cadreBasDroite.y - skin.cadreHautGauche.y;
    rangeLimites(Rect{r.hautGauche, MakeCoord(r.hautGauche.x + largeur, r.hautGauche.y + hauteur)});
}

void CProgression::regleValeur(CObjetGDI* /*emetteur*/)
{
    if (!modifiable)
        return;
    // Un appui tenu par le bouton droit ne fait pas glisser la valeur : seul le gauche règle.
    if (!AppuiSurvol::appuiGauche(*this))
        return;
    const int S = etendueRemplissage();
    // Sur 64 bits : un grand intervalle ne déborde pas avant le bornage.
    long long v = minimum;
    if (S > 0)
        v = minimum +
            ((long long)souris.x - debutRemplissage()) * ((long long)maximum - minimum) / S;
    if (v < minimum)
        v = minimum;
    if (v > maximum)
        v = maximum;
    valeur = int32_t(v);
    declenche(changementValeur, this);
}

void CProgression::dessine(CObjetGDI* /*emetteur*/)
{
    const PorteeDessin portee;
    const SkinProgression& k = skin;
    const int t = k.texture;
    // Sans texture du jeu, rien à copier.
    if (!textureDuJeu(t))
        return;
    // Texels, convertis une fois de la table (derniers texels inclus) en coins exclusifs : le
    // cadre, le remplissage, la fin du bout gauche, le début du milieu et celui du bout droit.
    const Coord cadre1 = k.cadreHautGauche, cadre2 = k.cadreBasDroite + MakeCoord(1, 1);
    const Coord rempli1 = k.remplissageHautGauche;
    const Coord rempli2 = k.remplissageBasDroite + MakeCoord(1, 1);
    const int finBoutGauche = k.finGauche, debutMilieu = k.finGauche + 1;
    const int finMilieu = k.debutDroite, debutBoutDroit = k.debutDroite + 1;
    // Pixels, dans la barre : le bout droit, le début et la fin du remplissage.
    const int largeur = limites.largeur();
    const int xBoutDroit = largeur - largeurDroite();
    const int xRemplissage = debutRemplissage();
    const int rempli = longueurRemplie();
    const int xFinRemplissage = xRemplissage + rempli;
    const int y = k.decalageRemplissage;

    const OrigineLocale origine(limites.hautGauche);
    // Bouts fixes du cadre, puis du remplissage.
    dessineImage(t, MakeCoord(0, 0), cadre1, MakeCoord(finBoutGauche, cadre2.y));
    dessineImage(t, MakeCoord(xBoutDroit, 0), MakeCoord(debutBoutDroit, cadre1.y), cadre2);
    copie(t, MakeCoord(xRemplissage, y), rempli1,
          MakeCoord(std::min(rempli1.x + rempli, finBoutGauche), rempli2.y));
    if (xFinRemplissage >= xBoutDroit)
        copie(t, MakeCoord(xBoutDroit, y), MakeCoord(debutBoutDroit, rempli1.y),
              MakeCoord(debutBoutDroit + (xFinRemplissage - xBoutDroit), rempli2.y));

    // Le milieu du cadre, puis celui du remplissage, serré ou coupé au bout du remplissage.
    dessineMorceau(t,
                   {MakeCoord(debutMilieu, cadre1.y), MakeCoord(finMilieu, cadre2.y),
                    MakeRect(largeurGauche(), 0, xBoutDroit, cadre2.y - cadre1.y), EN_LARGEUR},
                   k.etire);
    dessineMorceau(t,
                   {MakeCoord(debutMilieu, rempli1.y), MakeCoord(finMilieu, rempli2.y),
                    MakeRect(largeurGauche(), y, std::min(xFinRemplissage, xBoutDroit),
                             y + rempli2.y - rempli1.y),
                    EN_LARGEUR},
                   k.etire);
}
