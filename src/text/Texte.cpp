// Découpage en lignes, alignement et dessin glyphe par glyphe du texte balisé.
#include "text/Texte.h"

#include "render/LotGL.h"
#include "render/PilesDessin.h"
#include "text/Police.h"
#include "text/StyleTexte.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace
{
const int ECART_GLYPHES = 2;       // pixels après chaque glyphe
const double AVANCE_ESPACE = 10.0; // avance propre d'une espace, à l'échelle 1
const double PENTE_ITALIQUE = 3.0; // décalage du haut des glyphes penchés, à l'échelle 1
const int INTERLIGNE = 3;

// Troncature vers zéro, bornée à un int : une taille démesurée ne déborde pas.
int tronque(double v)
{
    if (v != v)
        return 0;
    if (v >= double(INT_MAX))
        return INT_MAX;
    if (v <= double(INT_MIN))
        return INT_MIN;
    return int(v);
}

double echelle(const StyleTexte& s)
{
    return s.taille / double(TAILLE_NATURELLE);
}

int largeurGlyphe(const Rect& g)
{
    return g.basDroite.x - g.hautGauche.x;
}

// Largeur de la ligne après le glyphe c dans le style courant, écart et gras compris.
int avanceGlyphe(unsigned char c, int largeur)
{
    const StyleTexte& s = styleCourant();
    const Rect& g = policeDuStyle(s.police).glyphes[c];
    return tronque(largeurGlyphe(g) * echelle(s) + (s.gras ? 1 : 0) + largeur + ECART_GLYPHES);
}

// Ce qu'une espace ajoute encore après son avance de glyphe.
int avanceEspace(int largeur)
{
    return tronque(AVANCE_ESPACE * echelle(styleCourant()) + largeur);
}

// Descente d'une ligne à la suivante : sa hauteur, ou la taille courante pour une
// ligne sans caractère, plus l'interligne. Calculée en 64 bits : une taille
// proche de INT_MAX ne déborde pas.
long long pasDeLigne(int hauteurLigne)
{
    const long long hauteur = hauteurLigne != 0 ? hauteurLigne : styleCourant().taille;
    return hauteur + INTERLIGNE;
}

// Toute la pile des styles : la passe de dessin repart exactement de l'état du
// début de ligne, même quand la ligne referme un niveau ouvert plus haut.
struct EtatStyles {
    StyleTexte pile[TAILLE_PILE_STYLES];
    int profondeur;
    int horsPile;
};

void sauveStyles(EtatStyles& e)
{
    std::copy(pileStyles, pileStyles + TAILLE_PILE_STYLES, e.pile);
    e.profondeur = profondeurStyle;
    e.horsPile = niveauxHorsPile;
}

void restaureStyles(const EtatStyles& e)
{
    std::copy(e.pile, e.pile + TAILLE_PILE_STYLES, pileStyles);
    profondeurStyle = e.profondeur;
    niveauxHorsPile = e.horsPile;
}

// Entre deux textes : profondeur 0 et aucune demande de retour à la ligne.
void termineTexte()
{
    fermeTousLesStyles();
    pileStyles[0].retourLigne = false;
}

// La plume d'une ligne : le renderer place chaque glyphe depuis elle comme le repère translaté
// d'OpenGL le placerait ; son x sert ici au test du bord droit.
struct Plume {
    double x;

    Plume(long long x0, long long hautLigne) : x(double(x0))
    {
        debutLigneTexte(x, HAUTEUR_ECRAN - hautLigne);
    }

    void avance(double d)
    {
        avanceTexte(d);
        x += d;
    }

    void termine() const { finLigneTexte(); }
};

// Un glyphe au point de la plume.
void quad(const Rect& g, double pente, double qw, double qh)
{
    const float texels[4] = {float(g.hautGauche.x / double(LARGEUR_IMAGE_POLICE)),
                             float(1.0 - g.hautGauche.y / double(HAUTEUR_IMAGE_POLICE)),
                             float(g.basDroite.x / double(LARGEUR_IMAGE_POLICE)),
                             float(1.0 - g.basDroite.y / double(HAUTEUR_IMAGE_POLICE))};
    const int sommets[8] = {tronque(pente), 0, tronque(pente + qw), 0, tronque(qw),
                            tronque(qh),    0, tronque(qh)};
    quadGlyphe(texels, sommets);
}

// Dessine c au point de la plume, haut de ligne en y = 0 de son repère, puis avance.
void dessineCaractere(unsigned char c, Plume& plume)
{
    const StyleTexte& s = styleCourant();
    const Police& police = policeDuStyle(s.police);
    const Rect& g = police.glyphes[c];
    const double e = echelle(s);
    const double qw = largeurGlyphe(g) * e;
    const double qh = (g.hautGauche.y - g.basDroite.y) * e;
    const double pente = s.italique ? PENTE_ITALIQUE * e : 0.0;

    // Seul le bord droit du découpage est testé ; la plume avance quand même.
    if (pente + qw + plume.x > decoupageCourant().basDroite.x) {
        plume.avance(qw + ECART_GLYPHES);
        return;
    }

    const int gras = s.gras ? 1 : 0;
    const int finTrait = tronque(gras + qw + 1);
    couleurTexte(s.couleur);
    if (s.souligne)
        decorationTexte(-2, finTrait, tronque(-(double(s.taille) + 1)));
    if (s.barre)
        decorationTexte(-2, finTrait, tronque(-(double(s.taille / 2) + 1)));

    if (c == ' ') {
        plume.avance(AVANCE_ESPACE * e);
        return;
    }

    debutGlyphes(police.nomTexture);
    quad(g, pente, qw, qh);
    if (s.gras) {
        // Le gras est le même glyphe redessiné un pixel plus loin.
        plume.avance(1);
        quad(g, pente, qw, qh);
    }
    finGlyphes();
    plume.avance(qw + ECART_GLYPHES);
}

// Où finit une ligne, mesurée sans rien dessiner.
struct Ligne {
    const char* fin;
    int largeur;
    int hauteur; // la plus grande taille de ses caractères, 0 sans caractère
    bool arret;  // la ligne passerait le bas : ni elle ni la suite ne sont dessinées
};

Ligne mesureLigne(const char* debut, long long haut, long long bas, long long largeurMax)
{
    Ligne l{debut, 0, 0, false};
    const char* coupure = nullptr;
    int largeurCoupure = 0;
    int hauteurCoupure = 0;
    for (;;) {
        const long long pied = haut + styleCourant().taille;
        if (pied > decoupageCourant().basDroite.y || pied > bas) {
            l.arret = true;
            return l;
        }
        const char* element = l.fin;
        const unsigned char c = static_cast<unsigned char>(*element);
        const int largeurAvant = l.largeur;
        const int hauteurAvant = l.hauteur;
        const bool caractere = c != '<';
        if (caractere) {
            l.largeur = avanceGlyphe(c, l.largeur);
            l.hauteur = std::max(l.hauteur, int(styleCourant().taille));
            if (c == ' ' || c == '-') {
                // L'espace ou le trait d'union reste en fin de ligne.
                coupure = element + 1;
                largeurCoupure = l.largeur;
                hauteurCoupure = l.hauteur;
            }
            if (c == ' ')
                l.largeur = avanceEspace(l.largeur);
        }
        l.fin = lisElement(element);
        if (caractere && l.largeur > largeurMax) {
            if (coupure) {
                l.fin = coupure;
                l.largeur = largeurCoupure;
                l.hauteur = hauteurCoupure;
            } else {
                l.fin = element;
                l.largeur = largeurAvant;
                l.hauteur = hauteurAvant;
            }
            styleCourant().retourLigne = true;
        }
        if (styleCourant().retourLigne || *l.fin == '\0')
            return l;
    }
}

void disposeTexte(Coord hautGauche, Coord basDroite, const char* texte)
{
    const Coord origine = origineCourante();
    hautGauche = hautGauche + origine;
    basDroite = basDroite + origine;
    const long long gauche = hautGauche.x;
    const long long droite = basDroite.x;
    const long long bas = basDroite.y;
    long long hautLigne = hautGauche.y;

    const char* debutLigne = texte;
    EtatStyles etatDebut;
    sauveStyles(etatDebut);
    while (*debutLigne != '\0') {
        const Ligne ligne = mesureLigne(debutLigne, hautLigne, bas, droite - gauche);
        if (ligne.arret)
            break;

        // La passe de dessin relit les balises de la ligne depuis l'état du début.
        restaureStyles(etatDebut);
        const char* p = debutLigne;
        if (p < ligne.fin && *p == '<')
            p = lisElement(p);
        long long x = gauche;
        if (styleCourant().alignement & ALIGNEMENT_CENTRE)
            x = (droite - ligne.largeur + gauche) / 2;
        else if (styleCourant().alignement & ALIGNEMENT_DROITE)
            x = droite - ligne.largeur;
        Plume plume(x, hautLigne);
        while (p < ligne.fin) {
            if (*p == '<') {
                p = lisElement(p);
            } else {
                dessineCaractere(static_cast<unsigned char>(*p), plume);
                ++p;
            }
        }
        plume.termine();

        const long long avance = pasDeLigne(ligne.hauteur);
        hautLigne += avance;
        styleCourant().retourLigne = false;
        if (ligne.fin == debutLigne) {
            // Une ligne qui n'avance pas dans le texte se répète à l'identique, même
            // état des styles, jusqu'au bas ; si elle ne descend pas, sans fin.
            if (avance <= 0)
                break;
            // Une taille négative a pu la faire remonter de milliards de pixels : les
            // répétitions au-dessus du découpage ne montrent rien, on les saute d'un coup
            // pour que le temps reste borné par la longueur du texte.
            const long long hautVisible = decoupageCourant().hautGauche.y;
            if (hautLigne < hautVisible)
                hautLigne += (hautVisible - hautLigne + avance - 1) / avance * avance;
        }
        debutLigne = ligne.fin;
        sauveStyles(etatDebut);
    }
    termineTexte();
}
} // namespace

