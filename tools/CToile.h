// CToile : image RVBA en flottants où le générateur peint ses formes lissées.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Couleur non prémultipliée, composantes de 0 à 1.
struct Teinte {
    float r, g, b, a;
};

// Teinte à partir d'octets, l'opacité restant entre 0 et 1.
Teinte rvb(int r, int g, int b, float a = 1.0f);
// Mélange linéaire de deux teintes (t = 0 donne u).
Teinte melange(Teinte u, Teinte v, float t);
// Même teinte, opacité multipliée.
Teinte attenue(Teinte u, float facteur);

// Distance signée au bord d'une forme, négative à l'intérieur, en pixels.
using Forme = std::function<float(float x, float y)>;
// Couleur d'une peinture en un point.
using Peinture = std::function<Teinte(float x, float y)>;

class CToile
{
  public:
    CToile(int largeur, int hauteur);

    int largeur() const { return l; }
    int hauteur() const { return h; }

    // Compose une teinte sur un pixel avec la couverture donnée (mode « par-dessus »).
    void compose(int x, int y, Teinte t, float couverture);
    // Remplit une forme, bord lissé sur un pixel, dans le rectangle x1..x2, y1..y2 exclus.
    void remplit(const Forme& forme, const Peinture& peinture, int x1, int y1, int x2, int y2);
    void remplit(const Forme& forme, Teinte teinte, int x1, int y1, int x2, int y2);
    // Ombre douce : la couverture décroît sur flou pixels de part et d'autre du bord.
    void ombre(const Forme& forme, float flou, Teinte teinte, int x1, int y1, int x2, int y2);
    // Remplace les pixels d'un rectangle, sans composition.
    void pose(int x, int y, Teinte t);
    // Compose une autre toile par-dessus celle-ci.
    void superpose(const CToile& source, int dx, int dy);

    Teinte lit(int x, int y) const;
    // Octets R, V, B, A non prémultipliés, lignes de haut en bas.
    std::vector<uint8_t> octets() const;

  private:
    int l, h;
    std::vector<float> p; // prémultiplié, 4 flottants par pixel
};
