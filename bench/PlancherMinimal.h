// PlancherMinimal : le moindre travail OpenGL qui trace une image enregistrée, second plancher
// du banc.
#pragma once

#include "render/ListeDessin.h"

#include <GL/gl.h>

#include <string>
#include <vector>

// Les dessins de la liste d'une image (état, sommets absolus), regroupés par état partout où
// aucun dessin n'en croise un autre qu'il dépasserait, envoyés en tableaux par glDrawArrays,
// un état posé seulement quand le lot suivant en demande un autre.
class CPlancherMinimal
{
  public:
    // Faux, avec la raison dans erreur, sur une commande que ce plancher ne sait pas tracer.
    // Sans reordonne, les dessins gardent leur ordre : seuls les dessins consécutifs de même
    // état sont regroupés, ce que peut faire un dessin en mode immédiat.
    bool construit(const ListeDessin& image, std::string& erreur, bool reordonne = true);
    // Trace l'image ; laisse le texturage coupé, comme la boîte à outils en fin d'image.
    void rejoue() const;
    size_t dessins() const { return nombreDessins; }
    size_t lots() const { return listeLots.size(); }

  private:
    struct Sommet {
        float s, t;
        float r, g, b, a;
        float x, y;
    };
    struct Lot {
        GLenum mode;    // GL_QUADS ou GL_LINES ; 0 pour un effacement
        GLuint texture; // 0 sans texturage
        float largeur;
        int facteur;
        int motif;
        GLint premier;
        GLsizei nombre;
    };
    std::vector<Sommet> sommets;
    std::vector<Lot> listeLots;
    size_t nombreDessins = 0;
};
