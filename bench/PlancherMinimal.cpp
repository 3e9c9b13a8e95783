// PlancherMinimal : rebâtit les dessins d'un flux enregistré, les regroupe par état sans changer
// l'ordre de deux dessins qui se recouvrent, et les envoie en tableaux.
#include "PlancherMinimal.h"

#include "render/TailleAffichage.h"

#include <algorithm>
#include <cmath>

namespace
{
// Le lot d'un gestionnaire de l'éditeur : une barrière qui ne trace rien.
const GLenum SANS_TRACE = 0xFFFF;

struct Dessin {
    GLenum mode;
    GLuint texture;
    float largeur;
    int facteur;
    int motif;
    std::vector<float> sommets; // s, t, r, g, b, a, x, y par sommet, déjà dans l'ordre d'envoi
    float x1, y1, x2, y2;       // boîte couverte, bords exclus
    bool barriere;              // un effacement : rien ne passe ni devant ni derrière
};

bool memeEtat(const Dessin& a, const Dessin& b)
{
    return a.mode == b.mode && a.texture == b.texture &&
           (a.mode != GL_LINES ||
            (a.largeur == b.largeur && a.facteur == b.facteur && a.motif == b.motif));
}

bool recouvre(const Dessin& a, const Dessin& b)
{
    if (a.barriere || b.barriere)
        return true;
    return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2;
}

void boite(Dessin& d, float marge)
{
    d.x1 = d.y1 = 1e30f;
    d.x2 = d.y2 = -1e30f;
    for (size_t i = 0; i < d.sommets.size(); i += 8) {
        d.x1 = std::min(d.x1, d.sommets[i + 6]);
        d.x2 = std::max(d.x2, d.sommets[i + 6]);
        d.y1 = std::min(d.y1, d.sommets[i + 7]);
        d.y2 = std::max(d.y2, d.sommets[i + 7]);
    }
    d.x1 -= marge;
    d.y1 -= marge;
    d.x2 += marge;
    d.y2 += marge;
}

struct Groupe {
    const Dessin* modele;
    std::vector<const Dessin*> membres;
};
} // namespace

