/// @file
/// CImage : un rectangle de texels d'une texture du jeu, mis à l'échelle de l'objet.
#pragma once

#include "CObjetGDI.h"

#include <cstdint>

/// L'image : un rectangle de texels d'une texture du jeu, étiré sur l'objet.
class CImage : public CObjetGDI
{
  public:
    int32_t texture;       ///< indice dans le jeu de textures
    Coord imageHautGauche; ///< premier texel de la source
    Coord imageBasDroite;  ///< coin bas-droit de la source, exclu
    /// Vrai pour une image construite sur toute sa texture : la source suit la taille de
    /// l'image chargée, même si la texture est chargée après la construction.
    bool imageEntiere = false;

    /// Range limites tel quel (sans setLimites), la texture et les deux coins de source.
    CImage(int texture, Rect limites, Rect source);
    /// Montre l'image entière d'une texture du jeu (par exemple TEXTURE_MOI).
    CImage(Rect limites, int texture);

    /// Gestionnaire du dessin, inscrit par les constructeurs.
    void dessine(CObjetGDI* emetteur);

  private:
    void inscritGestionnaires();
};
