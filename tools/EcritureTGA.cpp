// Codage RLE des lignes d'une image : plages de pixels répétés et paquets bruts.
#include "EcritureTGA.h"

#include <cstdio>
#include <cstring>

namespace
{

const int PAQUET_MAX = 128;

bool memePixel(const uint8_t* a, const uint8_t* b)
{
    return std::memcmp(a, b, 4) == 0;
}

// Ajoute un pixel dans l'ordre du fichier : B, V, R, A.
void ajoutePixel(std::vector<uint8_t>& o, const uint8_t* p)
{
    o.push_back(p[2]);
    o.push_back(p[1]);
    o.push_back(p[0]);
    o.push_back(p[3]);
}

void codeLigne(std::vector<uint8_t>& o, const uint8_t* ligne, int largeur)
{
    int x = 0;
    while (x < largeur) {
        // Longueur de la plage de pixels identiques qui commence en x.
        int n = 1;
        while (x + n < largeur && n < PAQUET_MAX && memePixel(ligne + 4 * x, ligne + 4 * (x + n)))
            ++n;
        if (n >= 2) {
            o.push_back(static_cast<uint8_t>(0x80 | (n - 1)));
            ajoutePixel(o, ligne + 4 * x);
            x += n;
            continue;
        }
        // Paquet brut jusqu'au début de la prochaine plage.
        int debut = x;
        while (x < largeur && x - debut < PAQUET_MAX &&
               !(x + 1 < largeur && memePixel(ligne + 4 * x, ligne + 4 * (x + 1))))
            ++x;
        o.push_back(static_cast<uint8_t>(x - debut - 1));
        for (int i = debut; i < x; ++i)
            ajoutePixel(o, ligne + 4 * i);
    }
}

} // namespace

std::vector<uint8_t> codeTGA(int largeur, int hauteur, const std::vector<uint8_t>& rvba)
{
    std::vector<uint8_t> o = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    o.push_back(static_cast<uint8_t>(largeur & 0xFF));
    o.push_back(static_cast<uint8_t>(largeur >> 8));
    o.push_back(static_cast<uint8_t>(hauteur & 0xFF));
    o.push_back(static_cast<uint8_t>(hauteur >> 8));
    o.push_back(32);
    o.push_back(8); // huit bits d'alpha, origine en bas
    for (int y = hauteur - 1; y >= 0; --y)
        codeLigne(o, rvba.data() + static_cast<size_t>(y) * largeur * 4, largeur);
    return o;
}

bool ecritFichier(const std::string& chemin, const std::vector<uint8_t>& octets)
{
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(octets.data(), 1, octets.size(), f) == octets.size();
    return std::fclose(f) == 0 && ok;
}
