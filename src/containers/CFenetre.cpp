// Fenêtre : limites ajustées au cadre, plein écran, centrage, déplacement par glissement et
// focus du clavier.
#include "containers/CFenetre.h"

#include "widgets/CBouton.h"
#include "widgets/Clavier.h"
#include "widgets/DemandeImage.h"

#include <algorithm>
#include <vector>

namespace
{
const int TOUCHE_TAB = 9;
const int TOUCHE_ENTREE = 13;
const int TOUCHE_ECHAP = 27;

// Vrai quand objet est cherche ou se trouve dedans.
bool estDans(const CObjetGDI* objet, const CObjetGDI* cherche)
{
    for (; objet; objet = objet->parent)
        if (objet == cherche)
            return true;
    return false;
}

bool prendFocus(CObjetGDI* objet)
{
    return objet->visible && !objet->evenementsCoupes && objet->accepteFocus();
}

// Les objets du conteneur dans l'ordre d'ajout, en entrant dans les conteneurs qui ne sont pas
// des fenêtres (une fenêtre a son propre focus et ses propres groupes).
void range(CContainer* conteneur, bool visibles, std::vector<CObjetGDI*>& ordre)
{
    std::vector<CObjetGDI*> enfants;
    for (Noeud<CObjetGDI*>* n = conteneur->enfants.tete; n; n = n->suivant)
        if (!dynamic_cast<CFenetre*>(n->element) && (n->element->visible || !visibles))
            enfants.push_back(n->element);
    std::sort(enfants.begin(), enfants.end(),
              [](CObjetGDI* a, CObjetGDI* b) { return a->numeroAjout < b->numeroAjout; });
    for (CObjetGDI* e : enfants) {
        ordre.push_back(e);
        if (CContainer* c = dynamic_cast<CContainer*>(e))
            range(c, visibles, ordre);
    }
}

std::vector<CObjetGDI*> focusables(CContainer* fenetre)
{
    std::vector<CObjetGDI*> ordre;
    range(fenetre, true, ordre);
    ordre.erase(
        std::remove_if(ordre.begin(), ordre.end(), [](CObjetGDI* o) { return !prendFocus(o); }),
        ordre.end());
    return ordre;
}
} // namespace

bool CFenetre::toucheUtilisee = false;

CFenetre::CFenetre(int skin) : CContainer(skin)
{
    enDeplacement = false;
    CFenetre::setLimites(PLEIN_ECRAN);
    zoneDeplacement = PLEIN_ECRAN;
    ajouteGestionnaire(evenements[EVT_APPUI_GAUCHE], this, &CFenetre::debutDeplacement);
    ajouteGestionnaire(evenements[EVT_CLIC_GAUCHE], this, &CFenetre::finDeplacement);
    ajouteGestionnaire(evenements[EVT_SURVOL_APPUYE], this, &CFenetre::suitDeplacement);
    ajouteGestionnaire(evenements[EVT_APPUYE_DEHORS], this, &CFenetre::suitDeplacement);
    // Un relâchement hors de la fenêtre (glissement arrêté au bord) finit aussi le
    // déplacement : sinon le prochain appui sur un enfant la ferait suivre la souris.
    ajouteGestionnaire(evenements[EVT_RELACHE_GAUCHE_DEHORS], this, &CFenetre::finDeplacement);
}

CFenetre::~CFenetre()
{
    // Les enfants détruits ensuite ne peuvent plus passer par oublie : rien ne reste.
    objetFocus = nullptr;
    boutonParDefaut = boutonAnnuler = nullptr;
}

void CFenetre::setLimites(Rect r)
{
    const int rx1 = r.hautGauche.x, ry1 = r.hautGauche.y;
    const int largeurCadre =
        (skin.decoupeX[1] - skin.decoupeX[0]) + (skin.decoupeX[3] - skin.decoupeX[2]);
    const int hauteurCadre =
        (skin.decoupeY[1] - skin.decoupeY[0]) + (skin.decoupeY[3] - skin.decoupeY[2]);
    // Borné à 32767 : un bord qui passerait en négatif donnerait une fenêtre retournée.
    const int rx2 = std::min(std::max(int(r.basDroite.x), rx1 + largeurCadre), 32767);
    const int ry2 = std::min(std::max(int(r.basDroite.y), ry1 + hauteurCadre), 32767);

    if (rx1 == 0 && ry1 == 0 && rx2 == LARGEUR_ECRAN && ry2 == HAUTEUR_ECRAN) {
        // L'ombre et ce qui dépasse du cadre tombent hors de l'écran.
        rangeLimites(MakeRect(-skin.debordGauche, -skin.debordHaut,
                              LARGEUR_ECRAN + skin.debordDroite, HAUTEUR_ECRAN + skin.debordBas));
        return;
    }
    rangeLimites(MakeRect(rx1, ry1, rx2, ry2));
}

bool CFenetre::estPleinEcran()
{
    return limites.hautGauche.x <= 0 && limites.hautGauche.y <= 0 &&
           limites.basDroite.x >= LARGEUR_ECRAN && limites.basDroite.y >= HAUTEUR_ECRAN;
}

void CFenetre::centre()
{
    // Centrer une fenêtre plein écran la décalerait de la moitié de ses débords : son cadre
    // serait coupé et son ombre visible.
    if (!parent || estPleinEcran())
        return;
    const Rect client = parent->zoneClient();
    const int w = limites.largeur(), h = limites.hauteur();
    const int x = (client.largeur() - w) / 2;
    const int y = (client.hauteur() - h) / 2;
    setLimites(MakeRect(x, y, x + w, y + h));
}