void afficheTexte(Coord hautGauche, Coord basDroite, const char* format, ...)
{
    char tampon[TAILLE_TAMPON_TEXTE];
    va_list arguments;
    va_start(arguments, format);
    // vsnprintf coupe à la taille du tampon et termine toujours par un zéro.
    if (std::vsnprintf(tampon, sizeof tampon, format, arguments) < 0)
        tampon[0] = '\0';
    va_end(arguments);
    disposeTexte(hautGauche, basDroite, tampon);
}

void afficheTexteLitteral(Coord hautGauche, Coord basDroite, const char* texte)
{
    char tampon[TAILLE_TAMPON_TEXTE];
    size_t n = texte ? strnlen(texte, TAILLE_TAMPON_TEXTE - 1) : 0;
    std::memcpy(tampon, texte ? texte : "", n);
    tampon[n] = '\0';
    disposeTexte(hautGauche, basDroite, tampon);
}

Rect mesureTexte(Coord position, const char* texte)
{
    if (!texte || *texte == '\0') {
        termineTexte();
        return Rect{position, position};
    }
    int plusLarge = 0;
    long long hauteurTotale = 0;
    const char* p = texte;
    while (*p != '\0') {
        int largeur = 0;
        int hauteurLigne = 0;
        while (*p != '\0' && !styleCourant().retourLigne) {
            const unsigned char c = static_cast<unsigned char>(*p);
            if (c != '<') {
                largeur = avanceGlyphe(c, largeur);
                hauteurLigne = std::max(hauteurLigne, int(styleCourant().taille));
                if (c == ' ')
                    largeur = avanceEspace(largeur);
            }
            p = lisElement(p);
        }
        plusLarge = std::max(plusLarge, largeur);
        hauteurTotale += pasDeLigne(hauteurLigne);
        styleCourant().retourLigne = false;
    }
    termineTexte();
    return Rect{position, position + MakeCoord(plusLarge, int(uint32_t(hauteurTotale)))};
}

