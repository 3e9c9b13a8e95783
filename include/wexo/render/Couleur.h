/// @file
/// Couleur : quatre octets rouge, vert, bleu, alpha, dans cet ordre en mémoire.
#pragma once

#include <cstdint>

/// Une couleur de 8 bits par composante, alpha 255 pour l'opaque.
struct Couleur {
    /// Rouge, vert, bleu et alpha, de 0 à 255.
    ///@{
    uint8_t r;
    uint8_t g;
    uint8_t b;
    uint8_t a;
    ///@}
};
static_assert(sizeof(Couleur) == 4, "une Couleur se passe à OpenGL comme un vecteur d'octets");

/// Égalité des quatre composantes.
constexpr bool operator==(Couleur u, Couleur v)
{
    return u.r == v.r && u.g == v.g && u.b == v.b && u.a == v.a;
}
/// Une composante au moins diffère.
constexpr bool operator!=(Couleur u, Couleur v)
{
    return !(u == v);
}
