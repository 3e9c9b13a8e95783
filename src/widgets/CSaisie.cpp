// CSaisie : touches et souris vers l'édition de la ligne, presse-papiers, défilement et dessin
// du champ (cadre selon l'état, sélection, texte brut, curseur clignotant).
#include "widgets/CSaisie.h"

#include "render/DecoupageLocal.h"
#include "render/MorceauSkin.h"
#include "render/OrigineLocale.h"
#include "render/PorteeDessin.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "text/StyleTexte.h"
#include "text/Texte.h"
#include "widgets/AppuiSurvol.h"
#include "widgets/Clavier.h"
#include "widgets/DemandeImage.h"
#include "widgets/PressePapiers.h"

#include <algorithm>
#include <cstdlib>

namespace
{
// Codes de GLUT des touches spéciales employées.
const int TOUCHE_GAUCHE = 100;
const int TOUCHE_DROITE = 102;
const int TOUCHE_DEBUT = 106;
const int TOUCHE_FIN = 107;
const int TOUCHE_SUPPR = 111; // Suppr du pavé numérique, que GLUT ne donne pas en caractère
// Octets que GLUT donne pour Ctrl+lettre.
const unsigned char CTRL_A = 1, CTRL_C = 3, CTRL_V = 22, CTRL_X = 24, CTRL_Y = 25, CTRL_Z = 26;
const unsigned char RETOUR_ARRIERE = 8, TAB = 9, ENTREE = 13, ECHAP = 27, SUPPR = 127;
const unsigned char PUCE = 0x95;

const int HAUTEUR_GLYPHE = 17; // lignes montrées d'un glyphe à la taille naturelle
const int DEMI_PERIODE = 530;  // ms de curseur allumé, puis éteint
const int DOUBLE_CLIC = 400;   // ms au plus entre les deux appuis d'un double clic
// Le curseur ne clignote que ce temps après le dernier geste ou changement de focus, puis reste
// allumé sans plus demander d'image : un programme au repos dort.
const int DUREE_CLIGNOTEMENT = 10000;

// Abscisse de chaque position du texte montré : somme des avances mesurées.
std::vector<int> abscisses(const std::string& s)
{
    std::vector<int> x(s.size() + 1, 0);
    for (size_t i = 0; i < s.size(); ++i)
        x[i + 1] = x[i] + largeurTexteBrut(s.data() + i, 1);
    return x;
}
} // namespace

bool CSaisie::tousCaracteres(unsigned char /*c*/)
{
    return true;
}

bool CSaisie::chiffresSeulement(unsigned char c)
{
    return c >= '0' && c <= '9';
}

CSaisie::CSaisie(Rect r, const char* texte, int longueurMax)
    : skin(skinSaisie(SAISIE_SKIN_DEFAUT)), edition(texte, longueurMax)
{
    setLimites(r);
    ajouteGestionnaire(evenements[EVT_APPUI_GAUCHE], this, &CSaisie::appuie);
    ajouteGestionnaire(evenements[EVT_SURVOL], this, &CSaisie::survol);
    ajouteGestionnaire(evenements[EVT_SURVOL_APPUYE], this, &CSaisie::glisse);
    ajouteGestionnaire(evenements[EVT_APPUYE_DEHORS], this, &CSaisie::glisse);
    ajouteGestionnaire(evenements[EVT_MISE_A_JOUR], this, &CSaisie::finSurvol);
    ajouteGestionnaire(evenements[EVT_DESSIN], this, &CSaisie::dessine);
}

CSaisie::~CSaisie()
{
    changementTexte.vide();
    validation.vide();
}

const std::string& CSaisie::contenu() const
{
    return edition.texte();
}

void CSaisie::setContenu(const char* texte)
{
    edition.remplace(texte);
    demandeImage();
}

int CSaisie::longueurMax() const
{
    return edition.longueurMax();
}

int CSaisie::curseur() const
{
    return edition.curseur();
}

int CSaisie::debutSelection() const
{
    return edition.debutSelection();
}

int CSaisie::finSelection() const
{
    return edition.finSelection();
}

void CSaisie::selectionne(int ancre, int curseur)
{
    edition.selectionne(ancre, curseur);
    apresGeste(false);
}

bool CSaisie::actif() const
{
    // desactiveEvenements vide les listes d'entrée, dont celle de l'appui.
    return evenements[EVT_APPUI_GAUCHE].nombre > 0;
}

bool CSaisie::accepteFocus()
{
    return actif();
}

bool CSaisie::accepte(unsigned char c) const
{
    return c >= 32 && c != SUPPR && (!filtre || filtre(c));
}

