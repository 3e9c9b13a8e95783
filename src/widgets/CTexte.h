// CTexte : zone de texte statique qui dessine un texte balisé dans son rectangle.
#pragma once

#include "widgets/CObjetGDI.h"

class CTexte : public CObjetGDI
{
  public:
    const char* texte; // texte balisé, ni copié ni possédé : il doit survivre à la zone

    // Range limites tel quel (sans setLimites).
    CTexte(Rect limites, const char* texte);
    // Rectangle ajusté au texte mesuré, à partir du coin haut-gauche position.
    CTexte(Coord position, const char* texte);

    void dessine(CObjetGDI* emetteur);
};
