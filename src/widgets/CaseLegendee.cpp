// Case légendée : la légende à droite de la case, centrée sur sa hauteur ; limites et dessin.
#include "widgets/CaseLegendee.h"

#include "render/Primitives.h"
#include "render/Texture.h"
#include "text/StyleLocal.h"
#include "text/StyleTexte.h"
#include "text/Texte.h"
#include "widgets/CadreFocus.h"

#include <algorithm>

namespace
{
// Écart entre la case et sa légende, et du cadre du focus autour de ce qu'il entoure.
const int ECART_LEGENDE = 6;
const int ECART_FOCUS = 2;

Coord tailleDe(const Rect& r)
{
    return MakeCoord(r.largeur(), r.hauteur());
}
} // namespace

CaseLegendee::CaseLegendee(const SkinCoche& skin, const char* legende)
    : legende(legende), skin(skin)
{
}

SkinCoche CaseLegendee::copieSkin(int indiceSkin)
{
    SkinCoche copie = skinCoche(indiceSkin);
    // La table range le dernier texel ; la copie garde le coin exclusif.
    copie.imageBasDroite = copie.imageBasDroite + MakeCoord(1, 1);
    return copie;
}

Coord CaseLegendee::tailleCase() const
{
    return skin.imageBasDroite - skin.imageHautGauche;
}

Coord CaseLegendee::positionLegende(Coord hautGauche, Coord tailleLegende) const
{
    const Coord c = tailleCase();
    return hautGauche + MakeCoord(c.x + ECART_LEGENDE, (c.y - tailleLegende.y) / 2);
}

Rect CaseLegendee::limites(Coord hautGauche) const
{
    const Coord c = tailleCase();
    if (!legende || !*legende)
        return Rect{hautGauche, hautGauche + c};
    const Coord t = tailleDe(mesureTexte({0, 0}, legende));
    const Coord p = positionLegende(hautGauche, t);
    return Rect{hautGauche, MakeCoord(std::max(hautGauche.x + c.x, p.x + t.x),
                                      std::max(hautGauche.y + c.y, p.y + t.y))};
}

void CaseLegendee::dessine(Coord hautGauche, Coord decalage, bool marque, bool enfonce,
                           bool focus) const
{
    const Couleur couleur = styleCourant().couleur;
    if (textureDuJeu(skin.texture)) {
        dessineImage(skin.texture, hautGauche, skin.imageHautGauche + decalage,
                     skin.imageBasDroite + decalage);
        if (marque)
            dessineImage(skin.texture, hautGauche + (enfonce ? skin.enfoncement : Coord{0, 0}),
                         skin.imageHautGauche + skin.decalageCoche,
                         skin.imageBasDroite + skin.decalageCoche);
    }
    const Coord e = MakeCoord(ECART_FOCUS, ECART_FOCUS);
    if (!legende || !*legende) {
        if (focus)
            dessineCadreFocus(hautGauche, hautGauche + tailleCase(), couleur);
        return;
    }
    const Coord t = tailleDe(mesureTexte({0, 0}, legende));
    const Coord p = positionLegende(hautGauche, t);
    {
        // Une légende est un texte conservé : ses '%' se dessinent tels quels ; ses balises
        // ne changent pas la couleur de ce qui suit.
        const StyleLocal style;
        afficheTexteLitteral(p, p + t + MakeCoord(4, 1), legende);
    }
    if (focus)
        dessineCadreFocus(p - e, p + t + e, couleur);
}
