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
    int identifiant;        // texture liée
    int sx1, sy1, sx2, sy2; // texels, coin bas-droit exclu
    int x1, y1, x2, y2;     // écran, y vers le bas

    bool operator==(const MorceauGL& m) const
    {
        return identifiant == m.identifiant && sx1 == m.sx1 && sy1 == m.sy1 && sx2 == m.sx2 &&
               sy2 == m.sy2 && x1 == m.x1 && y1 == m.y1 && x2 == m.x2 && y2 == m.y2;
    }
};

inline std::ostream& operator<<(std::ostream& o, const MorceauGL& m)
{
    return o << "{tex " << m.identifiant << ", texels (" << m.sx1 << "," << m.sy1 << ")-(" << m.sx2
             << "," << m.sy2 << "), ecran (" << m.x1 << "," << m.y1 << ")-(" << m.x2 << "," << m.y2
             << ")}";
}

// Les quads texturés du journal, dans l'ordre. La taille de texture qui convertit les
// coordonnées en texels est lue dans le jeu d'après le nom lié.
inline std::vector<MorceauGL> morceauxDessines()
{
    std::vector<MorceauGL> morceaux;
    const std::vector<AppelGL>& a = enregistreur::appels();
    int lie = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].nom == "glBindTexture")
            lie = int(a[i].args[1]);
        if (a[i].nom != "glBegin" || a[i].args[0] != GL_QUADS || i + 8 >= a.size())
            continue;
        double L = 1, H = 1;
        for (const Texture& t : textures)
            if (int(t.identifiant) == lie && t.largeurTexture > 0) {
                L = t.largeurTexture;
                H = t.hauteurTexture;
            }
        // Premier sommet : coin haut-gauche ; troisième : coin bas-droit.
        const AppelGL& t1 = a[i + 1];
        const AppelGL& v1 = a[i + 2];
        const AppelGL& t3 = a[i + 5];
        const AppelGL& v3 = a[i + 6];
        auto sx = [&](double s) { return int(std::lround(s * L)); };
        auto sy = [&](double t) { return int(std::lround((1 - t) * H)); };
        morceaux.push_back({lie, sx(t1.args[0]), sy(t1.args[1]), sx(t3.args[0]), sy(t3.args[1]),
                            int(v1.args[0]), HAUTEUR_ECRAN - int(v1.args[1]), int(v3.args[0]),
                            HAUTEUR_ECRAN - int(v3.args[1])});
    }
    return morceaux;
}
