/// @file
/// CTexte : zone de texte statique qui dessine un texte balisé dans son rectangle.
#pragma once

#include "CObjetGDI.h"

/// La zone de texte : un texte balisé dessiné dans son rectangle.
class CTexte : public CObjetGDI
{
  public:
    const char* texte; ///< texte balisé, ni copié ni possédé : il doit survivre à la zone

    /// Range limites tel quel (sans setLimites).
    CTexte(Rect limites, const char* texte);
    /// Rectangle ajusté au texte mesuré, à partir du coin haut-gauche position.
    CTexte(Coord position, const char* texte);

    /// Change le texte depuis le code, dessiné à l'image suivante dans le même rectangle ; la
    /// zone garde le pointeur, que l'appelant garde en vie ; nul vaut un texte vide.
    void setTexte(const char* nouveau);

    /// Gestionnaire du dessin, inscrit par les constructeurs.
    void dessine(CObjetGDI* emetteur);
};
