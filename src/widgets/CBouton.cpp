// Bouton poussoir : construction, taille selon l'habillage, aspects et dessin des trois modes.
#include "widgets/CBouton.h"

#include "render/MorceauSkin.h"
#include "render/OrigineLocale.h"
#include "render/PilesDessin.h"
#include "render/PorteeDessin.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "text/StyleLocal.h"
#include "text/StyleTexte.h"
#include "text/Texte.h"
#include "widgets/CadreFocus.h"
#include "widgets/DemandeImage.h"

namespace
{
const Coord SANS_MARGE = {-1, -1};
const int TOUCHE_ENTREE = 13;
const int TOUCHE_ESPACE = 32;
// Écart du cadre du focus autour de la légende, ou en dedans d'un bouton sans légende.
const int ECART_FOCUS = 3;
// Une icône n'a pas de couleur de légende : son cadre du focus prend le gris des légendes.
const Couleur FOCUS_ICONE = {70, 70, 70, 255};
const Couleur AUCUNE = {0, 0, 0, 0};

// Le coin bas-droit de l'image d'une ligne, posée en position.
Rect rectangleImage(Coord position, const SkinBouton& s)
{
    return Rect{position,
                position + MakeCoord(s.decoupeX[3] - s.decoupeX[0], s.decoupeY[3] - s.decoupeY[0])};
}
} // namespace

CBouton::CBouton(Rect r, const char* texteLegende, int indiceSkin) : skin(skinBouton(indiceSkin))
{
    texte = texteLegende;
    construit(r);
}

CBouton::CBouton(Rect r, int indiceSkin) : CBouton(r, nullptr, indiceSkin)
{
}

CBouton::CBouton(Coord position, int indiceSkin) : skin(skinBouton(indiceSkin))
{
    construit(rectangleImage(position, skin));
}

CBouton::CBouton(Coord position, int texture, Coord sourceHautGauche, Coord sourceBasDroite,
                 Coord decalageSurvol, Coord decalageAppui, Coord enfoncement)
    : skin{texture,
           true,
           true,
           {sourceHautGauche.x, 0, 0, sourceBasDroite.x},
           {sourceHautGauche.y, 0, 0, sourceBasDroite.y},
           false,
           decalageSurvol,
           decalageAppui,
           enfoncement,
           AUCUNE,
           AUCUNE,
           AUCUNE,
           SANS_MARGE,
           SANS_MARGE}
{
    // Taille fixe : le coin bas-droit demandé ne compte pas.
    construit(Rect{position, {0, 0}});
}

void CBouton::setTexte(const char* legende)
{
    texte = legende;
    // Même pointeur, le texte a pu changer dedans : l'image est demandée tout de même.
    demandeImage();
}

void CBouton::construit(Rect demande)
{
    appuye = false;
    survole = false;
    setLimites(demande);
    AppuiSurvol::inscrit(this, &CBouton::relache);
}

void CBouton::setLimites(Rect r)
{
    const int largeurImage = skin.decoupeX[3] - skin.decoupeX[0];
    const int hauteurImage = skin.decoupeY[3] - skin.decoupeY[0];
    if (skin.tailleFixe) {
        rangeLimites(rectangleImage(r.hautGauche, skin));
    } else if (skin.largeurVariable) {
        // Jamais plus étroit que les deux bouts et un peu de milieu.
        int16_t w = r.largeur();
        const int16_t minimum = coupe16(largeurImage - 2);
        if (w < minimum)
            w = minimum;
        rangeLimites(Rect{r.hautGauche, r.hautGauche + MakeCoord(w, hauteurImage)});
    } else {
        rangeLimites(r);
    }
}

void CBouton::appuie(CObjetGDI* /*emetteur*/)
{
    comportement.appuie();
}

void CBouton::relache(CObjetGDI* /*emetteur*/)
{
    comportement.relache();
}

void CBouton::survol(CObjetGDI* /*emetteur*/)
{
    comportement.survol();
}

void CBouton::finSurvol(CObjetGDI* /*emetteur*/)
{
    comportement.finSurvol();
}

void CBouton::dessine(CObjetGDI* /*emetteur*/)
{
    const PorteeDessin portee;
    const Coord d = comportement.aspect(Coord{0, 0}, skin.decalageSurvol, skin.decalageAppui);
    const Bandes x = bandes(skin.decoupeX, d.x), y = bandes(skin.decoupeY, d.y);
    const int W = limites.largeur();
    const int H = limites.hauteur();

    const OrigineLocale origine(limites.hautGauche + (appuye ? skin.enfoncement : Coord{0, 0}));
    // Un habillage sans texture du jeu n'a pas d'image : seule sa légende se dessine.
    if (textureDuJeu(skin.texture)) {
        if (skin.tailleFixe)
            dessineImage(skin.texture, {0, 0}, texelsDebut(x, y, 0, 0), texelsFin(x, y, 2, 2));
        else if (skin.largeurVariable)
            dessineBarre(x, y, W);
        else
            dessineBordsEtCentre(skin.texture, x, y, W, H, skin.etire);
    }
    dessineLegende(W, H);
}

void CBouton::dessineBarre(const Bandes& x, const Bandes& y, int W)
{
    const int t = skin.texture;
    const int droite = W - x.taille(2); // début du bout droit
    // Les trois morceaux descendent de la première à la dernière ligne de l'image.
    const int haut = y.debut[0], bas = y.fin[2];
    dessineImage(t, {0, 0}, MakeCoord(x.debut[0], haut), MakeCoord(x.fin[0], bas));
    dessineImage(t, MakeCoord(droite, 0), MakeCoord(x.debut[2], haut), MakeCoord(x.fin[2], bas));
    // Le milieu descend jusqu'au bas de l'image, comme les bouts : à la hauteur de limites, ses
    // tuiles perdraient leur dernière ligne.
    dessineMorceau(t,
                   {MakeCoord(x.debut[1], haut), MakeCoord(x.fin[1], bas),
                    MakeRect(x.taille(0), 0, droite, bas - haut), EN_LARGEUR},
                   skin.etire);
}

void CBouton::actionne()
{
    declenche(evenements[EVT_CLIC_GAUCHE], this);
}

bool CBouton::accepteFocus()
{
    return true;
}

bool CBouton::toucheFocus(int touche, int /*modificateurs*/)
{
    if (touche != TOUCHE_ESPACE && touche != TOUCHE_ENTREE)
        return false;
    actionne();
    return true;
}

void CBouton::dessineLegende(int W, int H)
{
    const bool sansZone =
        skin.margeTexteHautGauche == SANS_MARGE && skin.margeTexteBasDroite == SANS_MARGE;
    const Couleur couleur =
        comportement.aspect(skin.couleurTexte, skin.couleurTexteSurvol, skin.couleurTexteAppui);
    if (aLeFocus()) {
        const Coord e = MakeCoord(ECART_FOCUS, ECART_FOCUS);
        if (sansZone)
            dessineCadreFocus(e, MakeCoord(W, H) - e, couleur.a ? couleur : FOCUS_ICONE);
        else
            dessineCadreFocus(
                skin.margeTexteHautGauche - e,
                MakeCoord(W - skin.margeTexteBasDroite.x, H - skin.margeTexteBasDroite.y) + e,
                couleur);
    }
    if (!texte || sansZone)
        return;
    const StyleLocal style;
    styleCourant().couleur = couleur;
    // Une légende est un texte conservé : ses '%' se dessinent tels quels.
    afficheTexteLitteral(skin.margeTexteHautGauche,
                         MakeCoord(W - skin.margeTexteBasDroite.x, H - skin.margeTexteBasDroite.y),
                         texte);
}
