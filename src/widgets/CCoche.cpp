// Case à cocher : copie de l'habillage, bascule au clic, aspects et dessin de la case et de la
// coche.
#include "widgets/CCoche.h"

#include "render/PorteeDessin.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "widgets/DemandeImage.h"

CCoche::CCoche(Coord position, bool etatCoche, int indiceSkin) : skin(skinCoche(indiceSkin))
{
    // La table range le dernier texel ; la copie garde le coin exclusif.
    skin.imageBasDroite = skin.imageBasDroite + MakeCoord(1, 1);
    cochee = etatCoche;
    setLimites(Rect{position, position + (skin.imageBasDroite - skin.imageHautGauche)});
    appuye = false;
    survole = false;
    AppuiSurvol::inscrit(this, &CCoche::clic);
}

void CCoche::setCochee(bool etat)
{
    if (cochee != etat)
        demandeImage();
    cochee = etat;
}

void CCoche::setLimites(Rect r)
{
    rangeLimites(Rect{r.hautGauche, r.hautGauche + (skin.imageBasDroite - skin.imageHautGauche)});
}

void CCoche::appuie(CObjetGDI* /*emetteur*/)
{
    comportement.appuie();
}

void CCoche::clic(CObjetGDI* /*emetteur*/)
{
    cochee = !cochee;
    comportement.relache();
}

void CCoche::survol(CObjetGDI* /*emetteur*/)
{
    comportement.survol();
}

void CCoche::relache(CObjetGDI* /*emetteur*/)
{
    comportement.relache();
}

void CCoche::finSurvol(CObjetGDI* /*emetteur*/)
{
    comportement.finSurvol();
}

void CCoche::dessine(CObjetGDI* /*emetteur*/)
{
    const PorteeDessin portee;
    // Sans texture du jeu, rien à copier.
    if (!textureDuJeu(skin.texture))
        return;
    // La case se dessine à l'origine courante, celle de la zone client du parent.
    const Coord d = comportement.aspect(Coord{0, 0}, skin.decalageSurvol, skin.decalageAppui);
    dessineImage(skin.texture, limites.hautGauche, skin.imageHautGauche + d,
                 skin.imageBasDroite + d);
    if (cochee)
        dessineImage(skin.texture, limites.hautGauche + (appuye ? skin.enfoncement : Coord{0, 0}),
                     skin.imageHautGauche + skin.decalageCoche,
                     skin.imageBasDroite + skin.decalageCoche);
}
