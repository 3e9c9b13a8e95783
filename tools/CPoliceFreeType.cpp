// CPoliceFreeType : chargement de la police, rendu en niveaux de gris avec un lissage léger.
#include "CPoliceFreeType.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <climits>
#include <cmath>

namespace
{
FT_Face face(void* v)
{
    return static_cast<FT_Face>(v);
}
} // namespace

CPoliceFreeType::CPoliceFreeType(const std::string& chemin, float taille)
{
    FT_Library b = nullptr;
    if (FT_Init_FreeType(&b) != 0)
        return;
    bibliotheque = b;
    FT_Face f = nullptr;
    if (FT_New_Face(b, chemin.c_str(), 0, &f) != 0)
        return;
    visage = f;
    changeTaille(taille);
}

CPoliceFreeType::~CPoliceFreeType()
{
    if (visage)
        FT_Done_Face(face(visage));
    if (bibliotheque)
        FT_Done_FreeType(static_cast<FT_Library>(bibliotheque));
}

void CPoliceFreeType::changeTaille(float taille)
{
    FT_Set_Char_Size(face(visage), 0, static_cast<FT_F26Dot6>(std::lround(taille * 64)), 72, 72);
}

GlypheRendu CPoliceFreeType::rend(char32_t code) const
{
    GlypheRendu g;
    FT_Face f = face(visage);
    // Le calage vertical seul garde des horizontales nettes sans déformer les lettres.
    if (FT_Load_Char(f, code, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0)
        return g;
    const FT_Bitmap& b = f->glyph->bitmap;
    g.largeur = static_cast<int>(b.width);
    g.hauteur = static_cast<int>(b.rows);
    g.gauche = f->glyph->bitmap_left;
    g.haut = f->glyph->bitmap_top;
    g.avance = static_cast<int>((f->glyph->advance.x + 32) >> 6);
    g.couverture.resize(static_cast<size_t>(g.largeur) * g.hauteur);
    for (int y = 0; y < g.hauteur; ++y)
        for (int x = 0; x < g.largeur; ++x)
            g.couverture[static_cast<size_t>(y) * g.largeur + x] = b.buffer[y * b.pitch + x];
    return g;
}

int CPoliceFreeType::largeurTexte(const std::u32string& texte) const
{
    int x = 0, debut = INT_MAX, fin = INT_MIN;
    for (char32_t c : texte) {
        GlypheRendu g = rend(c);
        if (g.largeur > 0) {
            debut = std::min(debut, x + g.gauche);
            fin = std::max(fin, x + g.gauche + g.largeur);
        }
        x += g.avance;
    }
    return fin > debut ? fin - debut : 0;
}

void CPoliceFreeType::ecrit(CToile& toile, const std::u32string& texte, int x, int ligneDeBase,
                            Teinte t) const
{
    for (char32_t c : texte) {
        GlypheRendu g = rend(c);
        for (int y = 0; y < g.hauteur; ++y)
            for (int i = 0; i < g.largeur; ++i)
                toile.compose(x + g.gauche + i, ligneDeBase - g.haut + y, t,
                              g.couverture[static_cast<size_t>(y) * g.largeur + i] / 255.0f);
        x += g.avance;
    }
}

void CPoliceFreeType::ecritCentre(CToile& toile, const std::u32string& texte, float cx,
                                  int ligneDeBase, Teinte t) const
{
    if (texte.empty())
        return;
    int premier = rend(texte[0]).gauche;
    int x = static_cast<int>(std::lround(cx - largeurTexte(texte) / 2.0f)) - premier;
    ecrit(toile, texte, x, ligneDeBase, t);
}
