// Couleur : quatre octets rouge, vert, bleu, alpha, dans cet ordre en mémoire.
#pragma once

#include <cstdint>

struct Couleur {
    uint8_t r;
    uint8_t g;
    uint8_t b;
    uint8_t a;
};
static_assert(sizeof(Couleur) == 4, "une Couleur se passe à OpenGL comme un vecteur d'octets");

constexpr bool operator==(Couleur u, Couleur v)
{
    return u.r == v.r && u.g == v.g && u.b == v.b && u.a == v.a;
}
constexpr bool operator!=(Couleur u, Couleur v)
{
    return !(u == v);
}
