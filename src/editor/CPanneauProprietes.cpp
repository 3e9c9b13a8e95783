// CPanneauProprietes : champs bâtis avec les objets de la boîte à outils, contrôle des valeurs,
// application en une étape et place dans ce que l'écran montre de la fenêtre éditée.
#include "editor/CPanneauProprietes.h"

#include "editor/CFenetrePrincipale.h"
#include "editor/Document.h"
#include "editor/EtatEditeur.h"
#include "editor/Vue.h"
#include "render/SkinBouton.h"
#include "render/SkinCoche.h"
#include "render/SkinContainer.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CSaisie.h"
#include "widgets/CTexte.h"

#include <algorithm>
#include <cstdint>

namespace
{
// Mise en page, en coordonnées client du panneau.
const int MARGE = 20;
const int Y_TITRE = 10;
const int Y_PREMIER_CHAMP = 40;
const int PAS_LIGNE = 32;
const int HAUTEUR_CHAMP = 28;
const int X_CHAMP = 180;
const int X_FIN = 400;
// Deux champs sur une ligne : chacun dans sa moitié, son champ à cette distance de la marge.
const int X_MILIEU = 210;
const int ECART_MOITIES = 8;
const int X_CHAMP_MOITIE = 90;
const int LARGEUR_CLIENT = X_FIN + MARGE;
const int LARGEUR_BOUTON = 180;
const int MARGE_BAS = 10;
// Deux lignes de texte : le plus long refus y tient, coupé entre ses mots.
const int HAUTEUR_ERREUR = 40;
// Un texte balisé tient rarement plus ; un texte relu plus long garde sa longueur.
const int LONGUEUR_TEXTE = 4096;
const int LONGUEUR_NOM = 255;

const char TEXTE_OK[] = "<centre>OK";
const char TEXTE_ANNULER[] = "<centre>Annuler";
const char DEBUT_ERREUR[] = "<couleur='rouge'>";
const char PAS_IDENTIFIANT[] =
    "pas un identifiant C (une lettre ou _, puis lettres, chiffres ou _)";

// Titres, par genre ; 0 : la fenêtre éditée.
const char* const TITRES[NOMBRE_GENRES] = {"<b>Propri\xE9t\xE9s de la fen\xEAtre",
                                           "<b>Propri\xE9t\xE9s de la zone de texte",
                                           "<b>Propri\xE9t\xE9s du bouton",
                                           "<b>Propri\xE9t\xE9s de la case \xE0 cocher",
                                           "<b>Propri\xE9t\xE9s de l'image",
                                           "<b>Propri\xE9t\xE9s de la barre de progression",
                                           "<b>Propri\xE9t\xE9s du champ de saisie",
                                           "<b>Propri\xE9t\xE9s de la case l\xE9gend\xE9"
                                           "e",
                                           "<b>Propri\xE9t\xE9s du choix exclusif"};

// Le champ du panneau : le focus arrivé (ouverture, Tab, refus), tout son texte est
// sélectionné, qu'une frappe remplace.
class ChampSelectionne : public CSaisie
{
  public:
    using CSaisie::CSaisie;
    void changeFocus(bool aLeFocus) override
    {
        CSaisie::changeFocus(aLeFocus);
        if (aLeFocus)
            selectionne(0, int(contenu().size()));
    }
};

enum LectureEntier { ENTIER, PAS_UN_ENTIER, HORS_16_BITS };

// Un entier décimal, signe moins permis, rien d'autre autour ; sur 16 bits comme les
// coordonnées et ce que relit le lecteur du source.
LectureEntier litEntier(const std::string& s, int& valeur)
{
    const bool negatif = !s.empty() && s[0] == '-';
    size_t i = negatif ? 1 : 0;
    if (i == s.size() || s.find_first_not_of("0123456789", i) != std::string::npos)
        return PAS_UN_ENTIER;
    while (i + 1 < s.size() && s[i] == '0')
        ++i;
    // Le compte des chiffres avant la conversion : un long nombre ne déborde pas.
    if (s.size() - i > 5)
        return HORS_16_BITS;
    const long v = (negatif ? -1 : 1) * std::stol(s.substr(i));
    if (v < INT16_MIN || v > INT16_MAX)
        return HORS_16_BITS;
    valeur = int(v);
    return ENTIER;
}

bool estNombre(ChampPanneau c)
{
    return c != CHAMP_TEXTE && c != CHAMP_NOM && c != CHAMP_CLASSE && c != CHAMP_COCHEE &&
           c != CHAMP_MODIFIABLE;
}

bool estCase(ChampPanneau c)
{
    return c == CHAMP_COCHEE || c == CHAMP_MODIFIABLE;
}

const char* libelle(ChampPanneau c, const ObjetPlace* o)
{
    switch (c) {
    case CHAMP_TEXTE:
        if (o->genre == TYPE_TEXTE)
            return "Texte";
        return o->genre == TYPE_SAISIE ? "Contenu" : "L\xE9gende";
    case CHAMP_NOM:
        return "Nom";
    case CHAMP_X:
        return "X";
    case CHAMP_Y:
        return "Y";
    case CHAMP_LARGEUR:
        return "Largeur";
    case CHAMP_HAUTEUR:
        return "Hauteur";
    case CHAMP_COCHEE:
        return "Coch\xE9"
               "e";
    case CHAMP_MINIMUM:
        return "Minimum";
    case CHAMP_VALEUR:
        return "Valeur";
    case CHAMP_MAXIMUM:
        return "Maximum";
    case CHAMP_MODIFIABLE:
        return "Modifiable";
    case CHAMP_LONGUEUR_MAX:
        return "Longueur maximale";
    case CHAMP_GROUPE:
        return "Groupe";
    default:
        return "Classe";
    }
}

std::string valeurInitiale(ChampPanneau c, const MiseEnPage& m, const ObjetPlace* o)
{
    auto oui = [](bool b) { return std::string(b ? "1" : "0"); };
    const Rect l = o ? o->limites : m.limites;
    switch (c) {
    case CHAMP_TEXTE:
        return o->texte;
    case CHAMP_NOM:
        return o->nom;
    case CHAMP_X:
        return std::to_string(l.hautGauche.x);
    case CHAMP_Y:
        return std::to_string(l.hautGauche.y);
    case CHAMP_LARGEUR:
        return std::to_string(o && o->genre == TYPE_PROGRESSION ? o->largeur : l.largeur());
    case CHAMP_HAUTEUR:
        return std::to_string(l.hauteur());
    case CHAMP_COCHEE:
        return oui(o->cochee);
    case CHAMP_MINIMUM:
        return std::to_string(o->minimum);
    case CHAMP_VALEUR:
        return std::to_string(o->valeur);
    case CHAMP_MAXIMUM:
        return std::to_string(o->maximum);
    case CHAMP_MODIFIABLE:
        return oui(o->modifiable);
    case CHAMP_LONGUEUR_MAX:
        return std::to_string(o->longueurMax);
    case CHAMP_GROUPE:
        return std::to_string(o->groupe);
    default:
        return m.classe;
    }
}

// L'objet de l'étape, ou nul quand elle n'en sélectionne aucun (la fenêtre).
const ObjetPlace* objetDe(const Etape& e)
{
    if (e.selection < 0 || size_t(e.selection) >= e.miseEnPage.objets.size())
        return nullptr;
    return &e.miseEnPage.objets[size_t(e.selection)];
}
} // namespace

