// Containers : panneau ardoise du menu, fenêtre beige ombrée, cadre en rouleau à motifs répétés.
#include "Dessins.h"

#include "Formes.h"
#include "Palette.h"

#include <algorithm>
#include <cmath>

namespace
{

using namespace palette;

// Panneau du menu des objets, (0,0)-(64,64) : coins de 13, centre uni, texte blanc.
void panneau(CToile& t)
{
    Forme corps = rectangleArrondi(1, 1, 63, 62, 9);
    t.ombre(deplace(corps, 0, 1.5f), 1.5f, attenue(NOIR, 0.45f), 0, 0, 64, 64);
    t.remplit(corps, ARDOISE, 0, 0, 64, 64);
    // Reflet du haut, éteint avant la ligne 13 : les bords étirés restent uniformes.
    t.remplit(
        contour(gonfle(corps, -1.5f), 1.0f),
        [](float, float y) {
            return attenue(ARDOISE_HAUT, std::clamp((11 - y) / 8.0f, 0.0f, 1.0f));
        },
        0, 0, 64, 64);
    t.remplit(contour(gonfle(corps, -0.5f), 1.0f), ARDOISE_BORD, 0, 0, 64, 64);
}

// Fenêtre beige, (64,0)-(128,64). Colonne gauche 22, bandeau 27, colonne droite 28 dont
// 6 d'ombre, rangée du bas 19 dont 9 d'ombre ; la zone client commence à 7, 30, 13 et 16
// des bords, et les texels (88,29)-(98,43) s'étirent sur tout le client.
void fenetre(CToile& t)
{
    const float x1 = 64, y1 = 0, x2 = 122, y2 = 55; // corps, sans l'ombre
    Forme corps = rectangleArrondi(x1, y1, x2, y2, 6);
    t.ombre(deplace(corps, 1.5f, 3.0f), 3.0f, attenue(OMBRE, 0.42f), 64, 0, 128, 64);
    t.remplit(corps, BANDEAU_BAS, 64, 0, 128, 64);
    // Bandeau de titre : lignes 0 à 26, dégradé doux et trait sombre en bas.
    t.remplit(intersection(corps, rectangleArrondi(x1, y1, x2, 26, 0.01f)),
              degradeVertical(1, BANDEAU_HAUT, 25, BANDEAU_BAS), 64, 0, 128, 64);
    t.remplit(rectangleArrondi(x1 + 1, 25, x2 - 1, 26, 0.01f), attenue(CADRE_FONCE, 0.55f), 64, 0,
              128, 64);
    // Zone claire : le client et la marge qui l'entoure sous le bandeau.
    const float cx1 = 71, cx2 = 115, cy2 = 48;
    t.remplit(rectangleArrondi(cx1, 26, cx2, cy2, 0.01f), PARCHEMIN, 64, 0, 128, 64);
    // Creux du cadre autour de la zone claire.
    t.remplit(contour(rectangleArrondi(cx1 - 0.5f, 25.5f, cx2 + 0.5f, cy2 + 0.5f, 0.01f), 1.0f),
              attenue(CADRE_FONCE, 0.45f), 64, 26, 128, 64);
    // Petit losange sarcelle au coin du bandeau, la seule note de couleur de la fenêtre.
    Forme losange = polygone({{75, 8.5f}, {80, 13.5f}, {75, 18.5f}, {70, 13.5f}});
    t.remplit(gonfle(losange, 0.5f), attenue(SARCELLE_FONCEE, 0.6f), 64, 0, 128, 64);
    t.remplit(losange, degradeVertical(9, SARCELLE_CLAIRE, 18, SARCELLE), 64, 0, 128, 64);
    // Reflet et lisere extérieurs.
    t.remplit(
        contour(gonfle(corps, -1.5f), 1.0f),
        [](float, float y) {
            return attenue(BLANC, 0.55f * std::clamp((20 - y) / 18.0f, 0.0f, 1.0f));
        },
        64, 0, 128, 64);
    t.remplit(contour(gonfle(corps, -0.5f), 1.0f), CADRE_FONCE, 64, 0, 128, 64);
}

// Cadre en rouleau, (0,64)-(128,128), pavé : deux baguettes de bois à gauche et à droite,
// liseres de jade en haut et en bas, papier au centre. Toutes les pièces pavées sont
// uniformes dans le sens où elles se répètent.
void rouleau(CToile& t)
{
    const int y0 = 64;
    const Teinte papier = rvb(250, 247, 238);
    const Teinte jade = rvb(58, 128, 112);
    const Teinte jadeClair = rvb(126, 186, 166);
    const Teinte jadeFonce = rvb(24, 80, 68);
    // Le papier et ses liserés s'arrêtent sous les baguettes : rien ne dépasse au-dehors.
    t.remplit(rectangleArrondi(18, y0, 110, 128, 0.01f), papier, 0, y0, 128, 128);
    // Liserés : 4 lignes en haut, 6 en bas.
    auto lisere = [&](float ya, float yb) {
        t.remplit(rectangleArrondi(18, ya, 110, yb, 0.01f),
                  degradeVertical(ya, jadeClair, yb, jade), 0, y0, 128, 128);
        t.remplit(rectangleArrondi(18, yb - 1, 110, yb, 0.01f), jadeFonce, 0, y0, 128, 128);
    };
    lisere(y0, y0 + 4);
    lisere(122, 128);
    // Ombre des baguettes sur le papier.
    auto ombreVerticale = [&](float xa, float xb, float sens) {
        t.remplit(
            rectangleArrondi(xa, y0, xb, 128, 0.01f),
            [=](float x, float) {
                float u = sens > 0 ? (x - xa) / (xb - xa) : (xb - x) / (xb - xa);
                return attenue(OMBRE, 0.22f * (1 - u) * (1 - u));
            },
            0, y0, 128, 128);
    };
    ombreVerticale(31, 37, 1);
    ombreVerticale(91, 97, -1);
    // Baguettes : cylindres éclairés à gauche, embouts de jade en haut et en bas.
    auto baguette = [&](float xa, float xb) {
        auto cylindre = [=](Teinte clair, Teinte moyen, Teinte fonce) {
            return [=](float x, float) {
                float u = (x - xa) / (xb - xa) * 2 - 1; // -1 .. 1
                float lumiere = std::clamp(1 - std::fabs(u + 0.35f) * 1.4f, 0.0f, 1.0f);
                Teinte base = melange(fonce, moyen, std::clamp(1 - u * u, 0.0f, 1.0f));
                return melange(base, clair, lumiere * lumiere * 0.8f);
            };
        };
        Forme bois = rectangleArrondi(xa, y0 + 3, xb, 125, 3);
        t.remplit(bois, cylindre(rvb(214, 170, 112), rvb(156, 106, 58), rvb(86, 52, 24)), 0, y0,
                  128, 128);
        Forme embouts = reunion(rectangleArrondi(xa - 1, y0, xb + 1, y0 + 8, 3),
                                rectangleArrondi(xa - 1, 120, xb + 1, 128, 3));
        t.remplit(embouts, cylindre(jadeClair, jade, jadeFonce), 0, y0, 128, 128);
        t.remplit(contour(gonfle(reunion(bois, embouts), -0.5f), 1.0f),
                  attenue(rvb(50, 30, 12), 0.7f), 0, y0, 128, 128);
    };
    baguette(6, 30);
    baguette(98, 122);
}

} // namespace

CToile dessineContainers()
{
    CToile t(128, 128);
    panneau(t);
    fenetre(t);
    rouleau(t);
    return t;
}
