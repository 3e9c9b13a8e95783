// Boutons : bouton rond, barre à largeur variable, petits boutons à icône, boutons de message et
// cadres du champ de saisie.
#include "Dessins.h"

#include "Formes.h"
#include "Motifs.h"
#include "Palette.h"

namespace
{

using namespace palette;

// Bouton rond de 96 pixels : une cuvette au centre, comme une touche que l'on enfonce.
void boutonRond(CToile& t, int y0, bool survol)
{
    StyleRelief s = survol ? reliefSombre() : reliefClair();
    float cx = 48, cy = y0 + 46;
    peintRelief(t, cercle(cx, cy, 42), cy - 42, cy + 42, s, 0, y0, 96, y0 + 96);
    Teinte creuxHaut = survol ? SOMBRE_BAS : CREME_BAS;
    Teinte creuxBas = survol ? SOMBRE_HAUT : CREME_HAUT;
    t.remplit(cercle(cx, cy, 29), degradeVertical(cy - 29, creuxHaut, cy + 29, creuxBas), 0, y0, 96,
              y0 + 96);
    t.remplit(contour(cercle(cx, cy, 29.5f), 1.0f),
              attenue(survol ? BORD_SOMBRE : BORD_BOUTON, 0.6f), 0, y0, 96, y0 + 96);
    if (survol)
        t.remplit(contour(cercle(cx, cy, 36), 2.0f), attenue(SARCELLE_CLAIRE, 0.5f), 0, y0, 96,
                  y0 + 96);
}

// Barre à largeur variable, colonnes 96 à 255 : le milieu (163-170) est uniforme pour être
// étiré ; la légende occupe les lignes 40 à 56.
void barre(CToile& t, int y0, bool survol)
{
    StyleRelief s = survol ? reliefSombre() : reliefClair();
    float y1 = y0 + 14, y2 = y0 + 82;
    peintRelief(t, rectangleArrondi(100, y1, 252, y2, 20), y1, y2, s, 96, y0, 256, y0 + 96);
    if (survol)
        t.remplit(contour(rectangleArrondi(103.5f, y1 + 3.5f, 248.5f, y2 - 3.5f, 17), 1.0f),
                  attenue(SARCELLE_CLAIRE, 0.35f), 96, y0, 256, y0 + 96);
}

// Petit bouton carré de 41 pixels portant une icône tracée au trait.
void petitBouton(CToile& t, int x0, int y0, int icone, bool survol)
{
    StyleRelief s = survol ? reliefSombre() : reliefClair();
    peintRelief(t, rectangleArrondi(x0 + 3, y0 + 3, x0 + 38, y0 + 37, 8), y0 + 3, y0 + 37, s, x0,
                y0, x0 + 41, y0 + 41);
    Teinte encre = survol ? rvb(0, 255, 255) : BRUN_TEXTE;
    float cx = x0 + 20.5f, cy = y0 + 20;
    Forme f;
    switch (icone) {
    case 0: // plus
        f = reunion(segment({cx - 7, cy}, {cx + 7, cy}, 3), segment({cx, cy - 7}, {cx, cy + 7}, 3));
        break;
    case 1: // moins
        f = segment({cx - 7, cy}, {cx + 7, cy}, 3);
        break;
    case 2: // précédent
        f = trait({{cx + 3, cy - 7}, {cx - 4, cy}, {cx + 3, cy + 7}}, 3);
        break;
    default: // suivant
        f = trait({{cx - 3, cy - 7}, {cx + 4, cy}, {cx - 3, cy + 7}}, 3);
        break;
    }
    t.remplit(f, encre, x0, y0, x0 + 41, y0 + 41);
}

// Bouton de la fenêtre de message, 93 × 62, avec son étiquette.
void boutonMessage(CToile& t, const CPoliceFreeType& gras, int x0, int y0,
                   const std::u32string& etiquette, bool survol)
{
    StyleRelief s = survol ? reliefSombre() : reliefClair();
    float y1 = y0 + 12, y2 = y0 + 50;
    peintRelief(t, rectangleArrondi(x0 + 6, y1, x0 + 87, y2, 12), y1, y2, s, x0, y0, x0 + 93,
                y0 + 62);
    gras.ecritCentre(t, etiquette, x0 + 46.5f, y0 + 36, survol ? rvb(0, 255, 255) : BRUN_TEXTE);
}

// Cadre d'un champ de saisie, 28 × 28, découpé en neuf par son habillage : creusé dans la
// fenêtre, ombré sous son bord haut, cerné de brun, de sarcelle (survol), de sarcelle foncée sur
// deux pixels (focus), ou pâle et grisé (inactif). Le dégradé tient dans la bande du haut, pour
// que bords et centre étirés restent uniformes.
void champ(CToile& t, int x0, int y0, int etat)
{
    const Teinte bords[] = {BORD_BOUTON, SARCELLE, SARCELLE_FONCEE, rvb(190, 178, 156)};
    const int x1 = x0 + 28, y1 = y0 + 28;
    const Forme f = rectangleArrondi(x0 + 0.5f, y0 + 0.5f, x0 + 27.5f, y0 + 27.5f, 4);
    if (etat == 3) {
        t.remplit(f, rvb(228, 222, 208), x0, y0, x1, y1);
    } else {
        t.remplit(f, degradeVertical(y0 + 1, rvb(238, 230, 214), y0 + 5, rvb(255, 253, 247)), x0,
                  y0, x1, y1);
        t.remplit(intersection(f, difference(f, deplace(f, 0, 2.0f))), attenue(OMBRE, 0.12f), x0,
                  y0, x1, y1);
    }
    const float epaisseur = etat == 2 ? 2.0f : 1.0f;
    t.remplit(contour(gonfle(f, -epaisseur / 2), epaisseur), bords[etat], x0, y0, x1, y1);
}

} // namespace

CToile dessineBoutons(const Polices& polices)
{
    CToile t(256, 398);
    boutonRond(t, 0, false);
    boutonRond(t, 96, true);
    barre(t, 0, false);
    barre(t, 96, true);
    for (int i = 0; i < 4; ++i) {
        petitBouton(t, 41 * i, 192, i, false);
        petitBouton(t, 41 * i, 233, i, true);
    }
    CPoliceFreeType gras(polices.grasse, 15);
    boutonMessage(t, gras, 0, 274, U"OK", false);
    boutonMessage(t, gras, 93, 274, U"OK", true);
    boutonMessage(t, gras, 0, 336, U"OK", true);
    boutonMessage(t, gras, 93, 336, U"Annuler", true);
    // Les quatre états du champ de saisie, dans la colonne libre à droite des petits boutons.
    for (int etat = 0; etat < 4; ++etat)
        champ(t, 192, 200 + 32 * etat, etat);
    return t;
}
