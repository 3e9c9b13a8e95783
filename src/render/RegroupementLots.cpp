// RegroupementLots : les commandes rangées au plus tôt dans un lot de leur état, par les cases
// de l'affichage qu'elles touchent.
#include "render/RegroupementLots.h"

#include "render/TailleAffichage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
const int COTE_CASE = 16;
const float AIRE_CASE = float(COTE_CASE * COTE_CASE);

EtatLot etatDe(const CommandeDessin& c)
{
    if (c.genre == DESSIN_BOUCLE)
        return EtatLot{0, DESSIN_BOUCLE, c.trait.epaisseur, c.trait.motif, c.trait.facteur};
    return EtatLot{c.genre == DESSIN_COPIE ? c.texture : 0, c.genre, 0, 0, 0};
}

// La marge d'un trait épais autour de ses sommets ; NaN ou démesurée, bornée sans conversion.
float marge(float epaisseur)
{
    const float e = std::fabs(epaisseur);
    return (e <= 1024.0f ? std::ceil(e) : 1024.0f) + 1;
}
} // namespace

void RegroupementLots::prepareCases()
{
    const int x = (largeurAffichage() + COTE_CASE - 1) / COTE_CASE;
    const int y = (hauteurAffichage() + COTE_CASE - 1) / COTE_CASE;
    if (x != casesX || y != casesY) {
        casesX = x;
        casesY = y;
        cases.assign(size_t(x) * size_t(y), 0);
    } else {
        // Seules les cases marquées au rangement précédent ont une valeur à effacer.
        for (int cy = marqueesY1; cy <= marqueesY2; ++cy) {
            uint16_t* ligne = &cases[size_t(cy) * size_t(casesX)];
            std::fill(ligne + marqueesX1, ligne + marqueesX2 + 1, uint16_t(0));
        }
    }
    suite.active = false;
    for (size_t i = 0; i < nombreEtats; ++i)
        parEtat[i].lots.clear();
    nombreEtats = 0;
    dernierEtat = 0;
    nombre = 0;
    plancher = -1;
    marqueesX1 = marqueesY1 = 0;
    marqueesX2 = marqueesY2 = -1;
}

void RegroupementLots::marque(int cx1, int cy1, int cx2, int cy2)
{
    if (marqueesX2 < marqueesX1) {
        marqueesX1 = cx1;
        marqueesY1 = cy1;
        marqueesX2 = cx2;
        marqueesY2 = cy2;
        return;
    }
    marqueesX1 = std::min(marqueesX1, cx1);
    marqueesY1 = std::min(marqueesY1, cy1);
    marqueesX2 = std::max(marqueesX2, cx2);
    marqueesY2 = std::max(marqueesY2, cy2);
}

// Case du pixel v, de -1 (avant l'affichage) à nombre (au-delà) ; les valeurs démesurées ou NaN
// sont bornées avant toute conversion.
int RegroupementLots::caseDe(float v, int n) const
{
    float borne = std::min(std::max(v, -1.0f), float(n * COTE_CASE));
    if (borne != borne)
        borne = -1.0f;
    return int(borne + COTE_CASE) / COTE_CASE - 1;
}

void RegroupementLots::termineSuite()
{
    if (!suite.active)
        return;
    suite.active = false;
    marque(suite.cx1, suite.cy1, suite.cx2, suite.cy2);
    for (int cy = suite.cy1; cy <= suite.cy2; ++cy) {
        uint16_t* ligne = &cases[size_t(cy) * size_t(casesX)];
        std::fill(ligne + suite.cx1, ligne + suite.cx2 + 1, uint16_t(suite.lot + 1));
    }
}

int RegroupementLots::nouveauLot(const EtatLot& e)
{
    const int n = int(nombre++);
    if (listeLots.size() < nombre)
        listeLots.emplace_back();
    LotDessin& l = listeLots[size_t(n)];
    l.etat = e;
    l.membres.clear();
    return n;
}

