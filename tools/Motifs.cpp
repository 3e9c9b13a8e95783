// Motifs : un relief doux, ombre portée floue et reflet qui s'efface vers le bas.
#include "Motifs.h"

#include "Palette.h"

#include <algorithm>

StyleRelief reliefClair()
{
    using namespace palette;
    return {CREME_HAUT, CREME_BAS, BORD_BOUTON, attenue(BLANC, 0.9f), attenue(OMBRE, 0.35f),
            2.0f,       2.5f};
}

StyleRelief reliefSombre()
{
    using namespace palette;
    return {SOMBRE_HAUT,           SOMBRE_BAS, BORD_SOMBRE, attenue(SARCELLE_CLAIRE, 0.55f),
            attenue(OMBRE, 0.45f), 2.0f,       2.5f};
}

void peintRelief(CToile& toile, const Forme& forme, float y1, float y2, const StyleRelief& s,
                 int cx1, int cy1, int cx2, int cy2)
{
    toile.ombre(deplace(forme, 0, s.decalageOmbre), s.flouOmbre, s.ombre, cx1, cy1, cx2, cy2);
    toile.remplit(forme, degradeVertical(y1, s.haut, y2, s.bas), cx1, cy1, cx2, cy2);
    // Reflet : un liseré clair juste à l'intérieur du bord, net en haut, éteint à mi-hauteur.
    float ym = y1 + (y2 - y1) * 0.6f;
    Teinte reflet = s.reflet;
    toile.remplit(
        contour(gonfle(forme, -1.5f), 1.0f),
        [=](float, float y) {
            return attenue(reflet, std::clamp((ym - y) / (ym - y1), 0.0f, 1.0f));
        },
        cx1, cy1, cx2, cy2);
    toile.remplit(contour(gonfle(forme, -0.5f), 1.0f), s.bord, cx1, cy1, cx2, cy2);
}
