// CFenetrePrincipale : construction de la fenêtre éditée, commandes au clavier, édition à la
// souris (sélection, création, déplacement, redimensionnement) et export à la destruction.
#include "editor/CFenetrePrincipale.h"

#include "editor/CFenetreMessage.h"
#include "editor/CPanneauProprietes.h"
#include "editor/CSelectionObjetGDI.h"
#include "editor/EtatEditeur.h"
#include "editor/ExportSource.h"
#include "editor/GenerateurSource.h"
#include "editor/Vue.h"
#include "render/Primitives.h"
#include "render/SkinBouton.h"
#include "render/SkinCoche.h"
#include "render/SkinContainer.h"
#include "render/SkinProgression.h"
#include "render/Texture.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CImage.h"
#include "widgets/CProgression.h"
#include "widgets/CRadio.h"
#include "widgets/CSaisie.h"
#include "widgets/CTexte.h"

#include <algorithm>
#include <cstdlib>

const char TEXTE_ZONE_CREEE[] = "Zone de texte";
const char TEXTE_BOUTON_CREE[] = "<centre>Bouton";
const char TEXTE_CASE_CREEE[] = "Case \xE0 cocher";
const char TEXTE_CHOIX_CREE[] = "Choix";

namespace
{
// Zone de déplacement qu'aucune position de la souris ne satisfait.
const Rect JAMAIS = {{-1, -1}, {-1, -1}};
// Barre créée : modifiable, de 0 à 100, à mi-course.
const int MINIMUM_BARRE = 0;
const int VALEUR_BARRE = 50;
const int MAXIMUM_BARRE = 100;

const Couleur COULEUR_ELASTIQUE = {0, 0, 0, 150};
const float EPAISSEUR_ELASTIQUE = 3;
const Couleur COULEUR_CONTOUR = {180, 0, 0, 255};
const float EPAISSEUR_CONTOUR = 4;
const Couleur COULEUR_POIGNEE = {255, 0, 0, 255};
const float TAILLE_POIGNEE = 8;
const uint16_t TRAIT_PLEIN = 0xFFFF;
} // namespace

CFenetrePrincipale::CFenetrePrincipale() : CFenetre(CONTAINER_SKIN_BEIGE)
{
    fenetrePrincipale = this;
    // Un nouvel éditeur part d'un état neuf.
    objetSelectionne = nullptr;
    boutonEnfonce = false;
    poignee = MakeCoord(0, 0);

    setLimites(PLEIN_ECRAN);
    typeAAjouter = TYPE_SELECTION;
    zoneDeplacement = JAMAIS;
    ajouteGestionnaire(evenements[EVT_APPUI_GAUCHE], this, &CFenetrePrincipale::appuiEdition);
    ajouteGestionnaire(evenements[EVT_CLIC_GAUCHE], this, &CFenetrePrincipale::relacheEdition);
    ajouteGestionnaire(evenements[EVT_DESSIN], this, &CFenetrePrincipale::dessineEdition);
    ajouteGestionnaire(evenements[EVT_MISE_A_JOUR], this, &CFenetrePrincipale::miseAJourEdition);
    ajouteGestionnaire(evenements[EVT_RELACHE_GAUCHE_DEHORS], this,
                       &CFenetrePrincipale::relacheDehorsEdition);
    afficheAide();
}

void CFenetrePrincipale::ouvreMiseEnPage(const MiseEnPage& m, const std::string& texte)
{
    document.ouvre(m, texte, *this);
    // L'aide ouverte pour le plein écran resterait hors de la vue d'une fenêtre plus petite ou
    // décalée, modale et invisible.
    for (Noeud<CObjetGDI*>* n = enfants.tete; n; n = n->suivant)
        if (CFenetre* f = dynamic_cast<CFenetre*>(n->element))
            placeDansLaVue(*f);
}

