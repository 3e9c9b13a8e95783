/// @file
/// MorceauSkin : un morceau d'habillage posé dans un rectangle, étiré ou répété et coupé à son
/// bord, et les bords et le centre d'un cadre découpé en neuf.
#pragma once

#include "Coord.h"

#include <cstdint>

/// Les sens dans lesquels un morceau s'allonge pour couvrir sa destination.
enum SensMorceau { EN_LARGEUR = 1, EN_HAUTEUR = 2, EN_LARGEUR_ET_HAUTEUR = 3 };

/// Un morceau d'habillage : une tuile de la texture et le rectangle qu'elle couvre.
struct MorceauSkin {
    /// Texels d'une tuile, coin bas-droit exclu.
    ///@{
    Coord tuileHautGauche;
    Coord tuileBasDroite;
    ///@}
    Rect destination; ///< rectangle local couvert
    int sens;         ///< SensMorceau
};

/// Couvre la destination de chaque morceau avec la texture donnée.
/// Étiré, le morceau perd la première et la dernière colonne (ou ligne) de sa tuile dans chaque
/// sens où il s'allonge : le filtrage linéaire n'y mêle pas les texels des morceaux voisins.
/// Répété, la tuile est posée à sa taille naturelle depuis le coin haut-gauche, de sa taille en
/// pas, et la dernière est coupée au bord de la destination. Plusieurs morceaux répétés sont posés
/// tuile à tuile, tour à tour, rangée après rangée.
/// Une tuile sans largeur ou sans hauteur dans un sens où elle s'allonge ne peut se répéter : tout
/// l'appel est alors étiré. Une destination vide ou retournée ne dessine rien. Répétées, les tuiles
/// sont aussi coupées au cadre donné, le rectangle local de l'objet : un objet plus petit que son
/// habillage coupe ses bandes à ses propres bords.
void dessineMorceaux(int texture, const MorceauSkin* morceaux, int nombre, bool etire,
                     const Rect* cadre = nullptr);

/// Un seul morceau, comme dessineMorceaux.
inline void dessineMorceau(int texture, const MorceauSkin& morceau, bool etire)
{
    dessineMorceaux(texture, &morceau, 1, etire);
}

/// Trois bandes de texels d'un habillage découpé en neuf, dans un sens : la table range les
/// coupes x0..x3, x3 étant le dernier texel, et les texels x1 et x2 séparent les bandes. Converties
/// une fois en bornes exclusives : [x0, x1), [x1 + 1, x2), [x2 + 1, x3 + 1).
struct Bandes {
    int debut[3]; ///< premier texel de chaque bande
    int fin[3];   ///< premier texel après chaque bande
    /// Largeur d'une bande en texels.
    int taille(int i) const { return fin[i] - debut[i]; }
};

/// Les bandes des coupes c[0..3] d'une ligne d'habillage, décalées de d texels.
constexpr Bandes bandes(const int32_t c[4], int d = 0)
{
    return Bandes{{c[0] + d, c[1] + 1 + d, c[2] + 1 + d}, {c[1] + d, c[2] + d, c[3] + 1 + d}};
}

/// Les texels de la bande i en x et j en y.
inline Coord texelsDebut(const Bandes& x, const Bandes& y, int i, int j)
{
    return MakeCoord(x.debut[i], y.debut[j]);
}
/// Le coin exclusif de la bande i en x et j en y.
inline Coord texelsFin(const Bandes& x, const Bandes& y, int i, int j)
{
    return MakeCoord(x.fin[i], y.fin[j]);
}

/// Les quatre bords et le centre d'un cadre découpé en bandes x et y, posés sur le rectangle
/// (0,0)-(W,H), qui coupe aussi les tuiles répétées ; les coins restent à l'appelant. Haut et bas
/// sont posés ensemble, puis gauche et droite, puis le centre.
void dessineBordsEtCentre(int texture, const Bandes& x, const Bandes& y, int W, int H, bool etire);