std::vector<ChampPanneau> CPanneauProprietes::champsDuGenre(const ObjetPlace* o)
{
    if (!o)
        return {CHAMP_CLASSE, CHAMP_LARGEUR, CHAMP_HAUTEUR};
    std::vector<ChampPanneau> v;
    const int g = o->genre;
    // L'image, la case sans légende, la barre et le bouton sans légende n'ont pas de texte.
    if (g == TYPE_TEXTE || g == TYPE_SAISIE || g == TYPE_COCHE_LEGENDEE || g == TYPE_RADIO ||
        (g == TYPE_BOUTON && o->legende))
        v.push_back(CHAMP_TEXTE);
    v.insert(v.end(), {CHAMP_NOM, CHAMP_X, CHAMP_Y});
    // Ce que l'objet fixe lui-même n'est pas montré : les cases et le choix ont la taille de
    // leur image et de leur légende, la barre la hauteur de son cadre, un bouton ce que son
    // habillage fixe (la barre de l'éditeur : sa hauteur).
    bool largeur = g == TYPE_TEXTE || g == TYPE_IMAGE || g == TYPE_SAISIE || g == TYPE_PROGRESSION;
    bool hauteur = g == TYPE_TEXTE || g == TYPE_IMAGE || g == TYPE_SAISIE;
    if (g == TYPE_BOUTON) {
        int habillage = 0;
        if (!valeurArgument(o->argument, habillage))
            valeurArgument(argumentFixe(g), habillage);
        const SkinBouton& s = skinBouton(habillage);
        largeur = !s.tailleFixe;
        hauteur = !s.tailleFixe && !s.largeurVariable;
    }
    if (largeur)
        v.push_back(CHAMP_LARGEUR);
    if (hauteur)
        v.push_back(CHAMP_HAUTEUR);
    if (g == TYPE_COCHE || g == TYPE_COCHE_LEGENDEE)
        v.push_back(CHAMP_COCHEE);
    if (g == TYPE_PROGRESSION)
        v.insert(v.end(), {CHAMP_MINIMUM, CHAMP_VALEUR, CHAMP_MAXIMUM, CHAMP_MODIFIABLE});
    if (g == TYPE_SAISIE)
        v.push_back(CHAMP_LONGUEUR_MAX);
    if (g == TYPE_RADIO)
        v.push_back(CHAMP_GROUPE);
    return v;
}