CFenetrePrincipale::~CFenetrePrincipale()
{
    // Les enfants existent encore : le source est écrit avant leur destruction.
    exporteSource();
    if (fenetrePrincipale == this)
        fenetrePrincipale = nullptr;
    objetSelectionne = nullptr;
    boutonEnfonce = false;
}

void CFenetrePrincipale::exporteSource()
{
    exporte(miseEnPage());
}

std::string CFenetrePrincipale::exporte(const MiseEnPage& m)
{
    if (!document.initiale || m != *document.initiale) {
        const std::string texte = texteSource(m);
        dernierExport = exporteTexte(fichierEdite.c_str(), texte);
        return texte;
    }
    // Rien de changé, ni ici ni sur le disque : le fichier garde ses commentaires et sa date.
    const LectureSource l = litSource(fichierEdite.c_str());
    if (!l.absent && l.raison.empty() && l.texte == document.texteInitial) {
        dernierExport = ResultatExport();
        dernierExport.etat = ResultatExport::INCHANGE;
        dernierExport.fichier = cheminAbsolu(fichierEdite);
        return l.texte;
    }
    // Disparu ou changé depuis : le texte lu, retouches comprises, y retourne.
    const std::string texte =
        document.texteInitial.empty() ? texteSource(m) : document.texteInitial;
    dernierExport = exporteTexte(fichierEdite.c_str(), texte);
    return texte;
}

void CFenetrePrincipale::enregistre()
{
    suiteFleches = false;
    const MiseEnPage m = miseEnPage();
    const std::string texte = exporte(m);
    ditOuEstLaMiseEnPage("Ctrl+S", dernierExport);
    if (!dernierExport.aEchoue()) {
        // Ce qui est sur le disque devient la référence de l'écriture suivante.
        document.initiale = m;
        document.texteInitial = texte;
        return;
    }
    // La séance continue : l'échec se voit ici, pas seulement sur la sortie d'erreur.
    const std::string avis = "<centre>Ctrl+S : " + fichierEdite + " n'a pas pu \xEAtre \xE9" +
                             "crit.\n<centre>" +
                             (dernierExport.etat == ResultatExport::COPIE
                                  ? "La mise en page est dans la copie " + dernierExport.copie + "."
                                  : std::string("La mise en page est sur la sortie d'erreur."));
    ouvreMessage(new CFenetreMessage(texteDurable(avis), false, CONTAINER_SKIN_BEIGE));
}

MiseEnPage CFenetrePrincipale::miseEnPage()
{
    return document.prends(*this);
}

Etape CFenetrePrincipale::etat()
{
    return document.etat(*this, objetSelectionne);
}

void CFenetrePrincipale::restaure(const Etape& etape)
{
    objetSelectionne = nullptr;
    objetSelectionne = document.restaure(etape, *this);
}

bool CFenetrePrincipale::noteEtape(const Etape& avant)
{
    return document.historique.note(avant, miseEnPage());
}

void CFenetrePrincipale::fermeGeste()
{
    if (!avantGeste)
        return;
    const Etape avant = *avantGeste;
    avantGeste.reset();
    noteEtape(avant);
}

template <typename F> void CFenetrePrincipale::commande(F action)
{
    suiteFleches = false;
    const Etape avant = etat();
    action();
    noteEtape(avant);
}

void CFenetrePrincipale::annule()
{
    if (boutonEnfonce)
        return;
    suiteFleches = false;
    if (std::optional<Etape> e = document.historique.annule(etat()))
        restaure(*e);
}

void CFenetrePrincipale::retablit()
{
    if (boutonEnfonce)
        return;
    suiteFleches = false;
    if (std::optional<Etape> e = document.historique.retablit(etat()))
        restaure(*e);
}

