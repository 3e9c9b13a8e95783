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
// Couverture en dessous de laquelle un pixel d'un bord lissé ne compte pas.
const int SEUIL = 10;
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
// (10 pixels, soit 8 plus l'écart de 2) ; les autres n'occupent que le minimum.
int largeurVide(int code)
{
    return code == 160 ? 8 : 1;
}

// Un caractère prêt à placer : sa couverture recadrée sur ses colonnes encrées.
struct Caractere {
    int code = 0;
    int largeur = 0;
    bool vide = true;
    int haut = 0; // lignes de la ligne de base au haut de l'image recadrée
    int hauteur = 0;
    std::vector<uint8_t> couverture;
};

Caractere prepare(const CPoliceFreeType& police, int code)
{
    Caractere c;
    c.code = code;
    char32_t u = unicode(code);
    // L'espace insécable, le trait d'union conditionnel (jamais une coupure ici, donc
    // jamais visible), DEL et les codes non définis n'ont rien à montrer.
    if (u == 0 || code == 127 || code == 160 || code == 173) {
        c.largeur = largeurVide(code);
        return c;
    }
    GlypheRendu g = police.rend(u);
    int x1 = g.largeur, x2 = -1;
    for (int y = 0; y < g.hauteur; ++y)
        for (int x = 0; x < g.largeur; ++x)
            if (g.couverture[static_cast<size_t>(y) * g.largeur + x] >= SEUIL) {
                x1 = std::min(x1, x);
                x2 = std::max(x2, x);
            }
    if (x2 < 0) {
        c.largeur = largeurVide(code);
        return c;
    }
    c.vide = false;
    c.largeur = x2 - x1 + 1;
    c.haut = g.haut;
    c.hauteur = g.hauteur;
    c.couverture.resize(static_cast<size_t>(c.largeur) * g.hauteur);
    for (int y = 0; y < g.hauteur; ++y)
        for (int x = 0; x < c.largeur; ++x) {
            uint8_t v = g.couverture[static_cast<size_t>(y) * g.largeur + x1 + x];
            c.couverture[static_cast<size_t>(y) * c.largeur + x] = v >= SEUIL ? v : 0;
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
        table.push_back({c.code, x, y0, c.largeur, c.vide});
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
