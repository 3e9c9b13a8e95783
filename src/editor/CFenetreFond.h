// CFenetreFond : fenêtre de fond invisible et plein écran, racine de l'arbre, qui passe chaque
// touche à sa fenêtre de premier plan.
#pragma once

#include "containers/CFenetre.h"

class CFenetreFond : public CFenetre
{
  public:
    // Ligne par défaut : ni cadre ni marge, la zone client est l'écran.
    CFenetreFond();

    void toucheClavier(int touche) override;
    void toucheSpeciale(int touche) override;
};
