/// @file
/// Coord et Rect : points compactés en un mot de 32 bits et rectangles semi-ouverts.
#pragma once

#include <cstdint>

/// x dans les 16 bits de poids faible, y dans les 16 de poids fort : l'ordre des
/// champs et l'alignement sur 4 octets reproduisent exactement ce mot.
struct alignas(4) Coord {
    /// Abscisse et ordonnée en pixels, y vers le bas.
    ///@{
    int16_t x;
    int16_t y;
    ///@}

    /// Le mot de 32 bits tel qu'il est rangé en mémoire.
    uint32_t mot() const { return uint32_t(uint16_t(x)) | (uint32_t(uint16_t(y)) << 16); }
};
static_assert(sizeof(Coord) == 4, "un Coord tient dans un mot de 32 bits");

/// Coupe un entier à 16 bits signés, en complément à deux.
constexpr int16_t coupe16(int v)
{
    return int16_t(uint16_t(uint32_t(v) & 0xFFFFu));
}

/// Le point (x, y), chaque moitié coupée à 16 bits.
constexpr Coord MakeCoord(int x, int y)
{
    return Coord{coupe16(x), coupe16(y)};
}

/// Somme et différence, chaque moitié calculée sur 16 bits : jamais de retenue de x vers y.
///@{
constexpr Coord operator+(Coord a, Coord b)
{
    return MakeCoord(a.x + b.x, a.y + b.y);
}
constexpr Coord operator-(Coord a, Coord b)
{
    return MakeCoord(a.x - b.x, a.y - b.y);
}
///@}
/// Égalité des deux moitiés, et son contraire.
///@{
constexpr bool operator==(Coord a, Coord b)
{
    return a.x == b.x && a.y == b.y;
}
constexpr bool operator!=(Coord a, Coord b)
{
    return !(a == b);
}
///@}

/// Un rectangle semi-ouvert : le coin haut-gauche est dedans, le coin bas-droit dehors.
struct Rect {
    Coord hautGauche; ///< premier point dedans
    Coord basDroite;  ///< première colonne et première ligne dehors

    /// Largeur et hauteur, sur 16 bits, négatives pour un rectangle retourné.
    ///@{
    int16_t largeur() const { return coupe16(basDroite.x - hautGauche.x); }
    int16_t hauteur() const { return coupe16(basDroite.y - hautGauche.y); }
    ///@}
    /// Comparaison des coins, comme le font les primitives face au découpage.
    bool estVide() const { return hautGauche.x >= basDroite.x || hautGauche.y >= basDroite.y; }
    /// Le coin bas-droit est la première colonne et la première ligne dehors.
    bool contient(Coord p) const
    {
        return hautGauche.x <= p.x && p.x < basDroite.x && hautGauche.y <= p.y && p.y < basDroite.y;
    }
};

/// Le rectangle de (x1, y1) inclus à (x2, y2) exclu.
constexpr Rect MakeRect(int x1, int y1, int x2, int y2)
{
    return Rect{MakeCoord(x1, y1), MakeCoord(x2, y2)};
}

/// Le rectangle déplacé de c, ou de -c.
///@{
constexpr Rect operator+(Rect r, Coord c)
{
    return Rect{r.hautGauche + c, r.basDroite + c};
}
constexpr Rect operator-(Rect r, Coord c)
{
    return Rect{r.hautGauche - c, r.basDroite - c};
}
///@}
/// Égalité des deux coins, et son contraire.
///@{
constexpr bool operator==(const Rect& a, const Rect& b)
{
    return a.hautGauche == b.hautGauche && a.basDroite == b.basDroite;
}
constexpr bool operator!=(const Rect& a, const Rect& b)
{
    return !(a == b);
}
///@}

/// Taille de l'écran logique, celle du mode 1024 x 768.
///@{
const int LARGEUR_ECRAN = 1024;
const int HAUTEUR_ECRAN = 768;
///@}
/// L'écran logique entier, constant dès la compilation : aucun code de lancement
/// ne peut le lire avant qu'il soit rempli.
inline constexpr Rect PLEIN_ECRAN = MakeRect(0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN);

/// Maximum des coins haut-gauche, minimum des bas-droits ; le résultat n'est pas
/// réordonné, deux rectangles disjoints donnent donc un rectangle vide.
Rect intersection(Rect a, Rect b);

/// Le rectangle tendu entre deux coins donnés dans n'importe quel ordre.
Rect rectangleEntre(Coord p, Coord q);
