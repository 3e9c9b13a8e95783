// ObjetGDIs : les icônes des deux menus, claires et cernées pour se lire sur les carrés sombres.
#include "Dessins.h"

#include "Formes.h"
#include "Motifs.h"
#include "Palette.h"

namespace
{

using namespace palette;

const Teinte CERNE = rvb(20, 18, 16);

// Ombre portée commune : détache l'icône du gris moyen comme du rouge du survol.
void ombre(CToile& t, const Forme& f, int y0)
{
    t.ombre(deplace(f, 0.8f, 1.2f), 1.3f, attenue(NOIR, 0.55f), 0, y0, 32, y0 + 32);
}

void selection(CToile& t, int y0)
{
    std::vector<Point> p = {{10, 5},     {10, 23},       {14.5f, 19}, {18, 26.5f},
                            {21, 25.2f}, {17.6f, 17.8f}, {23, 17.8f}};
    for (Point& q : p)
        q.y += y0;
    Forme f = polygone(p);
    ombre(t, gonfle(f, 1.2f), y0);
    t.remplit(gonfle(f, 1.2f), CERNE, 0, y0, 32, y0 + 32);
    t.remplit(f, degradeVertical(y0 + 5, BLANC, y0 + 26, rvb(214, 226, 224)), 0, y0, 32, y0 + 32);
}

void zoneTexte(CToile& t, const Polices& polices, int y0)
{
    CPoliceFreeType gras(polices.grasse, 17);
    CToile lettres(32, 32);
    gras.ecritCentre(lettres, U"Aa", 16, 22, BLANC);
    // Cerne : la même écriture, décalée dans les huit directions.
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx || dy)
                gras.ecritCentre(t, U"Aa", 16 + dx, y0 + 22 + dy, attenue(CERNE, 0.8f));
    t.superpose(lettres, 0, y0);
    t.remplit(segment({6, y0 + 26.5f}, {26, y0 + 26.5f}, 2.0f), SARCELLE_CLAIRE, 0, y0, 32,
              y0 + 32);
}

// Un bouton clair et son étiquette, avec la flèche qui l'enfonce.
void bouton(CToile& t, const Polices& polices, int y0)
{
    Forme f = rectangleArrondi(2, y0 + 8, 28, y0 + 22, 7);
    ombre(t, f, y0);
    t.remplit(f, degradeVertical(y0 + 8, CREME_HAUT, y0 + 22, CREME_BAS), 0, y0, 32, y0 + 32);
    t.remplit(contour(gonfle(f, -0.5f), 1.0f), BORD_BOUTON, 0, y0, 32, y0 + 32);
    CPoliceFreeType gras(polices.grasse, 8);
    gras.ecritCentre(t, U"OK", 14.5f, y0 + 18, BRUN_TEXTE);
    std::vector<Point> p = {{21, y0 + 17.0f},    {21, y0 + 28.0f},    {23.6f, y0 + 25.6f},
                            {25.4f, y0 + 29.6f}, {27.2f, y0 + 28.8f}, {25.4f, y0 + 24.9f},
                            {28.8f, y0 + 24.9f}};
    Forme fleche = polygone(p);
    t.remplit(gonfle(fleche, 1.0f), CERNE, 0, y0, 32, y0 + 32);
    t.remplit(fleche, BLANC, 0, y0, 32, y0 + 32);
}

void caseACocher(CToile& t, int y0)
{
    Forme f = rectangleArrondi(6, y0 + 6, 26, y0 + 26, 4);
    ombre(t, f, y0);
    t.remplit(f, degradeVertical(y0 + 6, rvb(232, 224, 206), y0 + 26, BLANC), 0, y0, 32, y0 + 32);
    t.remplit(contour(gonfle(f, -0.5f), 1.0f), BORD_BOUTON, 0, y0, 32, y0 + 32);
    std::vector<Point> p = {{10, y0 + 16.5f}, {14.5f, y0 + 21.0f}, {22, y0 + 11.0f}};
    t.remplit(trait(p, 3.4f), SARCELLE_FONCEE, 0, y0, 32, y0 + 32);
    t.remplit(trait(p, 2.0f), SARCELLE, 0, y0, 32, y0 + 32);
}

