/// @file
/// Fenetre1.h : déclaration de CFenetre1, la fenêtre dessinée dans l'éditeur, dont "Fenetre1.cpp"
/// tel que l'éditeur l'écrit donne le constructeur.
#pragma once

#include "Wexo.h"

/// La fenêtre dessinée dans l'éditeur.
class CFenetre1 : public CFenetre
{
  public:
    /// Défini par "Fenetre1.cpp" : son rectangle et ses objets.
    CFenetre1();
};