void CFenetrePrincipale::duplique()
{
    // Bouton tenu, la copie suivrait la souris à la place de l'objet saisi et le geste en
    // cours se mêlerait à l'étape de la copie.
    if (boutonEnfonce)
        return;
    CObjetGDI* objet = objetSelectionne;
    ObjetPlace o;
    if (!objet || objet == this || objet->parent != this || !document.prendsObjet(objet, o))
        return;
    // Un nom est unique dans la fenêtre : la copie n'en a pas.
    o.nom.clear();
    CObjetGDI* copie = document.creeObjet(o.deplace(MakeCoord(DECALAGE_COPIE, DECALAGE_COPIE)));
    if (!copie)
        return;
    ajouteObjetGDI(copie);
    objetSelectionne = copie;
}

void CFenetrePrincipale::decale(int dx, int dy)
{
    CObjetGDI* objet = objetSelectionne;
    if (!objet || objet == this || objet->parent != this)
        return;
    // Une partie de l'objet reste sur l'écran, où la souris pourrait encore le saisir ; hors de
    // l'écran, il peut encore y revenir.
    auto borne = [](int d, int a, int b, int etendue) {
        if (d > 0)
            return std::min(d, std::max(0, etendue - 1 - a));
        if (d < 0)
            return std::max(d, std::min(0, 1 - b));
        return 0;
    };
    const Rect l = objet->limites + marges();
    dx = borne(dx, l.hautGauche.x, l.basDroite.x, LARGEUR_ECRAN);
    dy = borne(dy, l.hautGauche.y, l.basDroite.y, HAUTEUR_ECRAN);
    if (dx || dy)
        objet->setLimites(objet->limites + MakeCoord(dx, dy));
}

void CFenetrePrincipale::fleche(int dx, int dy)
{
    const Etape avant = etat();
    decale(dx, dy);
    if (!suiteFleches)
        suiteFleches = noteEtape(avant);
    else if (miseEnPage() != avant.miseEnPage)
        document.historique.oublieRetablissements();
}

void CFenetrePrincipale::appliqueProprietes(const Etape& e)
{
    commande([&] { restaure(e); });
}

void CFenetrePrincipale::afficheAide()
{
    ouvreMessage(new CFenetreMessage(TEXTE_AIDE, false, CONTAINER_SKIN_BEIGE));
}

void CFenetrePrincipale::ouvreMessage(CFenetreMessage* message)
{
    ajouteObjetGDI(message);
    message->centre();
    // Une fenêtre rouverte à demi hors de l'écran : centré dans sa zone client, le message,
    // modal, pourrait y être caché ; il se place alors dans ce que l'écran en montre.
    if (!(zoneVisible(*this) == zoneClient()))
        placeDansLaVue(*message);
}

bool CFenetrePrincipale::menuOuFenetreDevant()
{
    if (!enfants.tete)
        return false;
    CObjetGDI* devant = enfants.tete->element;
    return dynamic_cast<CSelectionObjetGDI*>(devant) || dynamic_cast<CFenetre*>(devant);
}

Coord CFenetrePrincipale::marges() const
{
    return MakeCoord(skin.margeGauche, skin.margeHaut);
}

void CFenetrePrincipale::toucheClavier(int touche)
{
    CObjetGDI* devant = enfants.tete ? enfants.tete->element : nullptr;
    if (CSelectionObjetGDI* menu = dynamic_cast<CSelectionObjetGDI*>(devant)) {
        menu->toucheClavier(touche);
        return;
    }
    if (CFenetre* fenetre = dynamic_cast<CFenetre*>(devant)) {
        fenetre->toucheClavier(touche);
        return;
    }

    // La fenêtre elle-même n'est sélectionnée que pendant le glissement de son bord : elle
    // n'a pas de place dans sa propre liste d'enfants.
    CObjetGDI* objet = objetSelectionne != this ? objetSelectionne : nullptr;
    const int code = touche & 0xFF;
    switch (code) {
    case TOUCHE_ECHAP:
        // Détruit tout l'arbre, cette fenêtre comprise : plus rien ne doit suivre.
        if (quitterEditeur)
            quitterEditeur();
        return;
    case TOUCHE_ESPACE:
        ouvreMenu(new CSelectionObjetGDI());
        break;
    case TOUCHE_PLUS:
        commande([&] {
            if (objet) {
                retireObjetGDI(objet);
                ajouteObjetGDI(objet);
            }
        });
        break;
    case TOUCHE_MOINS:
        commande([&] {
            if (objet) {
                retireObjetGDI(objet);
                ajouteObjetGDIDerriere(objet);
            }
        });
        break;
    case TOUCHE_SUPPR:
        commande([&] { supprimeSelection(); });
        break;
    case TOUCHE_DUPLIQUE:
        commande([&] { duplique(); });
        break;
    case TOUCHE_ENREGISTRE:
        enregistre();
        break;
    case TOUCHE_ANNULE:
        annule();
        break;
    case TOUCHE_RETABLIT:
        retablit();
        break;
    default:
        break;
    }
}

