// PlancherMinimal : rebâtit les dessins d'un flux enregistré, les regroupe par état sans changer
// l'ordre de deux dessins qui se recouvrent, et les envoie en tableaux.
#include "PlancherMinimal.h"

#include <algorithm>
#include <cmath>

namespace
{
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

bool CPlancherMinimal::construit(const CFluxGL& flux, std::string& erreur, bool reordonne)
{
    std::vector<Dessin> dessins;
    // L'état qu'OpenGL aurait au fil du flux. La translation du repère est accumulée en
    // simple précision, comme la matrice d'OpenGL.
    bool texturage = false;
    GLuint lie = 0;
    float couleur[4] = {1, 1, 1, 1};
    float coord[2] = {0, 0};
    float largeur = 1;
    int facteur = 1, motif = 0xFFFF;
    float tx = 0, ty = 0;
    std::vector<std::pair<float, float>> pile;
    bool modele = true;
    GLenum mode = 0;
    std::vector<float> courant;
    auto sommet = [&](double x, double y) {
        courant.insert(courant.end(), {coord[0], coord[1], couleur[0], couleur[1], couleur[2],
                                       couleur[3], float(x) + tx, float(y) + ty});
    };
    auto nouveau = [&](GLenum m) {
        Dessin d{m, texturage ? lie : 0, largeur, facteur, motif, {}, 0, 0, 0, 0, false};
        return d;
    };
    for (const OperationGL& op : flux.liste()) {
        const double* a = op.args;
        switch (op.code) {
        case ACTIVE:
        case DESACTIVE:
            if (GLenum(a[0]) != GL_TEXTURE_2D) {
                erreur = "glEnable ou glDisable autre que le texturage dans l'image";
                return false;
            }
            texturage = op.code == ACTIVE;
            break;
        case LIE_TEXTURE:
            lie = GLuint(a[1]);
            break;
        case COULEUR_F:
            for (int i = 0; i < 4; ++i)
                couleur[i] = float(a[i]);
            break;
        case COULEUR_UB:
        case COULEUR_UBV:
            for (int i = 0; i < 4; ++i)
                couleur[i] = float(a[i]) / 255.0f;
            break;
        case COORD_TEXTURE:
            coord[0] = float(a[0]);
            coord[1] = float(a[1]);
            break;
        case LARGEUR_LIGNE:
            largeur = float(a[0]);
            break;
        case POINTILLE:
            facteur = int(a[0]);
            motif = int(a[1]);
            break;
        case TRANSLATION_D:
        case TRANSLATION_F:
            if (!modele) {
                erreur = "translation hors du repère des objets";
                return false;
            }
            tx += float(a[0]);
            ty += float(a[1]);
            break;
        case IDENTITE:
            if (!modele) {
                erreur = "projection changée dans l'image";
                return false;
            }
            tx = ty = 0;
            break;
        case MATRICE:
            modele = GLenum(a[0]) == GL_MODELVIEW;
            break;
        case EMPILE_MATRICE:
            pile.push_back({tx, ty});
            break;
        case DEPILE_MATRICE:
            if (pile.empty()) {
                erreur = "glPopMatrix sans glPushMatrix";
                return false;
            }
            tx = pile.back().first;
            ty = pile.back().second;
            pile.pop_back();
            break;
        case DEBUT:
            mode = GLenum(a[0]);
            courant.clear();
            break;
        case SOMMET_I:
        case SOMMET_D:
        case SOMMET_F:
            sommet(a[0], a[1]);
            break;
        case FIN:
            if (mode == GL_QUADS) {
                for (size_t i = 0; i + 32 <= courant.size(); i += 32) {
                    Dessin d = nouveau(GL_QUADS);
                    d.sommets.assign(courant.begin() + long(i), courant.begin() + long(i) + 32);
                    boite(d, 0);
                    dessins.push_back(std::move(d));
                }
            } else if (mode == GL_LINE_LOOP) {
                // La boucle devient ses segments, chacun tracé comme dans la boucle.
                Dessin d = nouveau(GL_LINES);
                const size_t n = courant.size() / 8;
                for (size_t i = 0; i < n; ++i) {
                    const size_t j = (i + 1) % n;
                    d.sommets.insert(d.sommets.end(), courant.begin() + long(8 * i),
                                     courant.begin() + long(8 * i + 8));
                    d.sommets.insert(d.sommets.end(), courant.begin() + long(8 * j),
                                     courant.begin() + long(8 * j + 8));
                }
                boite(d, std::ceil(largeur) + 1);
                dessins.push_back(std::move(d));
            } else {
                erreur = "primitive autre que quads et boucles de lignes";
                return false;
            }
            break;
        case RECTANGLE: {
            // glRecti est un polygone de ses quatre coins : le même quad.
            courant.clear();
            sommet(a[0], a[1]);
            sommet(a[2], a[1]);
            sommet(a[2], a[3]);
            sommet(a[0], a[3]);
            Dessin d = nouveau(GL_QUADS);
            d.sommets = courant;
            boite(d, 0);
            dessins.push_back(std::move(d));
            break;
        }
        case EFFACE: {
            Dessin d = nouveau(0);
            d.barriere = true;
            dessins.push_back(std::move(d));
            break;
        }
        case DESSINE_TABLEAU: {
            // Chaque sommet a sa couleur ; les quads un à un, une boucle en ses segments.
            const SommetTableau* v = &flux.sommetsTableaux()[size_t(a[1])];
            const size_t n = size_t(a[2]);
            courant.clear();
            for (size_t i = 0; i < n; ++i)
                courant.insert(courant.end(), {v[i].s, v[i].t, v[i].r, v[i].g, v[i].b, v[i].a,
                                               v[i].x + tx, v[i].y + ty});
            if (GLenum(a[0]) == GL_QUADS) {
                for (size_t i = 0; i + 32 <= courant.size(); i += 32) {
                    Dessin d = nouveau(GL_QUADS);
                    d.sommets.assign(courant.begin() + long(i), courant.begin() + long(i) + 32);
                    boite(d, 0);
                    dessins.push_back(std::move(d));
                }
            } else if (GLenum(a[0]) == GL_LINE_LOOP) {
                Dessin d = nouveau(GL_LINES);
                for (size_t i = 0; i < n; ++i) {
                    const size_t j = (i + 1) % n;
                    d.sommets.insert(d.sommets.end(), courant.begin() + long(8 * i),
                                     courant.begin() + long(8 * i + 8));
                    d.sommets.insert(d.sommets.end(), courant.begin() + long(8 * j),
                                     courant.begin() + long(8 * j + 8));
                }
                boite(d, std::ceil(largeur) + 1);
                dessins.push_back(std::move(d));
            } else {
                erreur = "tableau autre que quads et boucles de lignes";
                return false;
            }
            break;
        }
        case ACTIVE_TABLEAU:
        case DESACTIVE_TABLEAU:
        case POINTEUR_TABLEAU:
            break;
        case PARAMETRE_TEXTURE:
        case MELANGE:
        case COULEUR_EFFACEMENT:
            erreur = "réglage d'initialisation dans l'image";
            return false;
        }
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
