// Pilote de l'éditeur réel par ses rappels, décodage des octets en événements et contrôle des
// lignes du source exporté.
#include "PiloteEditeur.h"

#include "application/Entrees.h"
#include "application/Plateforme.h"
#include "containers/CContainer.h"
#include "editor/CFenetrePrincipale.h"
#include "editor/CSelectionObjetGDI.h"
#include "editor/Editeur.h"
#include "editor/EtatEditeur.h"
#include "render/PilesDessin.h"
#include "text/StyleTexte.h"
#include "widgets/CBouton.h"

#include "EnregistreurGL.h"

#include <algorithm>
#include <regex>
#include <sstream>

namespace
{
int tempsPilote = 0;
bool majPilote = false;

// Les touches qui commandent l'éditeur, son menu et ses fenêtres, tirées plus souvent que les
// autres pour que les suites aléatoires éditent vraiment.
const unsigned char TOUCHES_COMMANDES[] = {
    TOUCHE_ESPACE,  TOUCHE_PLUS, TOUCHE_MOINS, TOUCHE_ESPACE, TOUCHE_PLUS,   TOUCHE_MOINS,
    TOUCHE_ENTREE,  'a',         TOUCHE_SUPPR, TOUCHE_ANNULE, TOUCHE_ANNULE, TOUCHE_RETABLIT,
    TOUCHE_DUPLIQUE};

int entier16(const uint8_t* o)
{
    return o[0] | (o[1] << 8);
}
} // namespace

PiloteEditeur::PiloteEditeur()
{
    plateforme.temps = [] { return tempsPilote; };
    plateforme.termine = [](int) {};
    quitterEditeur = &quitte;
    majTenue = [] { return majPilote; };
    // Le journal n'est pas relu : les appels OpenGL traversent l'enregistreur sans y rester.
    enregistreur::rendMuet(true);
}

PiloteEditeur::~PiloteEditeur()
{
    if (racine) {
        CContainer* arbre = racine;
        racine = nullptr;
        delete arbre;
    }
    quitterEditeur = nullptr;
    majTenue = nullptr;
    plateformeParDefaut();
    enregistreur::rendMuet(false);
    enregistreur::efface();
}

void PiloteEditeur::signale(const std::string& quoi)
{
    if (premiereAnomalie.empty())
        premiereAnomalie = "événement " + std::to_string(nombreEvenements) + " : " + quoi;
}

void PiloteEditeur::verifiePiles(const char* quand)
{
    if (profondeurOrigines() != 0 || profondeurDecoupages() != 0)
        signale(std::string("piles de dessin non vides ") + quand);
    if (profondeurStyle != 0 || niveauxHorsPile != 0)
        signale(std::string("pile des styles hors de la profondeur 0 ") + quand);
}

size_t PiloteEditeur::joue(const uint8_t* o, size_t n)
{
    if (n == 0)
        return 0;
    const int code = o[0] & 7;
    // Octets lus par genre : mouvement absolu, mouvement relatif, appui, relâchement,
    // touche, touche spéciale, inactivité, image.
    static const size_t LONGUEURS[8] = {5, 3, 2, 2, 2, 2, 1, 1};
    const size_t longueur = LONGUEURS[code];
    if (n < longueur)
        return 0;
    if (!racine) {
        signale("arbre détruit sans Échap");
        return longueur;
    }
    ++nombreEvenements;
    switch (code) {
    case 0: // n'importe où, un peu hors de l'écran compris, ou dans la fenêtre éditée
        if ((o[4] & 0x80) && fenetrePrincipale) {
            const Rect f = fenetrePrincipale->limites + racine->limites.hautGauche;
            x = f.hautGauche.x + entier16(o + 1) % std::max(1, int(f.largeur()));
            y = f.hautGauche.y + (entier16(o + 3) & 0x7FFF) % std::max(1, int(f.hauteur()));
        } else {
            x = entier16(o + 1) % 1200 - 88;
            y = entier16(o + 3) % 900 - 66;
        }
        mouvementSouris(x, y);
        break;
    case 1: // petit pas, pour les glissements, ou droit sur une icône du menu ouvert
        if (o[1] >= 0xE0 && versIcone(o[2] % NOMBRE_TYPES_OBJETS)) {
            // Le clic sur l'icône, sans quoi le choix n'arrive presque jamais au hasard.
            boutonSouris(BOUTON_GAUCHE, ETAT_ENFONCE, x, y);
            boutonSouris(BOUTON_GAUCHE, ETAT_RELACHE, x, y);
            break;
        }
        // Bornés comme ce que rapporte une fenêtre plein écran, bouton tenu hors d'elle.
        x = std::min(2048, std::max(-1024, x + int8_t(o[1]) % 24));
        y = std::min(2048, std::max(-1024, y + int8_t(o[2]) % 24));
        mouvementSouris(x, y);
        break;
    case 2:
        boutonSouris(o[1] % 3, ETAT_ENFONCE, x, y);
        break;
    case 3:
        boutonSouris(o[1] % 3, ETAT_RELACHE, x, y);
        break;
    case 4: {
        const unsigned char touche =
            o[1] < 128 ? TOUCHES_COMMANDES[o[1] % sizeof TOUCHES_COMMANDES] : o[1];
        // Échap termine la séance : il n'est joué qu'à la fin, par quitteParEchap.
        if (touche != TOUCHE_ECHAP)
            clavier(touche, x, y);
        break;
    }
    case 5:
        // F1, une flèche (Maj tenue une fois sur deux), ou n'importe quel code.
        majPilote = o[1] & 4;
        toucheSpecialeAppuyee(o[1] < 64    ? TOUCHE_F1
                              : o[1] < 128 ? TOUCHE_GAUCHE + o[1] % 4
                                           : o[1],
                              x, y);
        break;
    case 6:
        tempsPilote += 1 + (o[0] >> 3) * 9;
        inactivite();
        break;
    case 7:
        affichage();
        ++nombreImages;
        verifiePiles("après une image");
        enregistreur::efface();
        break;
    }
    return longueur;
}

