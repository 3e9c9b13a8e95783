/// @file
/// DecoupageLocal : un découpage empilé pour la durée d'une portée, dépilé à sa fin.
#pragma once

#include "PilesDessin.h"

/// Restreint le découpage courant au rectangle local donné jusqu'à la fin de la portée.
class DecoupageLocal
{
  public:
    /// Empile, ou garde, au début de la portée.
    DecoupageLocal(Coord hautGauche, Coord basDroite) { empileDecoupage(hautGauche, basDroite); }
    /// Rend ce que le début a pris.
    ~DecoupageLocal() { depileDecoupage(); }
    DecoupageLocal(const DecoupageLocal&) = delete;
    DecoupageLocal& operator=(const DecoupageLocal&) = delete;
};