CPanneauProprietes::CPanneauProprietes(CFenetrePrincipale& editeur, const Etape& etape)
    : CFenetre(CONTAINER_SKIN_BEIGE), editeur(editeur), origine(etape)
{
    const ObjetPlace* o = objetDe(origine);
    ordre = champsDuGenre(o);
    CTexte* titre = new CTexte(MakeCoord(MARGE, Y_TITRE), TITRES[o ? o->genre : 0]);
    ajouteObjetGDI(titre);
    // Les textes laissent passer l'appui : le panneau se déplace en les saisissant.
    titre->ignoreSouris = true;

    // x et y, largeur et hauteur se partagent une ligne : le panneau d'un bouton tient dans
    // une fenêtre de connexion.
    auto moitieDroite = [](ChampPanneau c) { return c == CHAMP_Y || c == CHAMP_HAUTEUR; };
    auto moitie = [&](ChampPanneau c) {
        return c == CHAMP_X || c == CHAMP_LARGEUR || moitieDroite(c);
    };
    int y = Y_PREMIER_CHAMP - PAS_LIGNE;
    ChampPanneau precedent = NOMBRE_CHAMPS_PANNEAU;
    for (ChampPanneau c : ordre) {
        const bool aDroite = moitieDroite(c) && moitie(precedent) && !moitieDroite(precedent);
        precedent = c;
        if (!aDroite)
            y += PAS_LIGNE;
        const int xLibelle = aDroite ? X_MILIEU + ECART_MOITIES : MARGE;
        const int xChamp = moitie(c) ? xLibelle + X_CHAMP_MOITIE - MARGE : X_CHAMP;
        const int xFin = moitie(c) && !aDroite ? X_MILIEU - ECART_MOITIES : X_FIN;
        initial[c] = valeurInitiale(c, origine.miseEnPage, o);
        libelles[c] = libelle(c, o);
        if (estCase(c)) {
            objets[c] = new CCoche(MakeCoord(X_CHAMP, y + 4), initial[c] == "1", COCHE_SKIN_DEFAUT,
                                   libelles[c]);
        } else {
            CTexte* etiquette = new CTexte(MakeCoord(xLibelle, y + 5), libelles[c]);
            ajouteObjetGDI(etiquette);
            etiquette->ignoreSouris = true;
            const int longueur = c == CHAMP_TEXTE ? LONGUEUR_TEXTE : LONGUEUR_NOM;
            objets[c] = new ChampSelectionne(MakeRect(xChamp, y, xFin, y + HAUTEUR_CHAMP),
                                             initial[c].c_str(),
                                             std::max(longueur, int(initial[c].size())));
        }
        ajouteObjetGDI(objets[c]);
    }
    y += PAS_LIGNE;
    // La ligne de l'erreur ne prend de place qu'au premier refus (voir montreErreur).
    zoneErreur = new CTexte(MakeRect(MARGE, y, X_FIN, y + HAUTEUR_ERREUR), "");
    ajouteObjetGDI(zoneErreur);
    zoneErreur->ignoreSouris = true;
    y += MARGE_BAS;

    CBouton* ok = new CBouton(MakeRect(MARGE, y, MARGE + LARGEUR_BOUTON, y), TEXTE_OK,
                              BOUTON_SKIN_ROND_VARIABLE);
    CBouton* annule = new CBouton(MakeRect(X_FIN - LARGEUR_BOUTON, y, X_FIN, y), TEXTE_ANNULER,
                                  BOUTON_SKIN_ROND_VARIABLE);
    ajouteObjetGDI(ok);
    ajouteObjetGDI(annule);
    ajouteGestionnaire(ok->evenements[EVT_CLIC_GAUCHE], this, &CPanneauProprietes::valide);
    ajouteGestionnaire(annule->evenements[EVT_CLIC_GAUCHE], this, &CPanneauProprietes::abandonne);
    boutonParDefaut = ok;
    boutonAnnuler = annule;

    setLimites(MakeRect(0, 0, LARGEUR_CLIENT + skin.margeGauche + skin.margeDroite,
                        ok->limites.basDroite.y + MARGE_BAS + skin.margeHaut + skin.margeBas));
    modal = true;
}

