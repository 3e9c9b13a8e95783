// Conteneur : propriété des enfants, ordre d'empilement, routage de la souris et dessin du cadre
// en neuf morceaux.
#include "containers/CContainer.h"

#include "containers/CFenetre.h"
#include "containers/DessinObjet.h"
#include "render/DecoupageLocal.h"
#include "render/MorceauSkin.h"
#include "render/OrigineLocale.h"
#include "render/PilesDessin.h"
#include "render/PorteeDessin.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "text/SansBalises.h"
#include "text/StyleTexte.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CRadio.h"
#include "widgets/CTexte.h"
#include "widgets/DemandeImage.h"

namespace
{
bool estFenetre(CObjetGDI* objet)
{
    return dynamic_cast<CFenetre*>(objet) != nullptr;
}

// Le texte que trouve compare : légende d'un bouton, d'une case ou d'un choix, texte d'une
// zone ; nul pour les autres.
const char* texteDe(CObjetGDI* objet)
{
    if (CBouton* bouton = dynamic_cast<CBouton*>(objet))
        return bouton->texte;
    if (CCoche* coche = dynamic_cast<CCoche*>(objet))
        return coche->legende();
    if (CRadio* radio = dynamic_cast<CRadio*>(objet))
        return radio->legende();
    if (CTexte* zone = dynamic_cast<CTexte*>(objet))
        return zone->texte;
    return nullptr;
}

// Le plus ancien ajouté des enfants retenus : l'ordre des lignes du fichier, même quand une
// fenêtre a été montée devant les autres.
template <class Retenu> CObjetGDI* premierAjoute(Liste<CObjetGDI*>& enfants, Retenu retenu)
{
    CObjetGDI* courant = nullptr;
    for (Noeud<CObjetGDI*>* n = enfants.tete; n; n = n->suivant) {
        CObjetGDI* e = n->element;
        if (courant && e->numeroAjout > courant->numeroAjout)
            continue;
        if (retenu(e))
            courant = e;
    }
    return courant;
}
} // namespace

CContainer::CContainer(int indiceSkin) : skin(skinContainer(indiceSkin))
{
    setCapture(nullptr);
    modal = false;
    // Rangé directement : setLimites est virtuelle et la fenêtre n'est pas encore construite.
    limites = MakeRect(0, 0, 200, 100);
    ajouteGestionnaire(evenements[EVT_APPUI_GAUCHE], this, &CContainer::appuiGauche);
    ajouteGestionnaire(evenements[EVT_APPUI_DROIT], this, &CContainer::appuiDroit);
    ajouteGestionnaire(evenements[EVT_CLIC_GAUCHE], this, &CContainer::clicGauche);
    ajouteGestionnaire(evenements[EVT_CLIC_DROIT], this, &CContainer::clicDroit);
    ajouteGestionnaire(evenements[EVT_RELACHE_GAUCHE_DEHORS], this,
                       &CContainer::relacheGaucheDehors);
    ajouteGestionnaire(evenements[EVT_RELACHE_DROIT_DEHORS], this, &CContainer::relacheDroitDehors);
    ajouteGestionnaire(evenements[EVT_MISE_A_JOUR], this, &CContainer::miseAJour);
    ajouteGestionnairePropre(evenements[EVT_DESSIN], this, &CContainer::dessine);
}

CContainer::~CContainer()
{
    // Chaque enfant se retire lui-même de la liste dans son destructeur.
    while (enfants.tete) {
        CObjetGDI* enfant = enfants.tete->element;
        if (enfant->parent != this) {
            enfants.retire(enfant);
            continue;
        }
        delete enfant;
    }
    capture = nullptr;
}

void CContainer::ajouteObjetGDI(CObjetGDI* objet)
{
    if (!objet || objet == this)
        return;
    // Un objet déjà rangé quelque part n'y reste pas : un double détruirait l'objet deux fois.
    if (objet->parent)
        objet->parent->retireObjetGDI(objet);
    enfants.insereEnTete(objet);
    demandeImage();
    objet->parent = this;
    objet->numeroAjout = nombreAjouts++;
    if (CFenetre* fenetre = dynamic_cast<CFenetre*>(objet)) {
        fenetre->centre();
        setCapture(nullptr);
    }
}

void CContainer::ajouteObjetGDI(CObjetGDI* objet, const char* nom)
{
    if (!objet || objet == this)
        return;
    objet->nom = nom ? nom : "";
    ajouteObjetGDI(objet);
}

void CContainer::ajouteObjetGDIDerriere(CObjetGDI* objet)
{
    if (!objet || objet == this)
        return;
    if (objet->parent)
        objet->parent->retireObjetGDI(objet);
    enfants.ajoute(objet);
    demandeImage();
    objet->parent = this;
    objet->numeroAjout = nombreAjouts++;
}