bool CSaisie::toucheFocus(int touche, int modificateurs)
{
    if (!actif())
        return false;
    const unsigned char c = static_cast<unsigned char>(touche);
    if (c == ENTREE || c == TAB) {
        // Validée, puis laissée à la fenêtre : bouton par défaut, focus suivant.
        modifie = false;
        declenche(validation, this);
        return false;
    }
    if (c == ECHAP)
        return false;
    if (c == RETOUR_ARRIERE || c == SUPPR) {
        apresGeste(edition.efface(c == RETOUR_ARRIERE));
        return true;
    }
    if (c < 32)
        return touchePresse(c);
    // Ctrl sans Alt (Alt Gr) : un raccourci du programme, pas un caractère.
    if ((modificateurs & MODIFICATEUR_CTRL) && !(modificateurs & MODIFICATEUR_ALT))
        return false;
    if (accepte(c))
        apresGeste(edition.frappe(c));
    return true;
}

bool CSaisie::touchePresse(unsigned char controle)
{
    switch (controle) {
    case CTRL_A:
        edition.selectionne(0, int(contenu().size()));
        apresGeste(false);
        return true;
    case CTRL_C:
    case CTRL_X:
        // Un mot de passe ne sort jamais du champ.
        if (motDePasse || !edition.aSelection())
            return true;
        ecrisPressePapiers(edition.selection());
        if (controle == CTRL_X)
            apresGeste(edition.efface(true));
        return true;
    case CTRL_V: {
        std::string colle;
        for (const char o : lisPressePapiers())
            if (accepte(static_cast<unsigned char>(o)))
                colle += o;
        apresGeste(edition.colle(colle));
        return true;
    }
    case CTRL_Z:
        apresGeste(edition.annule());
        return true;
    case CTRL_Y:
        apresGeste(edition.retablit());
        return true;
    default:
        return false;
    }
}

bool CSaisie::toucheSpecialeFocus(int touche, int modificateurs)
{
    if (!actif())
        return false;
    if (touche == TOUCHE_SUPPR)
        return toucheFocus(SUPPR, modificateurs);
    const bool etend = modificateurs & MODIFICATEUR_MAJ;
    const bool mot = modificateurs & MODIFICATEUR_CTRL;
    const int p = edition.curseur();
    const int n = int(contenu().size());
    int cible;
    if (touche == TOUCHE_GAUCHE) {
        if (!etend && !mot && edition.aSelection())
            cible = edition.debutSelection();
        else if (mot)
            cible = motDePasse ? 0 : edition.motPrecedent(p);
        else
            cible = p - 1;
    } else if (touche == TOUCHE_DROITE) {
        if (!etend && !mot && edition.aSelection())
            cible = edition.finSelection();
        else if (mot)
            cible = motDePasse ? n : edition.motSuivant(p);
        else
            cible = p + 1;
    } else if (touche == TOUCHE_DEBUT) {
        cible = 0;
    } else if (touche == TOUCHE_FIN) {
        cible = n;
    } else {
        // Haut, bas et les autres restent au programme autour du champ.
        return false;
    }
    edition.place(cible, etend);
    apresGeste(false);
    return true;
}

void CSaisie::changeFocus(bool aLeFocus)
{
    edition.coupeFrappe();
    debutClignotement = horlogeBoiteAOutils();
    demandeImage();
    if (!aLeFocus && modifie) {
        modifie = false;
        declenche(validation, this);
    }
}

void CSaisie::apresGeste(bool edite)
{
    debutClignotement = horlogeBoiteAOutils();
    ajusteDefilement();
    demandeImage();
    if (edite) {
        modifie = true;
        declenche(changementTexte, this);
    }
}

std::string CSaisie::montre() const
{
    return motDePasse ? std::string(contenu().size(), char(PUCE)) : contenu();
}

int CSaisie::ajusteDefilement()
{
    const std::vector<int> x = abscisses(montre());
    const int utile = std::max(1, limites.largeur() - 2 * skin.margeTexte);
    const int c = x[size_t(edition.curseur())];
    if (c - defilement > utile - 1)
        defilement = c - utile + 1;
    if (c < defilement)
        defilement = c;
    // Du texte effacé à droite : le reste revient remplir le champ.
    if (x.back() - defilement < utile - 1)
        defilement = x.back() - utile + 1;
    defilement = std::max(defilement, 0);
    return utile;
}

int CSaisie::positionSous(int xSouris)
{
    ajusteDefilement();
    const std::vector<int> x = abscisses(montre());
    const int cible = xSouris - skin.margeTexte + defilement;
    int meilleure = 0;
    for (size_t i = 1; i < x.size(); ++i)
        if (std::abs(x[i] - cible) < std::abs(x[size_t(meilleure)] - cible))
            meilleure = int(i);
    return meilleure;
}

