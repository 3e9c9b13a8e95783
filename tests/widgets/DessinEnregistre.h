// Relecture du journal de l'enregistreur OpenGL : copies de texels et glyphes dessinés, pour les
// tests des objets.
#pragma once

#include "render/Coord.h"
#include "render/Couleur.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Une copie de texels, ramenée en coordonnées d'écran et en texels.
struct Piece {
    uint32_t texture; // nom OpenGL lié
    Rect ecran;
    Rect texels;
    std::string texte() const;
};
bool operator==(const Piece& a, const Piece& b);

// Un glyphe : sa couleur et le point de la plume où il part.
struct GlypheVu {
    char code;
    Couleur couleur;
    int x, y; // haut de la ligne à la plume, en coordonnées d'écran (y vers le bas)
};

struct DessinEnregistre {
    std::vector<Piece> pieces; // quads liés à une autre texture que la police
    std::vector<GlypheVu> glyphes;
    DessinEnregistre(); // lit le journal courant
};

// Texture d'essai des boutons et des coches, et police d'essai ; remises à vide par retire.
namespace essai
{
const uint32_t NOM_BOUTONS = 21;
const uint32_t NOM_COCHES = 25;
const uint32_t NOM_POLICE = 7;
void installe();
void retire();
} // namespace essai

// Banc des tests de dessin des objets : textures et police d'essai posées, journal vidé, puis
// piles de dessin et textures remises à vide après chaque test.
class EssaiDessin : public ::testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;
};
