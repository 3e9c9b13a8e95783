// CImageDonnees : une image de build/Data lue par litTGA, consultée depuis son coin haut-gauche.
#pragma once

#include "render/Texture.h"

#include <cstdint>
#include <string>
#include <vector>

struct Pixel {
    int r, g, b, a;
};

class CImageDonnees
{
  public:
    // Lit Data/<nom>.tga depuis le dossier courant (le dossier de build des tests).
    explicit CImageDonnees(const char* nom);

    bool lue() const { return ok; }
    int largeur() const { return l; }
    int hauteur() const { return h; }
    int bits() const { return bitsParPixel; }
    // Pixel en (x, y), y compté depuis le haut de l'image.
    Pixel at(int x, int y) const;

  private:
    bool ok = false;
    int l = 0, h = 0, bitsParPixel = 0;
    std::vector<uint8_t> pixels; // lignes dans l'ordre du fichier, de bas en haut
};

// Octets bruts d'un fichier de build/Data.
std::vector<uint8_t> octetsFichier(const std::string& nom);
