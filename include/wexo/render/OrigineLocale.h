/// @file
/// OrigineLocale : une origine empilée pour la durée d'une portée, dépilée à sa fin.
#pragma once

#include "PilesDessin.h"

/// Décale l'origine courante de d jusqu'à la fin de la portée.
class OrigineLocale
{
  public:
    /// Empile, ou garde, au début de la portée.
    explicit OrigineLocale(Coord d) { empileOrigine(d); }
    /// Rend ce que le début a pris.
    ~OrigineLocale() { depileOrigine(); }
    OrigineLocale(const OrigineLocale&) = delete;
    OrigineLocale& operator=(const OrigineLocale&) = delete;
};