CPanneauProprietes* CPanneauProprietes::ouvre(CFenetrePrincipale& editeur, const Etape& etape)
{
    CPanneauProprietes* panneau = new CPanneauProprietes(editeur, etape);
    editeur.ajouteObjetGDI(panneau);
    panneau->place();
    // Le champ qui prend le focus sélectionne son texte.
    panneau->donneFocus(panneau->objets[panneau->ordre.front()]);
    return panneau;
}

void CPanneauProprietes::place()
{
    placeDansLaVue(*this);
}

CSaisie* CPanneauProprietes::saisie(ChampPanneau c) const
{
    return dynamic_cast<CSaisie*>(objets[c]);
}

CCoche* CPanneauProprietes::coche(ChampPanneau c) const
{
    return dynamic_cast<CCoche*>(objets[c]);
}

std::string CPanneauProprietes::valeurChamp(ChampPanneau c) const
{
    if (CSaisie* s = saisie(c))
        return s->contenu();
    CCoche* k = coche(c);
    return k && k->cochee ? "1" : "0";
}

bool CPanneauProprietes::lis(MiseEnPage& m, std::string& message, ChampPanneau& fautif) const
{
    auto refuse = [&](ChampPanneau c, const std::string& raison) {
        fautif = c;
        message = std::string(libelles[c]) + " : " + raison;
        return false;
    };
    // Les refus dans l'ordre de Tab : le nom ou la classe, premiers après le texte, avant
    // les nombres.
    const ObjetPlace* avant = objetDe(origine);
    const size_t rang = size_t(origine.selection);
    const std::string classe = valeurChamp(CHAMP_CLASSE);
    if (!avant && change(CHAMP_CLASSE) && !identifiantC(classe))
        return refuse(CHAMP_CLASSE, PAS_IDENTIFIANT);
    if (!avant && change(CHAMP_CLASSE) && nomReserve(classe))
        return refuse(CHAMP_CLASSE, "nom r\xE9serv\xE9 par la bo\xEEte \xE0 outils ou le C++");
    const std::string nom = valeurChamp(CHAMP_NOM);
    if (avant && change(CHAMP_NOM) && !nom.empty()) {
        if (!identifiantC(nom))
            return refuse(CHAMP_NOM, PAS_IDENTIFIANT);
        for (size_t j = 0; j < m.objets.size(); ++j) {
            if (j != rang && m.objets[j].nom == nom)
                return refuse(CHAMP_NOM, "d\xE9j\xE0 port\xE9 par un autre objet de la fen\xEAtre");
        }
    }
    int n[NOMBRE_CHAMPS_PANNEAU] = {};
    for (ChampPanneau c : ordre) {
        if (!estNombre(c))
            continue;
        const LectureEntier l = litEntier(valeurChamp(c), n[c]);
        if (l == PAS_UN_ENTIER)
            return refuse(c, "un entier d\xE9"
                             "cimal est attendu");
        if (l == HORS_16_BITS)
            return refuse(c, "hors de -32768 \xE0 32767");
    }
    // Un bord calculé doit rester sur 16 bits, comme les coordonnées qui le portent.
    auto bordTrop = [&](int debut, ChampPanneau taille) { return debut + n[taille] > INT16_MAX; };

    if (!avant) {
        // Au moins les coins du cadre, au plus l'écran, comme le glissement du bord.
        const Coord cadre = MakeCoord(editeur.skin.decoupeX[1] - editeur.skin.decoupeX[0] +
                                          editeur.skin.decoupeX[3] - editeur.skin.decoupeX[2],
                                      editeur.skin.decoupeY[1] - editeur.skin.decoupeY[0] +
                                          editeur.skin.decoupeY[3] - editeur.skin.decoupeY[2]);
        const Coord ecran = MakeCoord(LARGEUR_ECRAN, HAUTEUR_ECRAN);
        for (ChampPanneau c : {CHAMP_LARGEUR, CHAMP_HAUTEUR}) {
            const int bas = c == CHAMP_LARGEUR ? cadre.x : cadre.y;
            const int haut = c == CHAMP_LARGEUR ? ecran.x : ecran.y;
            if (change(c) && (n[c] < bas || n[c] > haut))
                return refuse(c, "de " + std::to_string(bas) + " \xE0 " + std::to_string(haut));
        }
        const Coord coin = m.limites.hautGauche;
        if (change(CHAMP_LARGEUR) && bordTrop(coin.x, CHAMP_LARGEUR))
            return refuse(CHAMP_LARGEUR, "le bord droit passerait 32767");
        if (change(CHAMP_HAUTEUR) && bordTrop(coin.y, CHAMP_HAUTEUR))
            return refuse(CHAMP_HAUTEUR, "le bord bas passerait 32767");
        if (change(CHAMP_CLASSE))
            m.classe = classe;
        if (change(CHAMP_LARGEUR) || change(CHAMP_HAUTEUR)) {
            const Rect r = {coin, coin + MakeCoord(n[CHAMP_LARGEUR], n[CHAMP_HAUTEUR])};
            m.pleinEcran = intersection(r, PLEIN_ECRAN) == PLEIN_ECRAN;
            m.limites = m.pleinEcran ? PLEIN_ECRAN : r;
        }
        return true;
    }

    // La mise en page ne change pas tant que le panneau est devant ; sinon, rien n'est appliqué.
    if (rang >= m.objets.size() || m.objets[rang].genre != avant->genre)
        return true;
    ObjetPlace o = m.objets[rang];
    if (change(CHAMP_TEXTE))
        o.texte = valeurChamp(CHAMP_TEXTE);
    if (change(CHAMP_NOM))
        o.nom = nom;
    // Le glissement de la souris ne fait rien de plus petit ; un objet relu plus petit le reste
    // tant qu'on ne change pas sa taille.
    for (ChampPanneau c : {CHAMP_LARGEUR, CHAMP_HAUTEUR}) {
        if (change(c) && n[c] < TAILLE_MINIMALE)
            return refuse(c, "au moins " + std::to_string(TAILLE_MINIMALE));
    }
    Coord coin = o.limites.hautGauche;
    if (change(CHAMP_X))
        coin.x = int16_t(n[CHAMP_X]);
    if (change(CHAMP_Y))
        coin.y = int16_t(n[CHAMP_Y]);
    if ((change(CHAMP_X) || change(CHAMP_LARGEUR)) && objets[CHAMP_LARGEUR] &&
        bordTrop(coin.x, CHAMP_LARGEUR))
        return refuse(CHAMP_LARGEUR, "le bord droit passerait 32767");
    if ((change(CHAMP_Y) || change(CHAMP_HAUTEUR)) && objets[CHAMP_HAUTEUR] &&
        bordTrop(coin.y, CHAMP_HAUTEUR))
        return refuse(CHAMP_HAUTEUR, "le bord bas passerait 32767");
    const bool barre = o.genre == TYPE_PROGRESSION;
    // Les cases, le choix et la barre ne sont tenus que par leur coin.
    const bool coinSeul =
        barre || o.genre == TYPE_COCHE || o.genre == TYPE_COCHE_LEGENDEE || o.genre == TYPE_RADIO;
    const int largeur = change(CHAMP_LARGEUR) ? n[CHAMP_LARGEUR] : o.limites.largeur();
    const int hauteur = change(CHAMP_HAUTEUR) ? n[CHAMP_HAUTEUR] : o.limites.hauteur();
    o.limites = coinSeul ? Rect{coin, coin} : Rect{coin, coin + MakeCoord(largeur, hauteur)};
    if (barre && change(CHAMP_LARGEUR))
        o.largeur = n[CHAMP_LARGEUR];
    if (change(CHAMP_COCHEE))
        o.cochee = valeurChamp(CHAMP_COCHEE) == "1";
    if (change(CHAMP_MODIFIABLE))
        o.modifiable = valeurChamp(CHAMP_MODIFIABLE) == "1";
    if (change(CHAMP_MINIMUM) || change(CHAMP_VALEUR) || change(CHAMP_MAXIMUM)) {
        // Le dessin de la barre divise par maximum - minimum ; la souris garde la valeur
        // entre les deux, le panneau aussi, en refusant plutôt qu'en la déplaçant en silence.
        if (n[CHAMP_MINIMUM] >= n[CHAMP_MAXIMUM])
            return refuse(CHAMP_MINIMUM, "doit \xEAtre inf\xE9rieur au maximum");
        if (n[CHAMP_VALEUR] < n[CHAMP_MINIMUM] || n[CHAMP_VALEUR] > n[CHAMP_MAXIMUM])
            return refuse(CHAMP_VALEUR, "doit \xEAtre entre le minimum et le maximum");
        o.minimum = n[CHAMP_MINIMUM];
        o.valeur = n[CHAMP_VALEUR];
        o.maximum = n[CHAMP_MAXIMUM];
    }
    if (change(CHAMP_LONGUEUR_MAX)) {
        if (n[CHAMP_LONGUEUR_MAX] < 1)
            return refuse(CHAMP_LONGUEUR_MAX, "au moins 1");
        o.longueurMax = n[CHAMP_LONGUEUR_MAX];
    }
    // Le champ couperait son contenu sans rien dire.
    if (o.genre == TYPE_SAISIE && int(o.texte.size()) > o.longueurMax)
        return refuse(CHAMP_TEXTE,
                      "plus long que la longueur maximale (" + std::to_string(o.longueurMax) + ")");
    if (change(CHAMP_GROUPE))
        o.groupe = n[CHAMP_GROUPE];
    m.objets[rang] = o;
    return true;
}

