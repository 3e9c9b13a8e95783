// Coches : case creuse à bord arrondi et coche sarcelle, puis à droite le rond d'un choix et
// son point, seuls sur fond transparent.
#include "Dessins.h"

#include "Formes.h"
#include "Palette.h"

namespace
{

using namespace palette;

void caseVide(CToile& t)
{
    Forme boite = rectangleArrondi(3, 3, 29, 29, 6);
    // Lumière sous la case : elle paraît enfoncée dans la fenêtre.
    t.remplit(deplace(boite, 0, 1), attenue(BLANC, 0.8f), 0, 0, 32, 32);
    t.remplit(boite, degradeVertical(3, rvb(226, 216, 194), 29, rvb(255, 253, 248)), 0, 0, 32, 32);
    // Ombre intérieure en haut.
    t.remplit(intersection(boite, difference(boite, deplace(boite, 0, 2.5f))),
              attenue(OMBRE, 0.18f), 0, 0, 32, 32);
    t.remplit(contour(gonfle(boite, -0.5f), 1.0f), BORD_BOUTON, 0, 0, 32, 32);
}

void coche(CToile& t)
{
    std::vector<Point> p = {{9, 48.5f}, {14, 54}, {24, 41}};
    t.ombre(deplace(trait(p, 4.2f), 0.5f, 1.2f), 1.2f, attenue(OMBRE, 0.35f), 0, 32, 32, 64);
    t.remplit(trait(p, 4.2f), SARCELLE_FONCEE, 0, 32, 32, 64);
    t.remplit(trait(p, 2.6f), degradeVertical(41, SARCELLE_CLAIRE, 54, SARCELLE), 0, 32, 32, 64);
}

// Le rond d'un choix exclusif, dans le même modelé que la case, 32 colonnes à droite.
void rondVide(CToile& t)
{
    Forme rond = cercle(48, 16, 13);
    t.remplit(deplace(rond, 0, 1), attenue(BLANC, 0.8f), 32, 0, 64, 32);
    t.remplit(rond, degradeVertical(3, rvb(226, 216, 194), 29, rvb(255, 253, 248)), 32, 0, 64, 32);
    t.remplit(intersection(rond, difference(rond, deplace(rond, 0, 2.5f))), attenue(OMBRE, 0.18f),
              32, 0, 64, 32);
    t.remplit(contour(gonfle(rond, -0.5f), 1.0f), BORD_BOUTON, 32, 0, 64, 32);
}

// Le point sarcelle du choix fait, sous le rond comme la coche sous la case.
void point(CToile& t)
{
    Forme p = cercle(48, 48, 6);
    t.ombre(deplace(p, 0.5f, 1.2f), 1.2f, attenue(OMBRE, 0.35f), 32, 32, 64, 64);
    t.remplit(p, SARCELLE_FONCEE, 32, 32, 64, 64);
    t.remplit(gonfle(p, -1.0f), degradeVertical(43, SARCELLE_CLAIRE, 53, SARCELLE), 32, 32, 64, 64);
}

} // namespace

CToile dessineCoches()
{
    CToile t(64, 64);
    caseVide(t);
    coche(t);
    rondVide(t);
    point(t);
    return t;
}
