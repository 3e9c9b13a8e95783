// ListeDessin : les commandes d'une image et l'état que la dernière laisse.
#include "render/ListeDessin.h"

#include <algorithm>
#include <cstring>

namespace
{
// Une commande aux octets de remplissage nuls : deux listes égales le sont octet pour octet.
CommandeDessin commandeNeuve()
{
    CommandeDessin c;
    std::memset(&c, 0, sizeof c);
    return c;
}
} // namespace

void ListeDessin::copie(uint32_t texture, float x1, float y1, float x2, float y2,
                        const QuadDessin& quad, Couleur couleur)
{
    CommandeDessin c = commandeNeuve();
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.quad = quad;
    c.texture = texture;
    c.couleur = couleur;
    c.genre = DESSIN_COPIE;
    liste.push_back(c);
    couleurLaissee = couleur;
    couleurConnue = true;
}

void ListeDessin::rectangle(float x1, float y1, float x2, float y2, Couleur couleur)
{
    copie(0, x1, y1, x2, y2, QuadDessin{0, 0, 0, 0, 0, 0}, couleur);
}

void ListeDessin::boucle(const float* xy, int nombre, Couleur couleur, float epaisseur,
                         uint16_t motif, int facteur)
{
    if (nombre <= 0)
        return;
    // Une épaisseur NaN n'a pas de sens : elle compte pour 1, partout la même.
    if (epaisseur != epaisseur)
        epaisseur = 1.0f;
    CommandeDessin c = commandeNeuve();
    c.x1 = c.x2 = xy[0];
    c.y1 = c.y2 = xy[1];
    for (int i = 1; i < nombre; ++i) {
        c.x1 = std::min(c.x1, xy[2 * i]);
        c.x2 = std::max(c.x2, xy[2 * i]);
        c.y1 = std::min(c.y1, xy[2 * i + 1]);
        c.y2 = std::max(c.y2, xy[2 * i + 1]);
    }
    c.trait = TraitDessin{
        uint32_t(sommets.size() / 2), uint32_t(nombre), epaisseur, facteur, motif, true, true};
    c.texture = 0;
    c.couleur = couleur;
    c.genre = DESSIN_BOUCLE;
    sommets.insert(sommets.end(), xy, xy + 2 * nombre);
    liste.push_back(c);
    couleurLaissee = couleur;
    traitLaisse = c.trait;
    couleurConnue = traitConnu = true;
}

void ListeDessin::gestionnaire()
{
    CommandeDessin c = commandeNeuve();
    c.x1 = c.y1 = c.x2 = c.y2 = 0;
    c.trait = traitLaisse;
    c.trait.couleurConnue = couleurConnue;
    c.trait.traitConnu = traitConnu;
    c.texture = 0;
    c.couleur = couleurLaissee;
    c.genre = DESSIN_GESTIONNAIRE;
    liste.push_back(c);
    // Le gestionnaire peut changer couleur et trait : le suivant trouvera les siens.
    couleurConnue = traitConnu = false;
}

void ListeDessin::reserve()
{
    liste.reserve(COMMANDES_MAX);
    // Des boucles de deux à quatre sommets ; la marge loge une longue boucle de plus.
    sommets.reserve(2 * COMMANDES_MAX);
}

void ListeDessin::vide()
{
    liste.clear();
    sommets.clear();
}

void ListeDessin::oublieEtat()
{
    vide();
    couleurConnue = traitConnu = false;
}

void ListeDessin::ajoute(const CommandeDessin& c, const ListeDessin& source)
{
    CommandeDessin copieDe = c;
    if (c.genre == DESSIN_BOUCLE) {
        const float* xy = &source.sommets[2 * size_t(c.trait.premier)];
        copieDe.trait.premier = uint32_t(sommets.size() / 2);
        sommets.insert(sommets.end(), xy, xy + 2 * size_t(c.trait.nombre));
    }
    liste.push_back(copieDe);
}