// Texte brut : les aides de la mise en page, sans balises ni coupure de ligne.
namespace
{
// Avance mesurée d'un caractère brut après une largeur donnée, espace comprise.
int avanceBrute(unsigned char c, int largeur)
{
    largeur = avanceGlyphe(c, largeur);
    return c == ' ' ? avanceEspace(largeur) : largeur;
}
} // namespace

int largeurTexteBrut(const char* texte, size_t n)
{
    int largeur = 0;
    for (size_t i = 0; texte && i < n; ++i)
        largeur = avanceBrute(static_cast<unsigned char>(texte[i]), largeur);
    return largeur;
}

void afficheTexteBrut(Coord position, const char* texte, size_t n)
{
    const Coord p = position + origineCourante();
    const long long gaucheVisible = decoupageCourant().hautGauche.x;
    Plume plume(p.x, p.y);
    int largeur = 0;
    for (size_t i = 0; texte && i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(texte[i]);
        const int suivante = avanceBrute(c, largeur);
        // La plume suit la mesure : le curseur d'un champ tombe entre les glyphes dessinés.
        plume.avance(p.x + largeur - plume.x);
        if (p.x + largeur >= gaucheVisible)
            dessineCaractere(c, plume);
        largeur = suivante;
    }
    plume.termine();
    termineTexte();
}
