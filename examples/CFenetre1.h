// CFenetre1 : la fenêtre dessinée dans l'éditeur ; son constructeur est dans Fenetre1.cpp, tel
// que l'éditeur l'écrit.
#pragma once

#include "Wexo.h"

// L'éditeur écrit les images avec le seul préfixe BMP_ : le lecteur le complète en une
// constante à lui qui nomme une texture du jeu. Ici, l'image "Moi".
const int BMP_MOI = TEXTURE_MOI;

class CFenetre1 : public CFenetre
{
  public:
    CFenetre1();
};