void CContainer::retireObjetGDI(CObjetGDI* objet)
{
    enfants.retire(objet);
    demandeImage();
    // Pendant la destruction d'une fenêtre, sa propre version n'est plus appelée : son
    // destructeur a déjà tout oublié.
    for (CContainer* c = this; c; c = c->parent)
        c->oublie(objet);
}

void CContainer::oublie(CObjetGDI* /*objet*/)
{
}

bool CContainer::setCapture(CObjetGDI* enfant)
{
    capture = enfant;
    if (!enfant || !estFenetre(enfant))
        return false;
    if (enfants.tete && enfants.tete->element == enfant)
        return false;
    // Seul un enfant de ce conteneur peut être monté devant les autres.
    if (!enfants.contient(enfant))
        return false;
    enfants.retire(enfant);
    enfants.insereEnTete(enfant);
    return true;
}

CObjetGDI* CContainer::objetSousSouris()
{
    if (!enfants.tete)
        return nullptr;
    CObjetGDI* devant = enfants.tete->element;
    CContainer* conteneurDevant = dynamic_cast<CContainer*>(devant);
    if (conteneurDevant && conteneurDevant->modal)
        return devant->contientSouris() ? devant : nullptr;

    for (Noeud<CObjetGDI*>* n = enfants.tete; n; n = n->suivant) {
        CObjetGDI* enfant = n->element;
        if (!enfant->contientSouris() || enfant->ignoreSouris)
            continue;
        // Derrière un conteneur, seules les fenêtres restent atteignables.
        if (conteneurDevant && !estFenetre(enfant))
            return nullptr;
        return enfant;
    }
    return nullptr;
}

Rect CContainer::zoneClient()
{
    return MakeRect(0, 0, limites.largeur() - skin.margeGauche - skin.margeDroite,
                    limites.hauteur() - skin.margeHaut - skin.margeBas);
}

CObjetGDI* CContainer::trouveParRang(int rang, bool (*genre)(CObjetGDI*))
{
    if (rang < 0 || !genre)
        return nullptr;
    // Le plus petit numéro au-dessus du précédent, rang + 1 fois : l'ordre d'ajout, même quand
    // une fenêtre a été montée devant les autres.
    CObjetGDI* courant = nullptr;
    for (int i = 0; i <= rang; ++i) {
        CObjetGDI* suivant = nullptr;
        for (Noeud<CObjetGDI*>* n = enfants.tete; n; n = n->suivant) {
            CObjetGDI* e = n->element;
            if ((!courant || e->numeroAjout > courant->numeroAjout) &&
                (!suivant || e->numeroAjout < suivant->numeroAjout) && genre(e))
                suivant = e;
        }
        if (!suivant)
            return nullptr;
        courant = suivant;
    }
    return courant;
}

CObjetGDI* CContainer::trouveParNom(const char* nom, bool (*genre)(CObjetGDI*))
{
    // Un nom vide est celui des objets sans nom : il ne désigne personne.
    if (!nom || !*nom || !genre)
        return nullptr;
    return premierAjoute(enfants, [&](CObjetGDI* e) { return genre(e) && e->nom == nom; });
}

CObjetGDI* CContainer::trouveParTexte(const char* texte, bool (*genre)(CObjetGDI*))
{
    if (!genre)
        return nullptr;
    return premierAjoute(
        enfants, [&](CObjetGDI* e) { return genre(e) && memeTexteSansBalises(texteDe(e), texte); });
}

void CContainer::toucheClavier(int /*touche*/)
{
}
void CContainer::toucheSpeciale(int /*touche*/)
{
}

void CContainer::miseAJour(CObjetGDI* /*emetteur*/)
{
    // Noté une fois avant le parcours : quand il y en a un, lui seul reçoit la mise à jour,
    // même s'il est détruit en route.
    CObjetGDI* conteneurDevant = nullptr;
    bool filtre = false;
    if (enfants.tete && dynamic_cast<CContainer*>(enfants.tete->element)) {
        conteneurDevant = enfants.tete->element;
        filtre = true;
    }
    const Coord decalage = souris - MakeCoord(skin.margeGauche, skin.margeHaut);

    Noeud<CObjetGDI*>* n = enfants.tete;
    while (n) {
        CObjetGDI* enfant = n->element;
        if (enfant->aDetruire) {
            Noeud<CObjetGDI*>* suivant = n->suivant;
            if (enfant == conteneurDevant)
                conteneurDevant = nullptr;
            delete enfant;
            n = suivant;
            continue;
        }
        enfant->souris = decalage - enfant->limites.hautGauche;
        if (!filtre || enfant == conteneurDevant)
            declenche(enfant->evenements[EVT_MISE_A_JOUR], enfant);
        n = n->suivant;
    }

    CObjetGDI* survole = objetSousSouris();
    if (survole)
        declenche(survole->evenements[survole == capture ? EVT_SURVOL_APPUYE : EVT_SURVOL],
                  survole);
    if (capture && capture != survole)
        declenche(capture->evenements[EVT_APPUYE_DEHORS], capture);
}