void CFenetrePrincipale::ouvreMenu(CSelectionObjetGDI* menu)
{
    // Entier dans la zone client, même dans une fenêtre rapetissée.
    menu->limites = menu->placeDans(zoneClient());
    ajouteObjetGDI(menu);
    suiteFleches = false;
}

void CFenetrePrincipale::toucheSpeciale(int touche)
{
    CObjetGDI* devant = enfants.tete ? enfants.tete->element : nullptr;
    if (CSelectionObjetGDI* menu = dynamic_cast<CSelectionObjetGDI*>(devant)) {
        menu->toucheSpeciale(touche);
        return;
    }
    if (CFenetre* fenetre = dynamic_cast<CFenetre*>(devant)) {
        fenetre->toucheSpeciale(touche);
        return;
    }
    const int pas = majTenue && majTenue() ? PAS_FLECHE_MAJ : PAS_FLECHE;
    switch (touche) {
    case TOUCHE_F1:
        suiteFleches = false;
        afficheAide();
        break;
    case TOUCHE_INSER:
        ouvreMenu(new CSelectionObjetGDI(CSelectionObjetGDI::MODES_SECOND_MENU));
        break;
    case TOUCHE_F2:
        // Pas pendant un glissement : le panneau rebâtirait l'objet tenu par la souris.
        if (!boutonEnfonce) {
            suiteFleches = false;
            CPanneauProprietes::ouvre(*this, etat());
        }
        break;
    case TOUCHE_GAUCHE:
        fleche(-pas, 0);
        break;
    case TOUCHE_DROITE:
        fleche(pas, 0);
        break;
    case TOUCHE_HAUT:
        fleche(0, -pas);
        break;
    case TOUCHE_BAS:
        fleche(0, pas);
        break;
    default:
        break;
    }
}

void CFenetrePrincipale::supprimeSelection()
{
    CObjetGDI* objet = objetSelectionne;
    objetSelectionne = nullptr;
    if (!objet || objet == this || objet->parent != this)
        return;
    retireObjetGDI(objet);
    // Le bouton peut encore être tenu sur l'objet : la capture ne doit pas lui survivre, ni ses
    // arguments écrits, qu'un objet créé à la même adresse reprendrait.
    if (capture == objet)
        capture = nullptr;
    document.oublie(objet);
    delete objet;
}

