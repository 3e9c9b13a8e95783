// CImageDonnees : lecture par le lecteur de la bibliothèque, lignes remises de haut en bas.
#include "CImageDonnees.h"

#include <fstream>
#include <iterator>

CImageDonnees::CImageDonnees(const char* nom)
{
    Texture t{nom, nullptr, 0, 0, 0, 0, 0, 0};
    ok = litTGA(t);
    if (!ok)
        return;
    l = t.largeur;
    h = t.hauteur;
    bitsParPixel = t.bitsParPixel;
    pixels.assign(t.pixels, t.pixels + size_t(l) * size_t(h) * size_t(bitsParPixel / 8));
    liberePixels(t);
}

Pixel CImageDonnees::at(int x, int y) const
{
    const int n = bitsParPixel / 8;
    // Le fichier range la ligne du bas en premier.
    const uint8_t* p = &pixels[(size_t(h - 1 - y) * size_t(l) + size_t(x)) * size_t(n)];
    return {p[0], p[1], p[2], n == 4 ? p[3] : 255};
}

std::vector<uint8_t> octetsFichier(const std::string& nom)
{
    std::ifstream f(std::string(WEXO_DOSSIER_BUILD) + "/Data/" + nom + ".tga", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f),
                                std::istreambuf_iterator<char>());
}
