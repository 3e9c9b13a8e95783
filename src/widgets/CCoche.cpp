// Case à cocher : copie de l'habillage, bascule au clic et par Espace, aspects et dessin de la
// case, de la coche et de la légende.
#include "widgets/CCoche.h"

#include "render/PorteeDessin.h"
#include "widgets/DemandeImage.h"

namespace
{
const int TOUCHE_ESPACE = 32;
}

CCoche::CCoche(Coord position, bool etatCoche, int indiceSkin)
    : CCoche(position, etatCoche, indiceSkin, nullptr)
{
}

CCoche::CCoche(Coord position, bool etatCoche, int indiceSkin, const char* texte)
    : skin(CaseLegendee::copieSkin(indiceSkin))
{
    caseLegendee.legende = texte;
    cochee = etatCoche;
    setLimites(Rect{position, position});
    appuye = false;
    survole = false;
    AppuiSurvol::inscrit(this, &CCoche::clic);
}

const char* CCoche::legende() const
{
    return caseLegendee.legende;
}

void CCoche::setCochee(bool etat)
{
    if (cochee != etat)
        demandeImage();
    cochee = etat;
}

void CCoche::setLimites(Rect r)
{
    rangeLimites(caseLegendee.limites(r.hautGauche));
}

bool CCoche::accepteFocus()
{
    return true;
}

bool CCoche::toucheFocus(int touche, int /*modificateurs*/)
{
    if (touche != TOUCHE_ESPACE)
        return false;
    declenche(evenements[EVT_CLIC_GAUCHE], this);
    return true;
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
    // La légende se mesure à la police chargée : les limites la suivent.
    limites = caseLegendee.limites(limites.hautGauche);
    // La case se dessine à l'origine courante, celle de la zone client du parent.
    const Coord d = comportement.aspect(Coord{0, 0}, skin.decalageSurvol, skin.decalageAppui);
    caseLegendee.dessine(limites.hautGauche, d, cochee, appuye, aLeFocus());
}