void CPanneauProprietes::montreErreur()
{
    zoneErreur->setTexte(texteErreur.c_str());
    if (erreurMontree)
        return;
    // Les boutons descendent sous la ligne de l'erreur, le panneau grandit et se replace.
    erreurMontree = true;
    for (CBouton* b : {boutonParDefaut, boutonAnnuler})
        b->setLimites(b->limites + MakeCoord(0, HAUTEUR_ERREUR));
    setLimites(Rect{limites.hautGauche, limites.basDroite + MakeCoord(0, HAUTEUR_ERREUR)});
    place();
}

void CPanneauProprietes::valide(CObjetGDI*)
{
    MiseEnPage m = editeur.miseEnPage();
    std::string message;
    ChampPanneau fautif = ordre.front();
    if (!lis(m, message, fautif)) {
        messageErreur = message;
        texteErreur = DEBUT_ERREUR + message;
        montreErreur();
        donneFocus(objets[fautif]);
        if (CSaisie* s = saisie(fautif))
            s->selectionne(0, int(s->contenu().size()));
        return;
    }
    aDetruire = true;
    if (m != editeur.miseEnPage())
        editeur.appliqueProprietes(Etape{m, origine.selection});
    else
        reselectionne();
}

void CPanneauProprietes::abandonne(CObjetGDI*)
{
    aDetruire = true;
    reselectionne();
}

void CPanneauProprietes::reselectionne()
{
    objetSelectionne = nullptr;
    int i = 0;
    for (Noeud<CObjetGDI*>* n = editeur.enfants.queue; n && origine.selection >= 0;
         n = n->precedent) {
        ObjetPlace o;
        if (!Document::prendsObjet(n->element, nullptr, o))
            continue;
        if (i++ == origine.selection) {
            objetSelectionne = n->element;
            return;
        }
    }
}