// Le lot d'une commande d'état e qui couvre les pixels [x1, x2) x [y1, y2).
int RegroupementLots::lotPour(const EtatLot& e, float x1, float y1, float x2, float y2)
{
    // Deux dessins qui se touchent par un bord ne se recouvrent pas ; un bord fractionnaire
    // compte le pixel qu'il entame.
    int cx1 = caseDe(x1, casesX), cx2 = caseDe(std::ceil(x2) - 1, casesX);
    int cy1 = caseDe(y1, casesY), cy2 = caseDe(std::ceil(y2) - 1, casesY);
    // Hors de l'affichage, elle ne touche aucun pixel : aucun ordre à garder.
    const bool visible =
        cx2 >= 0 && cx1 < casesX && cy2 >= 0 && cy1 < casesY && cx1 <= cx2 && cy1 <= cy2;
    cx1 = std::max(cx1, 0);
    cy1 = std::max(cy1, 0);
    cx2 = std::min(cx2, casesX - 1);
    cy2 = std::min(cy2, casesY - 1);

    // Dans la suite en cours, tant que son rectangle grandit sans englober de vide.
    if (suite.active && visible && listeLots[size_t(suite.lot)].etat == e) {
        Suite plus = suite;
        plus.cx1 = std::min(cx1, suite.cx1);
        plus.cy1 = std::min(cy1, suite.cy1);
        plus.cx2 = std::max(cx2, suite.cx2);
        plus.cy2 = std::max(cy2, suite.cy2);
        if (plus.aire() <= suite.aire() + (cx2 - cx1 + 1) * (cy2 - cy1 + 1)) {
            suite = plus;
            return suite.lot;
        }
    }
    termineSuite();

    if (dernierEtat >= nombreEtats || !(parEtat[dernierEtat].etat == e)) {
        dernierEtat = 0;
        while (dernierEtat < nombreEtats && !(parEtat[dernierEtat].etat == e))
            ++dernierEtat;
        if (dernierEtat == nombreEtats) {
            if (parEtat.size() <= nombreEtats)
                parEtat.emplace_back();
            parEtat[nombreEtats].etat = e;
            parEtat[nombreEtats++].lots.clear();
        }
    }
    LotsDUnEtat& memeEtat = parEtat[dernierEtat];
    // Seules les cases déjà marquées de ce rangement peuvent retenir la commande ; sans lot de
    // son état, ou dès qu'une case la retient après le dernier, elle ouvre un lot : lire plus
    // ne changerait rien.
    int plusGrand = 0;
    if (visible && !memeEtat.lots.empty()) {
        const int seuil = memeEtat.lots.back() + 1;
        const int lx1 = std::max(cx1, marqueesX1), lx2 = std::min(cx2, marqueesX2);
        const int ly1 = std::max(cy1, marqueesY1), ly2 = std::min(cy2, marqueesY2);
        for (int cy = ly1; cy <= ly2 && plusGrand <= seuil; ++cy) {
            const uint16_t* ligne = &cases[size_t(cy) * size_t(casesX)];
            uint16_t m = 0;
            for (int cx = lx1; cx <= lx2; ++cx)
                m = std::max(m, ligne[cx]);
            plusGrand = std::max(plusGrand, int(m));
        }
    }
    const int depuis = std::max(plusGrand - 1, plancher);
    // Le premier lot de même état qui ne précède aucun dessin recouvert.
    const auto premier = std::lower_bound(memeEtat.lots.begin(), memeEtat.lots.end(), depuis);
    int choisi;
    if (premier != memeEtat.lots.end()) {
        choisi = *premier;
    } else {
        choisi = nouveauLot(e);
        memeEtat.lots.push_back(choisi);
    }
    if (!visible)
        return choisi;
    if (choisi == int(nombre) - 1) {
        // Le dernier lot : les cases attendront la fin de la suite.
        suite = Suite{true, choisi, cx1, cy1, cx2, cy2};
        return choisi;
    }
    // Toutes les cases lues valent au plus choisi (depuis <= choisi), les autres sont d'un
    // rangement passé : la nouvelle valeur est partout la plus grande.
    const uint16_t valeur = uint16_t(choisi + 1);
    marque(cx1, cy1, cx2, cy2);
    for (int cy = cy1; cy <= cy2; ++cy) {
        uint16_t* ligne = &cases[size_t(cy) * size_t(casesX)];
        std::fill(ligne + cx1, ligne + cx2 + 1, valeur);
    }
    return choisi;
}

