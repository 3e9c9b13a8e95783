// Pile des styles de texte et interprétation des balises, un élément à la fois.
#include "text/StyleTexte.h"

#include <climits>
#include <cstdlib>
#include <cstring>

StyleTexte pileStyles[TAILLE_PILE_STYLES] = {STYLE_DE_BASE};
int profondeurStyle = 0;
int niveauxHorsPile = 0;

namespace
{
struct CouleurNommee {
    const char* nom; // avec son apostrophe fermante, qui fait partie de la comparaison
    Couleur couleur;
};

const CouleurNommee COULEURS_NOMMEES[] = {
    {"noir'", {0, 0, 0, 255}},          {"blanc'", {255, 255, 255, 255}},
    {"rouge'", {255, 0, 0, 255}},       {"vert'", {0, 255, 0, 255}},
    {"bleu'", {0, 0, 255, 255}},        {"jaune'", {255, 255, 0, 255}},
    {"orange'", {255, 127, 0, 255}},    {"rose'", {255, 0, 255, 255}},
    {"turquoise'", {0, 255, 255, 255}},
};

bool commencePar(const char* p, const char* prefixe)
{
    return std::strncmp(p, prefixe, std::strlen(prefixe)) == 0;
}

// Un entier lu comme la conversion "%i" (décimal, 0x hexadécimal, 0 octal),
// ramené aux bornes d'un int au lieu de déborder ; valeur inchangée sans nombre.
void litEntier(const char* p, int32_t& valeur)
{
    char* fin = nullptr;
    long v = std::strtol(p, &fin, 0);
    if (fin == p)
        return;
    if (v > INT32_MAX)
        v = INT32_MAX;
    if (v < INT32_MIN)
        v = INT32_MIN;
    valeur = int32_t(v);
}

// Un nom du tableau, sinon jusqu'à quatre nombres "%u" séparés par des virgules ;
// chaque composante absente vaut 255 et chaque composante est bornée à 255.
Couleur litCouleur(const char* p)
{
    for (const CouleurNommee& c : COULEURS_NOMMEES)
        if (commencePar(p, c.nom))
            return c.couleur;

    uint8_t composantes[4] = {255, 255, 255, 255};
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (*p != ',')
                break;
            ++p;
        }
        char* fin = nullptr;
        unsigned long v = std::strtoul(p, &fin, 10);
        if (fin == p)
            break;
        composantes[i] = uint8_t(v > 255 ? 255 : v);
        p = fin;
    }
    return Couleur{composantes[0], composantes[1], composantes[2], composantes[3]};
}

// Le premier caractère après le prochain '>', ou la fin du texte.
const char* apresBalise(const char* p)
{
    const char* fin = std::strchr(p, '>');
    return fin ? fin + 1 : p + std::strlen(p);
}
} // namespace

void remetStyleDeBase()
{
    profondeurStyle = 0;
    niveauxHorsPile = 0;
    pileStyles[0] = STYLE_DE_BASE;
}

bool empileStyle()
{
    if (profondeurStyle >= TAILLE_PILE_STYLES - 1) {
        ++niveauxHorsPile;
        return false;
    }
    pileStyles[profondeurStyle + 1] = pileStyles[profondeurStyle];
    ++profondeurStyle;
    return true;
}

void depileStyle()
{
    if (niveauxHorsPile > 0)
        --niveauxHorsPile;
    else if (profondeurStyle > 0)
        --profondeurStyle;
}

void fermeTousLesStyles()
{
    profondeurStyle = 0;
    niveauxHorsPile = 0;
}

const char* lisElement(const char* p)
{
    if (*p != '<')
        return p + 1;

    // L'ordre compte : la première balise dont le préfixe correspond l'emporte.
    if (commencePar(p, "<p>")) {
        fermeTousLesStyles();
        pileStyles[0].retourLigne = true;
    } else if (commencePar(p, "<br>")) {
        styleCourant().retourLigne = true;
    } else if (commencePar(p, "<b>")) {
        if (empileStyle())
            styleCourant().gras = true;
    } else if (commencePar(p, "<i>")) {
        if (empileStyle())
            styleCourant().italique = true;
    } else if (commencePar(p, "<u>")) {
        if (empileStyle())
            styleCourant().souligne = true;
    } else if (commencePar(p, "<barre>")) {
        if (empileStyle())
            styleCourant().barre = true;
    } else if (commencePar(p, "<centre>")) {
        if (empileStyle())
            styleCourant().alignement |= ALIGNEMENT_CENTRE;
    } else if (commencePar(p, "<align='gauche'>")) {
        if (empileStyle())
            styleCourant().alignement &= ~(ALIGNEMENT_CENTRE | ALIGNEMENT_DROITE);
    } else if (commencePar(p, "<align='droite'>")) {
        if (empileStyle())
            styleCourant().alignement |= ALIGNEMENT_DROITE;
    } else if (commencePar(p, "<taille='")) {
        if (empileStyle())
            litEntier(p + std::strlen("<taille='"), styleCourant().taille);
    } else if (commencePar(p, "<police='")) {
        if (empileStyle())
            litEntier(p + std::strlen("<police='"), styleCourant().police);
    } else if (commencePar(p, "<couleur='")) {
        if (empileStyle())
            styleCourant().couleur = litCouleur(p + std::strlen("<couleur='"));
    } else if (commencePar(p, "</")) {
        depileStyle();
    }
    return apresBalise(p);
}
