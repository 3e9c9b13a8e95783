// Choix exclusif : le groupe parcouru dans sa fenêtre, choix au clic, par Espace et par les
// flèches, dessin du rond, du point et de la légende.
#include "widgets/CRadio.h"

#include "containers/CFenetre.h"
#include "render/PorteeDessin.h"

#include <algorithm>

namespace
{
const int TOUCHE_ESPACE = 32;
const int FLECHE_GAUCHE = 100;
const int FLECHE_HAUT = 101;
const int FLECHE_DROITE = 102;
const int FLECHE_BAS = 103;

// Les choix du groupe de radio dans sa fenêtre, dans l'ordre d'ajout ; lui seul sans fenêtre.
std::vector<CRadio*> groupeDe(CRadio* radio)
{
    std::vector<CRadio*> groupe;
    CFenetre* fenetre = CFenetre::fenetreDe(radio);
    if (!fenetre)
        return {radio};
    for (CObjetGDI* o : fenetre->objetsDansLOrdre())
        if (CRadio* r = dynamic_cast<CRadio*>(o); r && r->groupe == radio->groupe)
            groupe.push_back(r);
    return groupe;
}
} // namespace

CRadio::CRadio(Coord position, const char* texte, int numeroGroupe)
    : skin(CaseLegendee::copieSkin(COCHE_SKIN_RADIO)), groupe(numeroGroupe)
{
    caseLegendee.legende = texte;
    setLimites(Rect{position, position});
    AppuiSurvol::inscrit(this, &CRadio::clic);
}

CRadio::~CRadio()
{
    changementChoix.vide();
}

const char* CRadio::legende() const
{
    return caseLegendee.legende;
}

void CRadio::setChoisi(bool etat)
{
    if (etat)
        for (CRadio* autre : groupeDe(this))
            autre->choisi = false;
    choisi = etat;
}

void CRadio::choisitParLaPersonne()
{
    const bool deja = choisi;
    setChoisi(true);
    if (!deja)
        declenche(changementChoix, this);
}

void CRadio::setLimites(Rect r)
{
    rangeLimites(caseLegendee.limites(r.hautGauche));
}

bool CRadio::accepteFocus()
{
    return true;
}

bool CRadio::toucheFocus(int touche, int /*modificateurs*/)
{
    if (touche != TOUCHE_ESPACE)
        return false;
    declenche(evenements[EVT_CLIC_GAUCHE], this);
    return true;
}

bool CRadio::toucheSpecialeFocus(int touche, int /*modificateurs*/)
{
    const bool avant = touche == FLECHE_GAUCHE || touche == FLECHE_HAUT;
    if (!avant && touche != FLECHE_DROITE && touche != FLECHE_BAS)
        return false;
    // Seuls les choix qui réagissent entrent dans le tour.
    std::vector<CRadio*> groupe = groupeDe(this);
    groupe.erase(std::remove_if(groupe.begin(), groupe.end(),
                                [this](CRadio* r) {
                                    return r != this && (r->evenementsCoupes || !r->visible);
                                }),
                 groupe.end());
    const int n = int(groupe.size());
    if (n < 2)
        return false;
    const int i = int(std::find(groupe.begin(), groupe.end(), this) - groupe.begin());
    CRadio* suivant = groupe[(i + (avant ? n - 1 : 1)) % n];
    if (CFenetre* fenetre = CFenetre::fenetreDe(this))
        fenetre->donneFocus(suivant);
    // Ses gestionnaires peuvent tout détruire : rien ne suit.
    suivant->choisitParLaPersonne();
    return true;
}

void CRadio::appuie(CObjetGDI* /*emetteur*/)
{
    comportement.appuie();
}

void CRadio::clic(CObjetGDI* /*emetteur*/)
{
    comportement.relache();
    choisitParLaPersonne();
}

void CRadio::survol(CObjetGDI* /*emetteur*/)
{
    comportement.survol();
}

void CRadio::relache(CObjetGDI* /*emetteur*/)
{
    comportement.relache();
}

void CRadio::finSurvol(CObjetGDI* /*emetteur*/)
{
    comportement.finSurvol();
}

void CRadio::dessine(CObjetGDI* /*emetteur*/)
{
    const PorteeDessin portee;
    // La légende se mesure à la police chargée : les limites la suivent.
    rangeLimites(caseLegendee.limites(limites.hautGauche));
    const Coord d = comportement.aspect(Coord{0, 0}, skin.decalageSurvol, skin.decalageAppui);
    caseLegendee.dessine(limites.hautGauche, d, choisi, appuye, aLeFocus());
}