void image(CToile& t, int y0)
{
    Forme cadre = rectangleArrondi(4, y0 + 6, 28, y0 + 26, 2);
    ombre(t, cadre, y0);
    t.remplit(cadre, rvb(250, 246, 236), 0, y0, 32, y0 + 32);
    Forme vue = rectangleArrondi(6, y0 + 8, 26, y0 + 24, 0.5f);
    t.remplit(vue, degradeVertical(y0 + 8, rvb(246, 226, 190), y0 + 20, rvb(250, 200, 150)), 0, y0,
              32, y0 + 32);
    t.remplit(intersection(vue, cercle(20, y0 + 13, 2.6f)), rvb(255, 248, 224), 0, y0, 32, y0 + 32);
    Forme colline1 = intersection(vue, cercle(11, y0 + 31, 11));
    Forme colline2 = intersection(vue, cercle(24, y0 + 33, 12));
    t.remplit(colline1, rvb(96, 156, 150), 0, y0, 32, y0 + 32);
    t.remplit(colline2, SARCELLE_FONCEE, 0, y0, 32, y0 + 32);
    t.remplit(contour(gonfle(cadre, -0.5f), 1.0f), rvb(120, 100, 70), 0, y0, 32, y0 + 32);
}

// Deux lignes de légende, cernées comme le reste.
void legende(CToile& t, int y0)
{
    for (float y : {12.5f, 18.5f}) {
        Forme l = segment({19, y0 + y}, {y == 12.5f ? 27.0f : 24.0f, y0 + y}, 2.4f);
        t.remplit(gonfle(l, 1.0f), CERNE, 0, y0, 32, y0 + 32);
        t.remplit(l, BLANC, 0, y0, 32, y0 + 32);
    }
}

void progression(CToile& t, int y0)
{
    Forme gouttiere = rectangleArrondi(3, y0 + 11, 29, y0 + 21, 5);
    ombre(t, gouttiere, y0);
    t.remplit(gouttiere, degradeVertical(y0 + 11, rvb(200, 188, 162), y0 + 21, rvb(240, 232, 214)),
              0, y0, 32, y0 + 32);
    t.remplit(contour(gonfle(gouttiere, -0.5f), 1.0f), BORD_BOUTON, 0, y0, 32, y0 + 32);
    Forme plein = rectangleArrondi(5, y0 + 13, 19, y0 + 19, 3);
    t.remplit(plein, degradeVertical(y0 + 13, SARCELLE_CLAIRE, y0 + 19, SARCELLE_FONCEE), 0, y0, 32,
              y0 + 32);
}

// Le fond clair des icônes du second menu : ombré, dégradé de haut en bas, liseré.
void fondClair(CToile& t, const Forme& f, int y0, Teinte haut)
{
    ombre(t, f, y0);
    t.remplit(f, degradeVertical(y0 + 9, haut, y0 + 22, BLANC), 0, y0, 32, y0 + 32);
    t.remplit(contour(gonfle(f, -0.5f), 1.0f), BORD_BOUTON, 0, y0, 32, y0 + 32);
}

// Un champ blanc, un début de texte et le curseur.
void champSaisie(CToile& t, int y0)
{
    fondClair(t, rectangleArrondi(3, y0 + 9, 28, y0 + 23, 2), y0, rvb(236, 236, 232));
    t.remplit(segment({6, y0 + 16.0f}, {15, y0 + 16.0f}, 2.2f), BRUN_TEXTE, 0, y0, 32, y0 + 32);
    t.remplit(segment({19, y0 + 11.5f}, {19, y0 + 20.5f}, 1.6f), SARCELLE_FONCEE, 0, y0, 32,
              y0 + 32);
}

// La petite case cochée suivie des lignes de sa légende.
void caseLegendee(CToile& t, int y0)
{
    fondClair(t, rectangleArrondi(3, y0 + 9, 16, y0 + 22, 3), y0, rvb(232, 224, 206));
    std::vector<Point> p = {{6, y0 + 15.5f}, {9, y0 + 18.5f}, {14, y0 + 11.5f}};
    t.remplit(trait(p, 2.6f), SARCELLE_FONCEE, 0, y0, 32, y0 + 32);
    legende(t, y0);
}

// Le rond choisi suivi des lignes de sa légende.
void choixExclusif(CToile& t, int y0)
{
    fondClair(t, cercle(9.5f, y0 + 15.5f, 6.5f), y0, rvb(232, 224, 206));
    t.remplit(cercle(9.5f, y0 + 15.5f, 3.0f), SARCELLE_FONCEE, 0, y0, 32, y0 + 32);
    legende(t, y0);
}

} // namespace

CToile dessineObjetGDIs(const Polices& polices)
{
    // Une cellule de 32 pixels par genre, dans l'ordre des genres ; les trois dernières sont
    // celles du second menu.
    CToile t(32, 288);
    selection(t, 0);
    zoneTexte(t, polices, 32);
    bouton(t, polices, 64);
    caseACocher(t, 96);
    image(t, 128);
    progression(t, 160);
    champSaisie(t, 192);
    caseLegendee(t, 224);
    choixExclusif(t, 256);
    return t;
}
