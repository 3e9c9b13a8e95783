/// @file
/// StyleLocal : le style courant du texte gardé au début d'une portée et rendu à sa fin.
#pragma once

#include "StyleTexte.h"

/// Ce que la portée change du style courant (la couleur d'une légende) ne lui survit pas.
class StyleLocal
{
  public:
    /// Empile, ou garde, au début de la portée.
    StyleLocal() : garde(styleCourant()) {}
    /// Rend ce que le début a pris.
    ~StyleLocal() { styleCourant() = garde; }
    StyleLocal(const StyleLocal&) = delete;
    StyleLocal& operator=(const StyleLocal&) = delete;

  private:
    StyleTexte garde;
};