void CFenetrePrincipale::appuiEdition(CObjetGDI*)
{
    if (menuOuFenetreDevant()) {
        objetSelectionne = nullptr;
        return;
    }
    // Un geste dont le relâchement s'est perdu finit ici ; celui qui commence est une étape.
    fermeGeste();
    avantGeste = etat();
    suiteFleches = false;
    ancre = souris;
    boutonEnfonce = true;
    if (typeAAjouter != TYPE_SELECTION) {
        objetSelectionne = nullptr;
        return;
    }

    // Une sélection de la fenêtre n'a duré que le glissement de son bord : un nouvel appui
    // ne la prend pas pour un objet.
    if (objetSelectionne == this)
        objetSelectionne = nullptr;
    // Sans objet sous la souris, la sélection reste : un appui juste à côté d'elle peut
    // encore saisir l'un de ses bords.
    if (CObjetGDI* sous = objetSousSouris())
        objetSelectionne = sous;

    const int x = souris.x;
    const int y = souris.y;
    if (objetSelectionne) {
        objetSelectionne->ancre = objetSelectionne->souris;
        const Rect r = objetSelectionne->limites + marges();
        poignee = MakeCoord(0, 0);
        const int t = TOLERANCE_POIGNEE;
        if (r.hautGauche.x - t < x && x < r.basDroite.x + t && r.hautGauche.y - t < y &&
            y < r.basDroite.y + t) {
            poignee.x = x < r.hautGauche.x + t ? -1 : (x > r.basDroite.x - t ? 1 : 0);
            poignee.y = y < r.hautGauche.y + t ? -1 : (y > r.basDroite.y - t ? 1 : 0);
            return;
        }
    }

    // Loin de tout objet : seuls les bords droit et bas de la fenêtre peuvent être saisis.
    objetSelectionne = nullptr;
    const int t = TOLERANCE_POIGNEE;
    const bool droite =
        limites.basDroite.x - skin.margeDroite - t < x && x < limites.basDroite.x + t;
    const bool bas = limites.basDroite.y - skin.margeBas - t < y && y < limites.basDroite.y + t;
    if (!droite && !bas)
        return;
    objetSelectionne = this;
    poignee = MakeCoord(droite ? 1 : 0, bas ? 1 : 0);
}

CObjetGDI* CFenetrePrincipale::creeObjet(Coord a, Coord b)
{
    const Rect r = rectangleEntre(a, b) - marges();
    const Coord p = a - marges();
    switch (typeAAjouter) {
    case TYPE_TEXTE:
        return new CTexte(r, TEXTE_ZONE_CREEE);
    case TYPE_BOUTON:
        return new CBouton(r, TEXTE_BOUTON_CREE, BOUTON_SKIN_ROND_VARIABLE);
    case TYPE_COCHE:
        return new CCoche(p, false, COCHE_SKIN_DEFAUT);
    case TYPE_IMAGE:
        return new CImage(TEXTURE_MOI, r, SOURCE_IMAGE_CREEE);
    case TYPE_PROGRESSION:
        return new CProgression(p, std::abs(b.x - a.x), true, MINIMUM_BARRE, VALEUR_BARRE,
                                MAXIMUM_BARRE, PROGRESSION_SKIN_DEFAUT);
    // Champ, case légendée et choix se posent comme le montre leur ligne écrite : le champ
    // vide sur le rectangle, les deux autres au point d'appui.
    case TYPE_SAISIE:
        return new CSaisie(r, "", LONGUEUR_CHAMP_CREE);
    case TYPE_COCHE_LEGENDEE:
        return new CCoche(p, false, COCHE_SKIN_DEFAUT, TEXTE_CASE_CREEE);
    case TYPE_RADIO:
        return new CRadio(p, TEXTE_CHOIX_CREE, 0);
    default:
        return nullptr;
    }
}

void CFenetrePrincipale::relacheEdition(CObjetGDI*)
{
    // Un menu ou une aide ouverts bouton tenu restent devant : poser un objet par-dessus les
    // enfouirait, et le menu, pris ensuite pour une sélection, serait détruit sous elle.
    if (boutonEnfonce && !objetSelectionne && !menuOuFenetreDevant()) {
        const Coord a = ancre;
        const Coord b = souris;
        if (std::abs(b.x - a.x) >= TAILLE_MINIMALE && std::abs(b.y - a.y) >= TAILLE_MINIMALE) {
            if (CObjetGDI* objet = creeObjet(a, b)) {
                ajouteObjetGDI(objet);
                Document::metEnApercu(objet);
                typeAAjouter = TYPE_SELECTION;
                objetSelectionne = objet;
            }
        }
    }
    if (objetSelectionne == this)
        objetSelectionne = nullptr;
    boutonEnfonce = false;
    fermeGeste();
}

