// Police0 : caractères 33 à 255 de Windows-1252, blancs, leur couverture dans l'alpha.
#include "Dessins.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace
{

const int LARGEUR = 256, HAUTEUR = 128;
const int BANDE = 18;           // hauteur d'une bande
const int LIGNES_VISIBLES = 17; // le quadrilatère d'un caractère n'en montre que 17
const int BANDES = 7;
// La mesure s'arrête à la dernière colonne : aucun caractère ne doit l'atteindre.
const int COLONNES_UTILES = LARGEUR - 1;
// Écart que la mise en page laisse après chaque caractère.
const int ECART = 2;
// Colonne, depuis l'origine du caractère, où commence sa case.
const int DEBUT_CASE = 1;
// Une colonne hors de la case dont aucun pixel n'est couvert à moitié n'est qu'une frange.
const int FRANGE = 128;
// Alpha invisible mais non nul, pour relier les morceaux d'un caractère sur la ligne cachée.
const float ALPHA_LIEN = 1.0f / 255.0f;

// Codes 128 à 159 de Windows-1252 ; 0 pour les cinq codes non définis.
const char32_t WINDOWS_1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                   0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t unicode(int code)
{
    if (code >= 128 && code < 160)
        return WINDOWS_1252[code - 128];
    return static_cast<char32_t>(code);
}

// Largeur d'un caractère sans dessin : l'espace insécable avance comme l'espace dessinée
// (10 pixels, soit 8 plus l'écart) ; les autres n'occupent que le minimum.
int largeurVide(int code)
{
    return code == 160 ? 8 : 1;
}

// Un caractère prêt à placer : sa couverture ramenée à la largeur de sa case.
struct Caractere {
    int code = 0;
    int largeur = 0;
    int avance = 0; // avance de la police TrueType
    bool vide = true;
    int haut = 0; // lignes de la ligne de base au haut de l'image
    int hauteur = 0;
    std::vector<uint8_t> couverture;
};

// Colonnes de l'origine du caractère que montre sa case : [debut, debut + largeur).
struct Case {
    int debut, largeur;
};

// Plus forte couverture des colonnes du rendu qui tombent hors de la case.
int plusForteHors(const GlypheRendu& g, Case k)
{
    int m = 0;
    for (int x = 0; x < g.largeur; ++x) {
        int colonne = g.gauche + x;
        if (colonne >= k.debut && colonne < k.debut + k.largeur)
            continue;
        for (int y = 0; y < g.hauteur; ++y)
            m = std::max(m, int(g.couverture[static_cast<size_t>(y) * g.largeur + x]));
    }
    return m;
}

// La mise en page avance de la largeur mesurée plus l'écart : une case large de l'avance moins
// l'écart suit le pas de la police. Elle commence une colonne après l'origine, l'écart se
// partageant de part et d'autre comme les approches de la police. Si la case ne laisse dehors
// que des franges, elles s'y replient ; si elle coupe un trait (un pied de A, la barre du T),
// elle prend une colonne de plus, du côté qui le garde le mieux.
Case choisitCase(const GlypheRendu& g)
{
    Case etroite{DEBUT_CASE, std::max(1, g.avance - ECART)};
    if (plusForteHors(g, etroite) < FRANGE)
        return etroite;
    Case aDroite{DEBUT_CASE, etroite.largeur + 1}, aGauche{DEBUT_CASE - 1, etroite.largeur + 1};
    return plusForteHors(g, aGauche) < plusForteHors(g, aDroite) ? aGauche : aDroite;
}

Caractere prepare(const CPoliceFreeType& police, int code)
{
    Caractere c;
    c.code = code;
    char32_t u = unicode(code);
    // L'espace insécable, le trait d'union conditionnel (jamais une coupure ici, donc
    // jamais visible), DEL et les codes non définis n'ont rien à montrer.
    GlypheRendu g;
    if (u != 0 && code != 127 && code != 160 && code != 173)
        g = police.rend(u);
    bool encre =
        std::any_of(g.couverture.begin(), g.couverture.end(), [](uint8_t v) { return v != 0; });
    if (!encre) {
        c.largeur = largeurVide(code);
        c.avance = c.largeur + ECART;
        return c;
    }
    c.vide = false;
    c.avance = g.avance;
    Case k = choisitCase(g);
    c.largeur = k.largeur;
    c.haut = g.haut;
    c.hauteur = g.hauteur;
    // Une colonne hors de la case verse sa couverture, ligne par ligne, dans la colonne du bord :
    // le bord garde son lissage au lieu de le perdre.
    c.couverture.assign(static_cast<size_t>(c.largeur) * g.hauteur, 0);
    for (int y = 0; y < g.hauteur; ++y)
        for (int x = 0; x < g.largeur; ++x) {
            int i = std::clamp(g.gauche + x - k.debut, 0, c.largeur - 1);
            uint8_t& v = c.couverture[static_cast<size_t>(y) * c.largeur + i];
            v = static_cast<uint8_t>(
                std::min(255, v + g.couverture[static_cast<size_t>(y) * g.largeur + x]));
        }
    return c;
}

} // namespace

CToile dessinePolice0(const Polices& polices, std::vector<GlypheGenere>& table)
{
    CPoliceFreeType police(polices.normale, TAILLE_POLICE);
    std::vector<Caractere> caracteres;
    for (int code = 33; code <= 255; ++code)
        caracteres.push_back(prepare(police, code));

    // Ligne de base : les capitales accentuées touchent le haut de la bande, les jambages
    // descendent au plus jusqu'à la dernière ligne visible.
    int ligneDeBase = 0, plusBas = 0;
    for (const Caractere& c : caracteres)
        if (!c.vide) {
            ligneDeBase = std::max(ligneDeBase, c.haut);
            plusBas = std::max(plusBas, c.hauteur - c.haut);
        }
    if (ligneDeBase + plusBas > LIGNES_VISIBLES) {
        std::fprintf(stderr, "police trop haute : %d lignes pour %d\n", ligneDeBase + plusBas,
                     LIGNES_VISIBLES);
        std::exit(1);
    }

    // Placement dans l'ordre des codes, une colonne vide entre deux caractères.
    CToile toile(LARGEUR, HAUTEUR);
    const Teinte blanc = rvb(255, 255, 255);
    int x = 0, bande = 0;
    table.clear();
    for (const Caractere& c : caracteres) {
        if (x + c.largeur > COLONNES_UTILES) {
            x = 0;
            ++bande;
        }
        if (bande >= BANDES) {
            std::fprintf(stderr, "la police ne tient pas dans ses %d bandes\n", BANDES);
            std::exit(1);
        }
        int y0 = bande * BANDE;
        table.push_back({c.code, x, y0, c.largeur, c.vide, c.avance});
        std::vector<bool> encree(c.largeur, false);
        for (int y = 0; y < c.hauteur; ++y)
            for (int i = 0; i < c.largeur; ++i) {
                uint8_t v = c.couverture[static_cast<size_t>(y) * c.largeur + i];
                if (v == 0)
                    continue;
                toile.pose(x + i, y0 + ligneDeBase - c.haut + y, attenue(blanc, v / 255.0f));
                encree[i] = true;
            }
        // Les colonnes vides du caractère (entre les deux traits de « " », ou toutes pour un
        // blanc) reçoivent un alpha invisible sur la ligne cachée : une seule plage par code.
        for (int i = 0; i < c.largeur; ++i)
            if (!encree[i])
                toile.pose(x + i, y0 + BANDE - 1, attenue(blanc, ALPHA_LIEN));
        x += c.largeur + 1;
    }
    return toile;
}
