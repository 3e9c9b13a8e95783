// CProgression : réglage de la valeur à la souris et dessin du cadre et du remplissage.
#include "widgets/CProgression.h"

#include "containers/CContainer.h"
#include "render/PilesDessin.h"
#include "render/Primitives.h"

#include <algorithm>

namespace
{
// Un indice hors de la table lirait au-delà : la ligne par défaut le remplace.
int ligneValide(int skin)
{
    return skin >= 0 && skin < NOMBRE_SKINS_PROGRESSION ? skin : PROGRESSION_SKIN_DEFAUT;
}

// Copie à taille naturelle, sautée quand le rectangle de texels est vide (remplissage nul).
void copie(int texture, Coord position, Coord s1, Coord s2)
{
    if (s2.x > s1.x && s2.y > s1.y)
        dessineImage(texture, position, s1, s2);
}
} // namespace

CProgression::CProgression(Coord position, int longueur, bool modifiable, int minimum, int valeur,
                           int maximum, int skin)
    : skin(skinsProgression[ligneValide(skin)]), minimum(minimum), valeur(valeur), maximum(maximum),
      modifiable(modifiable)
{
    setLimites(Rect{position, MakeCoord(position.x + longueur, position.y)});
    ajouteGestionnaire(evenements[EVT_APPUI_GAUCHE], this, &CProgression::regleValeur);
    ajouteGestionnaire(evenements[EVT_SURVOL_APPUYE], this, &CProgression::regleValeur);
    ajouteGestionnaire(evenements[EVT_APPUYE_DEHORS], this, &CProgression::regleValeur);
    ajouteGestionnaire(evenements[EVT_DESSIN], this, &CProgression::dessine);
}

CProgression::~CProgression()
{
    changementValeur.vide();
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
    limites = Rect{r.hautGauche, MakeCoord(r.hautGauche.x + largeur, r.hautGauche.y + hauteur)};
}

void CProgression::regleValeur(CObjetGDI* /*emetteur*/)
{
    if (!modifiable)
        return;
    // Un appui tenu par le bouton droit ne fait pas glisser la valeur : seul le gauche règle.
    if (parent && parent->boutonCapture != 0)
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
    const SkinProgression& k = skin;
    const int t = k.texture;
    const int L = k.finGauche, R = k.debutDroite, P = k.decalageRemplissage;
    const Coord K1 = k.cadreHautGauche, K2 = k.cadreBasDroite;
    const Coord Q1 = k.remplissageHautGauche, Q2 = k.remplissageBasDroite;
    const int W = limites.largeur();
    const int gL = largeurGauche();
    const int xD = W - largeurDroite();
    const int xF = debutRemplissage();
    const int hC = K2.y - K1.y + 1;
    const int hR = Q2.y - Q1.y + 1;
    const int F = longueurRemplie();
    const int xE = xF + F;

    empileOrigine(limites.hautGauche);
    // Bouts fixes du cadre, puis du remplissage.
    dessineImage(t, MakeCoord(0, 0), MakeCoord(K1.x, K1.y), MakeCoord(L, K2.y + 1));
    dessineImage(t, MakeCoord(xD, 0), MakeCoord(R + 1, K1.y), MakeCoord(K2.x + 1, K2.y + 1));
    copie(t, MakeCoord(xF, P), MakeCoord(Q1.x, Q1.y), MakeCoord(std::min(Q1.x + F, L), Q2.y + 1));
    if (xE >= xD)
        copie(t, MakeCoord(xD, P), MakeCoord(R + 1, Q1.y), MakeCoord(R + 1 + (xE - xD), Q2.y + 1));

    // Une tuile de largeur nulle ou négative ne se répète pas : le milieu est alors étiré.
    const int T = R - L - 1;
    if (k.etire || T <= 0) {
        dessineImageEtiree(t, MakeCoord(gL, 0), MakeCoord(xD, hC), MakeCoord(L + 2, K1.y),
                           MakeCoord(R - 1, K2.y + 1));
        if (xE >= gL)
            dessineImageEtiree(t, MakeCoord(gL, P), MakeCoord(std::min(xE, xD), P + hR),
                               MakeCoord(L + 2, Q1.y), MakeCoord(R - 1, Q2.y + 1));
    } else {
        // Tuiles entières, coupées au bout du cadre puis au bout du remplissage.
        const int N = (xD - gL) / T + 1;
        empileDecoupage(MakeCoord(0, 0), MakeCoord(xD, hC));
        for (int i = 0; i < N; ++i)
            dessineImage(t, MakeCoord(gL + i * T, 0), MakeCoord(L + 1, K1.y),
                         MakeCoord(R, K2.y + 1));
        depileDecoupage();
        empileDecoupage(MakeCoord(0, 0), MakeCoord(std::min(xE, xD), hC));
        for (int i = 0; i < N; ++i)
            dessineImage(t, MakeCoord(gL + i * T, P), MakeCoord(L + 1, Q1.y),
                         MakeCoord(R, Q2.y + 1));
        depileDecoupage();
    }
    depileOrigine();
}