Coord CFenetre::deplace(Coord d)
{
    if (!parent)
        return MakeCoord(0, 0);
    const Rect client = parent->zoneClient();
    const Coord hg = limites.hautGauche, bd = limites.basDroite;
    // Le bord gauche est borné en dernier : une fenêtre trop large finit collée à gauche.
    int dx = std::min(int(d.x), int(coupe16(client.largeur() - bd.x)));
    dx = std::max(dx, -int(hg.x));
    int dy = std::min(int(d.y), int(coupe16(client.hauteur() - bd.y)));
    dy = std::max(dy, -int(hg.y));
    setLimites(MakeRect(hg.x + dx, hg.y + dy, bd.x + dx, bd.y + dy));
    return MakeCoord(dx, dy);
}

void CFenetre::debutDeplacement(CObjetGDI* /*emetteur*/)
{
    if (boutonCapture != 0 || objetSousSouris() || !zoneDeplacement.contient(souris) ||
        estPleinEcran())
        return;
    ancre = souris;
    enDeplacement = true;
}

void CFenetre::finDeplacement(CObjetGDI* /*emetteur*/)
{
    enDeplacement = false;
}

void CFenetre::suitDeplacement(CObjetGDI* /*emetteur*/)
{
    if (enDeplacement)
        deplace(souris - ancre);
}

CFenetre* CFenetre::fenetreDevant()
{
    return enfants.tete ? dynamic_cast<CFenetre*>(enfants.tete->element) : nullptr;
}

CFenetre* CFenetre::fenetreDe(const CObjetGDI* objet)
{
    for (CContainer* c = objet ? objet->parent : nullptr; c; c = c->parent)
        if (CFenetre* f = dynamic_cast<CFenetre*>(c))
            return f;
    return nullptr;
}

std::vector<CObjetGDI*> CFenetre::objetsDansLOrdre()
{
    std::vector<CObjetGDI*> ordre;
    range(this, false, ordre);
    return ordre;
}

CObjetGDI* CFenetre::focus() const
{
    return objetFocus;
}

void CFenetre::donneFocus(CObjetGDI* objet)
{
    if (objet && (!prendFocus(objet) || fenetreDe(objet) != this))
        objet = nullptr;
    if (objet == objetFocus)
        return;
    CObjetGDI* ancien = objetFocus;
    objetFocus = objet;
    demandeImage();
    // Les deux sont prévenus après le changement : chacun lit déjà le focus nouveau.
    if (ancien)
        ancien->changeFocus(false);
    if (objet && objetFocus == objet)
        objet->changeFocus(true);
}

bool CFenetre::focusSuivant(bool enArriere)
{
    const std::vector<CObjetGDI*> ordre = focusables(this);
    if (ordre.empty())
        return false;
    const int n = int(ordre.size());
    const auto ici = std::find(ordre.begin(), ordre.end(), objetFocus);
    int i = ici == ordre.end() ? (enArriere ? 0 : -1) : int(ici - ordre.begin());
    i = (i + (enArriere ? n - 1 : 1)) % n;
    donneFocus(ordre[i]);
    return true;
}

bool CFenetre::utiliseClavier()
{
    if (boutonParDefaut || boutonAnnuler || objetFocus)
        return true;
    return !focusables(this).empty();
}

void CFenetre::oublie(CObjetGDI* objet)
{
    if (estDans(boutonParDefaut, objet))
        boutonParDefaut = nullptr;
    if (estDans(boutonAnnuler, objet))
        boutonAnnuler = nullptr;
    if (estDans(objetFocus, objet)) {
        CObjetGDI* ancien = objetFocus;
        objetFocus = nullptr;
        demandeImage();
        ancien->changeFocus(false);
    }
}

bool CFenetre::actionne(CBouton* bouton)
{
    if (!bouton || bouton->evenementsCoupes)
        return false;
    bouton->actionne();
    return true;
}

// Après tout appel qui déclenche des gestionnaires, la fenêtre a pu être détruite : on ne la
// touche plus, sauf si son témoin vit encore.
void CFenetre::toucheClavier(int touche)
{
    // Une fenêtre modale devant est seule à recevoir la souris : les touches aussi.
    if (CFenetre* devant = fenetreDevant(); devant && devant->modal) {
        devant->toucheClavier(touche);
        return;
    }
    const int modificateurs = modificateursClavier();
    const std::weak_ptr<char> vie = temoinVie;
    if (objetFocus && objetFocus->toucheFocus(touche, modificateurs)) {
        toucheUtilisee = true;
        return;
    }
    if (vie.expired())
        return;
    bool utilisee = false;
    if (touche == TOUCHE_TAB && !(modificateurs & (MODIFICATEUR_CTRL | MODIFICATEUR_ALT)))
        utilisee = focusSuivant(modificateurs & MODIFICATEUR_MAJ);
    else if (touche == TOUCHE_ENTREE)
        utilisee = actionne(boutonParDefaut);
    else if (touche == TOUCHE_ECHAP)
        utilisee = actionne(boutonAnnuler);
    if (utilisee)
        toucheUtilisee = true;
}

void CFenetre::toucheSpeciale(int touche)
{
    if (CFenetre* devant = fenetreDevant(); devant && devant->modal) {
        devant->toucheSpeciale(touche);
        return;
    }
    if (objetFocus && objetFocus->toucheSpecialeFocus(touche, modificateursClavier()))
        toucheUtilisee = true;
}