namespace
{
// Les pixels que couvre une commande, bords du trait compris.
struct Boite {
    float x1, y1, x2, y2;
    float aire() const { return (x2 - x1) * (y2 - y1); }
};

Boite boiteDe(const CommandeDessin& c)
{
    if (c.genre == DESSIN_BOUCLE) {
        const float m = marge(c.trait.epaisseur);
        return Boite{c.x1 - m, c.y1 - m, c.x2 + m, c.y2 + m};
    }
    // Sans pente, les coins du haut valent ceux du bas : le premier plus petit (ou plus grand)
    // des quatre est celui des deux, zéro signé et NaN compris.
    if (c.quad.penteGauche == 0 && c.quad.penteDroite == 0)
        return Boite{std::min(c.x1, c.x2), std::min(c.y1, c.y2), std::max(c.x1, c.x2),
                     std::max(c.y1, c.y2)};
    const float g = c.x1 + c.quad.penteGauche, d = c.x2 + c.quad.penteDroite;
    return Boite{std::min({c.x1, c.x2, g, d}), std::min(c.y1, c.y2), std::max({c.x1, c.x2, g, d}),
                 std::max(c.y1, c.y2)};
}
} // namespace

RegroupementLots::RegroupementLots()
{
    for (Garde& g : gardes)
        g.liste.reserve(ListeDessin::COMMANDES_MAX);
}

// Le rangement ne dépend que des octets des commandes et de la taille de l'affichage en cases :
// une liste déjà rangée reprend ses lots.
void RegroupementLots::range(const ListeDessin& liste)
{
    const std::vector<CommandeDessin>& commandes = liste.commandes();
    const int x = (largeurAffichage() + COTE_CASE - 1) / COTE_CASE;
    const int y = (hauteurAffichage() + COTE_CASE - 1) / COTE_CASE;
    ++usages;
    int remplacee = 0;
    for (int k = 0; k < GARDES; ++k) {
        Garde& g = gardes[k];
        if (g.usage != 0 && g.casesX == x && g.casesY == y && g.liste.size() == commandes.size() &&
            (commandes.empty() || std::memcmp(g.liste.data(), commandes.data(),
                                              commandes.size() * sizeof(CommandeDessin)) == 0)) {
            g.usage = usages;
            courant = k;
            return;
        }
        if (g.usage < gardes[remplacee].usage)
            remplacee = k;
    }
    rangeANeuf(liste);
    Garde& g = gardes[remplacee];
    // Les lots de la garde remplacée deviennent la mémoire du prochain rangement.
    std::swap(g.lots, listeLots);
    g.nombre = nombre;
    g.liste.assign(commandes.begin(), commandes.end());
    g.casesX = x;
    g.casesY = y;
    g.usage = usages;
    courant = remplacee;
}

void RegroupementLots::rangeANeuf(const ListeDessin& liste)
{
    prepareCases();
    const std::vector<CommandeDessin>& commandes = liste.commandes();
    const size_t n = commandes.size();
    for (size_t i = 0; i < n;) {
        const CommandeDessin& c = commandes[i];
        if (c.genre == DESSIN_GESTIONNAIRE) {
            // Tout ce qui précède part avant lui, rien de ce qui suit ne passe devant.
            termineSuite();
            plancher = nouveauLot(etatDe(c));
            listeLots[size_t(plancher)].membres.push_back(uint16_t(i++));
            continue;
        }
        // Une suite de commandes de même état (les glyphes d'une ligne, les morceaux d'un
        // habillage) entre d'un coup dans son lot, sous la boîte qui les couvre toutes, tant
        // que cette boîte n'englobe pas plus de vide qu'elles n'ont d'aire.
        const EtatLot e = etatDe(c);
        Boite b = boiteDe(c);
        float aires = b.aire();
        size_t fin = i + 1;
        // Deux copies sont du même état quand leurs textures sont les mêmes.
        const bool copies = c.genre == DESSIN_COPIE;
        while (fin < n && commandes[fin].genre == c.genre &&
               (copies ? commandes[fin].texture == c.texture : etatDe(commandes[fin]) == e)) {
            const Boite d = boiteDe(commandes[fin]);
            const Boite u{std::min(b.x1, d.x1), std::min(b.y1, d.y1), std::max(b.x2, d.x2),
                          std::max(b.y2, d.y2)};
            // Les écarts entre glyphes comptent : jusqu'au double des aires, une case en plus.
            if (!(u.aire() <= 2 * (aires + d.aire()) + AIRE_CASE))
                break;
            b = u;
            aires += d.aire();
            ++fin;
        }
        LotDessin& lot = listeLots[size_t(lotPour(e, b.x1, b.y1, b.x2, b.y2))];
        for (; i < fin; ++i)
            lot.membres.push_back(uint16_t(i));
    }
    termineSuite();
}