bool PiloteEditeur::versIcone(int k)
{
    // Les icônes ne sont sûres que tant que leur menu est au premier plan de la fenêtre éditée.
    if (!fenetrePrincipale || !fenetrePrincipale->enfants.tete)
        return false;
    CSelectionObjetGDI* menu =
        dynamic_cast<CSelectionObjetGDI*>(fenetrePrincipale->enfants.tete->element);
    if (!menu || !boutonsSelection[k] || boutonsSelection[k]->parent != menu)
        return false;
    Coord c = boutonsSelection[k]->limites.hautGauche +
              MakeCoord(boutonsSelection[k]->limites.largeur() / 2,
                        boutonsSelection[k]->limites.hauteur() / 2);
    for (CContainer* p = menu; p; p = p->parent)
        c = c + p->limites.hautGauche + MakeCoord(p->skin.margeGauche, p->skin.margeHaut);
    x = c.x;
    y = c.y;
    mouvementSouris(x, y);
    return true;
}

void PiloteEditeur::joueTout(const uint8_t* octets, size_t taille)
{
    size_t lus = 0;
    while (size_t n = joue(octets + lus, taille - lus))
        lus += n;
}

bool PiloteEditeur::quitteParEchap(int limite)
{
    for (int i = 0; i < limite && racine; ++i) {
        clavier(TOUCHE_ECHAP, x, y);
        inactivite();
    }
    enregistreur::efface();
    return racine == nullptr;
}

std::vector<std::string> PiloteEditeur::lignesMalFormees(const std::string& source)
{
    const std::string entier = "-?[0-9]+";
    const std::string rect = "MakeRect\\((" + entier + ",){3}" + entier + "\\)";
    const std::string coin = "MakeCoord\\(" + entier + "," + entier + "\\)";
    const std::string booleen = "(true|false)";
    const std::regex objet(
        "\tajouteObjetGDI\\(new (CTexte\\(" + rect + ", \"Zone de texte\"\\)" + "|CBouton\\(" +
        rect + ", \"<centre>Bouton\", BOUTON_SKIN_ROND_VARIABLE\\)" + "|CCoche\\(" + coin + ", " +
        booleen + ", COCHE_SKIN_DEFAUT\\)" + "|CImage\\(" + rect + ", BMP_\\)" +
        "|CProgression\\(" + coin + ", " + entier + ", " + booleen + ", (" + entier +
        ", ){3}PROGRESSION_SKIN_DEFAUT\\)" + ")\\) ;");
    const std::regex limites("\tsetLimites\\((PLEIN_ECRAN|" + rect + ")\\) ;");

    std::vector<std::string> lignes;
    std::istringstream flux(source);
    for (std::string l; std::getline(flux, l);)
        lignes.push_back(l);
    std::vector<std::string> fautives;
    if (lignes.size() < 5 || source.back() != '\n') {
        fautives.push_back("fichier incomplet : " + std::to_string(lignes.size()) + " lignes");
        return fautives;
    }
    const char* entete[] = {"", "CFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)", "{"};
    for (size_t i = 0; i < lignes.size(); ++i) {
        const std::string& l = lignes[i];
        bool bonne;
        if (i < 3)
            bonne = l == entete[i];
        else if (i == 3)
            bonne = std::regex_match(l, limites);
        else if (i + 1 == lignes.size())
            bonne = l == "}";
        else
            bonne = std::regex_match(l, objet);
        if (!bonne)
            fautives.push_back("ligne " + std::to_string(i + 1) + " : " + l);
    }
    return fautives;
}