bool CPlancherMinimal::construit(const ListeDessin& image, std::string& erreur, bool reordonne)
{
    // Les dessins de la liste de l'image, en sommets d'OpenGL (y vers le haut), après
    // l'effacement qui ouvre l'image.
    if (image.commandes().empty()) {
        erreur = "image vide : rien à mesurer";
        return false;
    }
    std::vector<Dessin> dessins;
    Dessin efface{0, 0, 1, 1, 0xFFFF, {}, 0, 0, 0, 0, true};
    dessins.push_back(efface);
    const float h = float(hauteurAffichage());
    for (const CommandeDessin& c : image.commandes()) {
        const float rgba[4] = {c.couleur.r / 255.0f, c.couleur.g / 255.0f, c.couleur.b / 255.0f,
                               c.couleur.a / 255.0f};
        if (c.genre == DESSIN_GESTIONNAIRE) {
            // Le gestionnaire de l'éditeur trace ensuite ses primitives : rien ne le traverse.
            dessins.push_back(efface);
            dessins.back().mode = SANS_TRACE;
            continue;
        }
        if (c.genre == DESSIN_COPIE) {
            const QuadDessin& q = c.quad;
            Dessin d{GL_QUADS, c.texture, 1, 1, 0xFFFF, {}, 0, 0, 0, 0, false};
            const float coins[4][4] = {{q.s1, 1 - q.t1, c.x1 + q.penteGauche, h - c.y1},
                                       {q.s2, 1 - q.t1, c.x2 + q.penteDroite, h - c.y1},
                                       {q.s2, 1 - q.t2, c.x2, h - c.y2},
                                       {q.s1, 1 - q.t2, c.x1, h - c.y2}};
            for (const auto& v : coins)
                d.sommets.insert(d.sommets.end(),
                                 {v[0], v[1], rgba[0], rgba[1], rgba[2], rgba[3], v[2], v[3]});
            boite(d, 0);
            dessins.push_back(std::move(d));
            continue;
        }
        // La boucle devient ses segments, chacun tracé comme dans la boucle.
        Dessin d{GL_LINES, 0,    c.trait.epaisseur, c.trait.facteur, c.trait.motif, {}, 0, 0, 0,
                 0,        false};
        const float* xy = &image.sommetsBoucles()[2 * size_t(c.trait.premier)];
        const size_t n = c.trait.nombre;
        for (size_t i = 0; i < n; ++i)
            for (size_t k : {i, (i + 1) % n})
                d.sommets.insert(d.sommets.end(), {0, 0, rgba[0], rgba[1], rgba[2], rgba[3],
                                                   xy[2 * k], h - xy[2 * k + 1]});
        boite(d, std::ceil(c.trait.epaisseur) + 1);
        dessins.push_back(std::move(d));
    }

    // Chaque dessin rejoint le premier groupe de même état qui ne précède aucun groupe qu'il
    // recouvre ; sinon il en ouvre un à la fin. Deux dessins qui se recouvrent gardent ainsi
    // leur ordre.
    std::vector<Groupe> groupes;
    for (const Dessin& d : dessins) {
        size_t depuis = reordonne || groupes.empty() ? 0 : groupes.size() - 1;
        for (size_t g = groupes.size(); reordonne && g-- > 0 && depuis == 0;)
            for (const Dessin* m : groupes[g].membres)
                if (recouvre(*m, d)) {
                    depuis = g;
                    break;
                }
        size_t g = depuis;
        while (g < groupes.size() && (d.barriere || !memeEtat(*groupes[g].modele, d)))
            ++g;
        if (g == groupes.size())
            groupes.push_back(Groupe{&d, {}});
        groupes[g].membres.push_back(&d);
    }

    sommets.clear();
    listeLots.clear();
    nombreDessins = dessins.size();
    for (const Groupe& g : groupes) {
        const Dessin& m = *g.modele;
        Lot lot{m.mode, m.texture, m.largeur, m.facteur, m.motif, GLint(sommets.size()), 0};
        for (const Dessin* d : g.membres)
            for (size_t i = 0; i < d->sommets.size(); i += 8) {
                const float* v = &d->sommets[i];
                sommets.push_back(Sommet{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
            }
        lot.nombre = GLsizei(sommets.size()) - lot.premier;
        listeLots.push_back(lot);
    }
    return true;
}

void CPlancherMinimal::rejoue() const
{
    if (sommets.empty())
        return;
    const GLsizei pas = sizeof(Sommet);
    glTexCoordPointer(2, GL_FLOAT, pas, &sommets[0].s);
    glColorPointer(4, GL_FLOAT, pas, &sommets[0].r);
    glVertexPointer(2, GL_FLOAT, pas, &sommets[0].x);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    // L'état connu en début d'image : texturage coupé, rien de lié ni de trait posé.
    bool texturage = false;
    GLuint lie = 0;
    float largeur = -1;
    int facteur = -1, motif = -1;
    for (const Lot& l : listeLots) {
        if (l.mode == 0) {
            glClear(GL_COLOR_BUFFER_BIT);
            continue;
        }
        if (l.mode == SANS_TRACE)
            continue;
        if ((l.texture != 0) != texturage) {
            texturage = l.texture != 0;
            if (texturage)
                glEnable(GL_TEXTURE_2D);
            else
                glDisable(GL_TEXTURE_2D);
        }
        if (texturage && l.texture != lie) {
            lie = l.texture;
            glBindTexture(GL_TEXTURE_2D, lie);
        }
        if (l.mode == GL_LINES) {
            if (l.largeur != largeur) {
                largeur = l.largeur;
                glLineWidth(largeur);
            }
            if (l.facteur != facteur || l.motif != motif) {
                facteur = l.facteur;
                motif = l.motif;
                glLineStipple(facteur, GLushort(motif));
            }
        }
        glDrawArrays(l.mode, l.premier, l.nombre);
    }
    if (texturage)
        glDisable(GL_TEXTURE_2D);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}
