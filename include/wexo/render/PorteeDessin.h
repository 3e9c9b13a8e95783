/// @file
/// PorteeDessin : la portée du dessin d'un objet de la boîte à outils ; à la fin de la plus
/// extérieure, tout ce qui attend est envoyé à OpenGL et l'état d'origine rendu.
#pragma once

#include "LotGL.h"

/// Ouverte au début du gestionnaire de dessin d'un objet ou d'un conteneur de la boîte à outils.
class PorteeDessin
{
  public:
    /// Empile, ou garde, au début de la portée.
    PorteeDessin() { entreePorteeDessin(); }
    /// Rend ce que le début a pris.
    ~PorteeDessin() { sortiePorteeDessin(); }
    PorteeDessin(const PorteeDessin&) = delete;
    PorteeDessin& operator=(const PorteeDessin&) = delete;
};
