// Fenetre1.h : déclaration de CFenetre1, la fenêtre dessinée dans l'éditeur, dont "Fenetre1.cpp"
// tel que l'éditeur l'écrit donne le constructeur.
#pragma once

#include "Wexo.h"

class CFenetre1 : public CFenetre
{
  public:
    CFenetre1();
};