void CFenetrePrincipale::relacheDehorsEdition(CObjetGDI*)
{
    if (objetSelectionne == this)
        objetSelectionne = nullptr;
    boutonEnfonce = false;
    fermeGeste();
}

void CFenetrePrincipale::miseAJourEdition(CObjetGDI*)
{
    if (!boutonEnfonce || !objetSelectionne)
        return;
    if (objetSelectionne == this) {
        redimensionneFenetre(souris);
        return;
    }
    CObjetGDI* objet = objetSelectionne;
    if (poignee == MakeCoord(0, 0)) {
        // Déplacement, sans retenir l'objet dans la fenêtre : il est découpé au besoin.
        objet->setLimites(objet->limites + (objet->souris - objet->ancre));
        return;
    }
    redimensionneObjet(objet, souris - marges());
}

void CFenetrePrincipale::redimensionneFenetre(Coord m)
{
    // Le +1 garde la souris dans la fenêtre, pour que le relâchement soit un clic sur elle.
    int droite = poignee.x == 1 ? m.x + 1 : limites.basDroite.x;
    int bas = poignee.y == 1 ? m.y + 1 : limites.basDroite.y;
    droite = std::min(droite, LARGEUR_ECRAN);
    bas = std::min(bas, HAUTEUR_ECRAN);
    setLimites(MakeRect(0, 0, droite, bas));
}

void CFenetrePrincipale::redimensionneObjet(CObjetGDI* objet, Coord m)
{
    const Rect l = objet->limites;
    int x1 = poignee.x == -1 ? m.x : l.hautGauche.x;
    x1 = std::min(x1, l.basDroite.x - TAILLE_MINIMALE);
    int x2 = poignee.x == 1 ? m.x : l.basDroite.x;
    x2 = std::max(x2, x1 + TAILLE_MINIMALE);
    int y1 = poignee.y == -1 ? m.y : l.hautGauche.y;
    y1 = std::min(y1, l.basDroite.y - TAILLE_MINIMALE);
    int y2 = poignee.y == 1 ? m.y : l.basDroite.y;
    y2 = std::max(y2, y1 + TAILLE_MINIMALE);
    objet->setLimites(MakeRect(x1, y1, x2, y2));
}

void CFenetrePrincipale::dessineEdition(CObjetGDI*)
{
    if (boutonEnfonce && !objetSelectionne) {
        const Rect r = rectangleEntre(ancre, souris);
        ::dessineCadre(r.hautGauche, r.basDroite, COULEUR_ELASTIQUE, EPAISSEUR_ELASTIQUE,
                       TRAIT_PLEIN, 1);
        return;
    }
    if (!objetSelectionne || menuOuFenetreDevant())
        return;

    // Les limites d'un objet sont en coordonnées client ; celles de la fenêtre, sélectionnée
    // pendant le glissement de son bord, sont déjà dans le repère du dessin.
    const Rect l = objetSelectionne == this ? limites : objetSelectionne->limites + marges();
    const Rect s = l - MakeCoord(DECALAGE_CONTOUR, DECALAGE_CONTOUR);
    ::dessineCadre(s.hautGauche, s.basDroite, COULEUR_CONTOUR, EPAISSEUR_CONTOUR, TRAIT_PLEIN, 1);
    const int x1 = s.hautGauche.x, y1 = s.hautGauche.y;
    const int x2 = s.basDroite.x, y2 = s.basDroite.y;
    const int xm = (x1 + x2) / 2, ym = (y1 + y2) / 2;
    const Coord centres[] = {MakeCoord(x1, y1), MakeCoord(x2, y1), MakeCoord(x1, y2),
                             MakeCoord(x2, y2), MakeCoord(xm, y1), MakeCoord(xm, y2),
                             MakeCoord(x1, ym), MakeCoord(x2, ym)};
    for (Coord c : centres)
        dessinePoint(c, COULEUR_POIGNEE, TAILLE_POIGNEE);
}