void CSaisie::appuie(CObjetGDI* /*emetteur*/)
{
    const int p = positionSous(souris.x);
    const int32_t maintenant = horlogeBoiteAOutils();
    if (maintenant - dernierAppui <= DOUBLE_CLIC && p == positionAppui) {
        int debut = 0, fin = int(contenu().size());
        if (!motDePasse)
            edition.motAutour(p, debut, fin);
        edition.selectionne(debut, fin);
        // Un troisième appui recommence un clic simple.
        dernierAppui = maintenant - DOUBLE_CLIC - 1;
    } else {
        edition.place(p, modificateursClavier() & MODIFICATEUR_MAJ);
        dernierAppui = maintenant;
    }
    positionAppui = p;
    glisseDepuisAppui = false;
    apresGeste(false);
}

void CSaisie::glisse(CObjetGDI* /*emetteur*/)
{
    if (!AppuiSurvol::appuiGauche(*this))
        return;
    const int p = positionSous(souris.x);
    // Tant que la souris reste où l'appui a eu lieu, le mot d'un double clic reste choisi.
    if (!glisseDepuisAppui && p == positionAppui)
        return;
    glisseDepuisAppui = true;
    if (p != edition.curseur()) {
        edition.place(p, true);
        apresGeste(false);
    }
}

void CSaisie::survol(CObjetGDI* /*emetteur*/)
{
    survole = true;
}

void CSaisie::finSurvol(CObjetGDI* /*emetteur*/)
{
    survole = false;
}

void CSaisie::dessine(CObjetGDI* /*emetteur*/)
{
    const PorteeDessin portee;
    const bool enService = actif() || apercu;
    const int W = limites.largeur(), H = limites.hauteur();
    const OrigineLocale origine(limites.hautGauche);
    if (textureDuJeu(skin.texture))
        dessineCadre(enService);

    ajusteDefilement();
    const std::string s = montre();
    const std::vector<int> x = abscisses(s);
    const int gauche = skin.margeTexte - defilement;
    const int haut = (H - HAUTEUR_GLYPHE) / 2;
    const DecoupageLocal decoupage(MakeCoord(3, 2), MakeCoord(W - 3, H - 2));
    const bool focus = aLeFocus();
    if (focus && edition.aSelection())
        remplitRectangle(
            MakeCoord(gauche + x[size_t(edition.debutSelection())], haut),
            MakeCoord(gauche + x[size_t(edition.finSelection())], haut + HAUTEUR_GLYPHE),
            skin.couleurSelection);

    const Couleur avant = styleCourant().couleur;
    styleCourant().couleur = enService ? skin.couleurTexte : skin.couleurTexteInactif;
    afficheTexteBrut(MakeCoord(gauche, haut), s.data(), s.size());
    styleCourant().couleur = avant;

    if (!focus || !enService)
        return;
    // Allumé la première demi-période après chaque geste ; l'image suivante est demandée, tant
    // que le clignotement dure.
    const int32_t ecoule = std::max<int32_t>(horlogeBoiteAOutils() - debutClignotement, 0);
    const bool clignote = ecoule < DUREE_CLIGNOTEMENT;
    if (clignote)
        demandeImageDans(
            std::min(DEMI_PERIODE - ecoule % DEMI_PERIODE, DUREE_CLIGNOTEMENT - ecoule));
    if (!clignote || (ecoule / DEMI_PERIODE) % 2 == 0) {
        const int xc = gauche + x[size_t(edition.curseur())] - 1;
        remplitRectangle(MakeCoord(xc, haut), MakeCoord(xc + 1, haut + HAUTEUR_GLYPHE),
                         skin.couleurCurseur);
    }
}

void CSaisie::dessineCadre(bool enService)
{
    // L'état se lit dans le cadre : inactif, sous le focus, survolé, au repos.
    const Coord d = !enService   ? skin.decalageInactif
                    : aLeFocus() ? skin.decalageFocus
                    : survole    ? skin.decalageSurvol
                                 : Coord{0, 0};
    const int t = skin.texture;
    const Bandes x = bandes(skin.decoupeX, d.x), y = bandes(skin.decoupeY, d.y);
    const int W = limites.largeur(), H = limites.hauteur();
    const int xD = W - x.taille(2), yB = H - y.taille(2);
    dessineImage(t, {0, 0}, texelsDebut(x, y, 0, 0), texelsFin(x, y, 0, 0));
    dessineImage(t, MakeCoord(xD, 0), texelsDebut(x, y, 2, 0), texelsFin(x, y, 2, 0));
    dessineImage(t, MakeCoord(xD, yB), texelsDebut(x, y, 2, 2), texelsFin(x, y, 2, 2));
    dessineImage(t, MakeCoord(0, yB), texelsDebut(x, y, 0, 2), texelsFin(x, y, 0, 2));
    dessineBordsEtCentre(t, x, y, W, H, true);
}
