// Relecture du journal de l'enregistreur : chaque quad texturé redevient un morceau lisible
// (texture liée, texels source et rectangle d'écran en coordonnées de la boîte à outils).
#pragma once

#include "render/Coord.h"
#include "render/Texture.h"

#include "EnregistreurGL.h"

#include <GL/gl.h>

#include <cmath>
#include <ostream>
#include <vector>

struct MorceauGL {
    int nomTexture;        // texture liée
    int sx1, sy1, sx2, sy2; // texels, coin bas-droit exclu
    int x1, y1, x2, y2;     // écran, y vers le bas

    bool operator==(const MorceauGL& m) const
    {
        return nomTexture == m.nomTexture && sx1 == m.sx1 && sy1 == m.sy1 && sx2 == m.sx2 &&
               sy2 == m.sy2 && x1 == m.x1 && y1 == m.y1 && x2 == m.x2 && y2 == m.y2;
    }
};

inline std::ostream& operator<<(std::ostream& o, const MorceauGL& m)
{
    return o << "{tex " << m.nomTexture << ", texels (" << m.sx1 << "," << m.sy1 << ")-(" << m.sx2
             << "," << m.sy2 << "), ecran (" << m.x1 << "," << m.y1 << ")-(" << m.x2 << "," << m.y2
             << ")}";
}

// Les quads texturés dessinés, dans l'ordre, rebâtis quel que soit leur regroupement en appels.
// La taille de texture qui convertit les coordonnées en texels est lue dans le jeu d'après le
// nom lié.
inline std::vector<MorceauGL> morceauxDessines()
{
    std::vector<MorceauGL> morceaux;
    for (const MorceauDessine& d : enregistreur::morceaux()) {
        if (d.mode != GL_QUADS || d.texture == 0)
            continue;
        double L = 1, H = 1;
        for (const Texture& t : textures)
            if (t.nomTexture == d.texture && t.largeurTexture > 0) {
                L = t.largeurTexture;
                H = t.hauteurTexture;
            }
        // Premier sommet : coin haut-gauche ; troisième : coin bas-droit.
        const SommetDessine& a = d.sommets[0];
        const SommetDessine& b = d.sommets[2];
        auto sx = [&](double s) { return int(std::lround(s * L)); };
        auto sy = [&](double t) { return int(std::lround((1 - t) * H)); };
        morceaux.push_back({int(d.texture), sx(a.s), sy(a.t), sx(b.s), sy(b.t), int(a.x),
                            HAUTEUR_ECRAN - int(a.y), int(b.x), HAUTEUR_ECRAN - int(b.y)});
    }
    return morceaux;
}
