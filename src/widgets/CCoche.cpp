// Case à cocher : copie de l'habillage, bascule au clic, aspects et dessin de la case et de la
// coche.
#include "widgets/CCoche.h"

#include "render/Primitives.h"
#include "render/Texture.h"

namespace
{
// Une ligne inconnue donne une case sans texture ni taille, qui ne lit rien hors de la table.
const SkinCoche SKIN_INCONNU = {-1, {0, 0}, {-1, -1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}};

const SkinCoche& ligne(int indice)
{
    if (indice < 0 || indice >= NOMBRE_SKINS_COCHE)
        return SKIN_INCONNU;
    return skinsCoche[indice];
}
} // namespace

CCoche::CCoche(Coord position, bool etatCoche, int indiceSkin) : skin(ligne(indiceSkin))
{
    // La table range le dernier texel ; la copie garde le coin exclusif.
    skin.imageBasDroite = skin.imageBasDroite + MakeCoord(1, 1);
    cochee = etatCoche;
    setLimites(Rect{position, position + (skin.imageBasDroite - skin.imageHautGauche)});
    appuye = false;
    survole = false;
    ajouteGestionnaire(evenements[EVT_APPUI_GAUCHE], this, &CCoche::appuie);
    ajouteGestionnaire(evenements[EVT_CLIC_GAUCHE], this, &CCoche::clic);
    ajouteGestionnaire(evenements[EVT_SURVOL], this, &CCoche::survol);
    ajouteGestionnaire(evenements[EVT_SURVOL_APPUYE], this, &CCoche::appuie);
    ajouteGestionnaire(evenements[EVT_APPUYE_DEHORS], this, &CCoche::relache);
    ajouteGestionnaire(evenements[EVT_MISE_A_JOUR], this, &CCoche::finSurvol);
    ajouteGestionnaire(evenements[EVT_DESSIN], this, &CCoche::dessine);
}

void CCoche::setLimites(Rect r)
{
    limites = Rect{r.hautGauche, r.hautGauche + (skin.imageBasDroite - skin.imageHautGauche)};
}

void CCoche::appuie(CObjetGDI* /*emetteur*/)
{
    appuye = true;
}

void CCoche::clic(CObjetGDI* /*emetteur*/)
{
    cochee = !cochee;
    appuye = false;
}

void CCoche::survol(CObjetGDI* /*emetteur*/)
{
    survole = true;
}

void CCoche::relache(CObjetGDI* /*emetteur*/)
{
    appuye = false;
}

void CCoche::finSurvol(CObjetGDI* /*emetteur*/)
{
    survole = false;
}

void CCoche::dessine(CObjetGDI* /*emetteur*/)
{
    // Sans texture du jeu, rien à copier.
    if (skin.texture < 0 || skin.texture >= NOMBRE_TEXTURES)
        return;
    // La case se dessine à l'origine courante, celle de la zone client du parent.
    const Coord d = appuye ? skin.decalageAppui : survole ? skin.decalageSurvol : Coord{0, 0};
    dessineImage(skin.texture, limites.hautGauche, skin.imageHautGauche + d,
                 skin.imageBasDroite + d);
    if (cochee)
        dessineImage(skin.texture, limites.hautGauche + (appuye ? skin.enfoncement : Coord{0, 0}),
                     skin.imageHautGauche + skin.decalageCoche,
                     skin.imageBasDroite + skin.decalageCoche);
}
