// Objet de base : destruction, test de la souris, demande de fermeture.
#include "widgets/CObjetGDI.h"

#include "containers/CFenetre.h"
#include "widgets/DemandeImage.h"

CObjetGDI::~CObjetGDI()
{
    if (parent) {
        parent->retireObjetGDI(this);
        // Un objet détruit pendant un appui ne doit pas rester la capture de son parent.
        if (parent->capture == this)
            parent->capture = nullptr;
    }
    for (int i = NOMBRE_EVENEMENTS - 1; i >= 0; --i)
        evenements[i].vide();
}

void CObjetGDI::setLimites(Rect r)
{
    rangeLimites(r);
}

void CObjetGDI::rangeLimites(Rect r)
{
    if (limites == r)
        return;
    limites = r;
    demandeImage();
}

bool CObjetGDI::contientSouris()
{
    const int16_t l = limites.largeur();
    const int16_t h = limites.hauteur();
    return 0 <= souris.x && souris.x < l && 0 <= souris.y && souris.y < h;
}

void CObjetGDI::demandeFermeture(CObjetGDI* /*emetteur*/)
{
    aDetruire = true;
    // Le tour suivant détruit l'objet et dessine sans lui.
    demandeImage();
}

void CObjetGDI::desactiveEvenements()
{
    for (int i = EVT_APPUI_GAUCHE; i <= EVT_MISE_A_JOUR; ++i)
        evenements[i].vide();
    evenementsCoupes = true;
    if (aLeFocus())
        CFenetre::fenetreDe(this)->donneFocus(nullptr);
}

bool CObjetGDI::accepteFocus()
{
    return false;
}

bool CObjetGDI::toucheFocus(int /*touche*/, int /*modificateurs*/)
{
    return false;
}

bool CObjetGDI::toucheSpecialeFocus(int /*touche*/, int /*modificateurs*/)
{
    return false;
}

void CObjetGDI::changeFocus(bool /*aLeFocus*/)
{
}

bool CObjetGDI::aLeFocus() const
{
    const CFenetre* fenetre = CFenetre::fenetreDe(this);
    return fenetre && fenetre->focus() == this;
}