void CContainer::appui(uint16_t bouton, TypeEvenement evenement)
{
    if (capture)
        return;
    boutonCapture = bouton;
    CObjetGDI* cible = objetSousSouris();
    // Un appui gauche donne le focus à un objet qui le prend, et l'ôte ailleurs ; un conteneur
    // visé en décide lui-même plus bas.
    if (bouton == 0 && !dynamic_cast<CContainer*>(cible)) {
        CFenetre* fenetre = dynamic_cast<CFenetre*>(this);
        if (CFenetre* f = fenetre ? fenetre : CFenetre::fenetreDe(this))
            f->donneFocus(cible);
    }
    // Une fenêtre montée au premier plan tient l'appui sans le recevoir.
    if (!setCapture(cible) && cible)
        declenche(cible->evenements[evenement], cible);
}

void CContainer::relache(uint16_t bouton, TypeEvenement clic, TypeEvenement dessus,
                         TypeEvenement dehors)
{
    if (boutonCapture != bouton)
        return;
    CObjetGDI* cible = objetSousSouris();
    if (cible)
        declenche(cible->evenements[cible == capture ? clic : dessus], cible);
    if (capture && capture != cible)
        declenche(capture->evenements[dehors], capture);
    setCapture(nullptr);
}

void CContainer::relacheDehors(uint16_t bouton, TypeEvenement dehors)
{
    if (boutonCapture != bouton)
        return;
    if (capture)
        declenche(capture->evenements[dehors], capture);
    setCapture(nullptr);
}

void CContainer::appuiGauche(CObjetGDI* /*emetteur*/)
{
    appui(0, EVT_APPUI_GAUCHE);
}
void CContainer::appuiDroit(CObjetGDI* /*emetteur*/)
{
    appui(1, EVT_APPUI_DROIT);
}
void CContainer::clicGauche(CObjetGDI* /*emetteur*/)
{
    relache(0, EVT_CLIC_GAUCHE, EVT_RELACHE_GAUCHE_DESSUS, EVT_RELACHE_GAUCHE_DEHORS);
}
void CContainer::clicDroit(CObjetGDI* /*emetteur*/)
{
    relache(1, EVT_CLIC_DROIT, EVT_RELACHE_DROIT_DESSUS, EVT_RELACHE_DROIT_DEHORS);
}
void CContainer::relacheGaucheDehors(CObjetGDI* /*emetteur*/)
{
    relacheDehors(0, EVT_RELACHE_GAUCHE_DEHORS);
}
void CContainer::relacheDroitDehors(CObjetGDI* /*emetteur*/)
{
    relacheDehors(1, EVT_RELACHE_DROIT_DEHORS);
}

void CContainer::dessineHabillage()
{
    const int t = skin.texture;
    const Bandes x = bandes(skin.decoupeX), y = bandes(skin.decoupeY);
    const int W = limites.largeur(), H = limites.hauteur();
    const int xD = coupe16(W - x.taille(2)), yB = coupe16(H - y.taille(2));

    // Les coins, à leur taille naturelle.
    dessineImage(t, {0, 0}, texelsDebut(x, y, 0, 0), texelsFin(x, y, 0, 0));
    dessineImage(t, MakeCoord(xD, 0), texelsDebut(x, y, 2, 0), texelsFin(x, y, 2, 0));
    dessineImage(t, MakeCoord(xD, yB), texelsDebut(x, y, 2, 2), texelsFin(x, y, 2, 2));
    dessineImage(t, MakeCoord(0, yB), texelsDebut(x, y, 0, 2), texelsFin(x, y, 0, 2));
    dessineBordsEtCentre(t, x, y, W, H, skin.etire);
}

void CContainer::dessine(CObjetGDI* /*emetteur*/)
{
    const PorteeDessin portee;
    const OrigineLocale cadre(limites.hautGauche);
    // Un indice hors du jeu de textures ne dessine pas de cadre plutôt que de lire au-delà.
    if (textureDuJeu(skin.texture))
        dessineHabillage();

    const Rect client = zoneClient();
    const OrigineLocale marges(MakeCoord(skin.margeGauche, skin.margeHaut));
    const DecoupageLocal decoupage(client.hautGauche, client.basDroite);
    styleCourant().couleur = skin.couleurTexte;

    // De l'arrière vers l'avant : le premier plan est dessiné en dernier.
    for (Noeud<CObjetGDI*>* n = enfants.queue; n; n = n->precedent)
        if (n->element->visible)
            declencheDessin(n->element);
}
