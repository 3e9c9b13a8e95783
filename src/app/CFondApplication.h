// CFondApplication : la racine de lanceApplication, un fond plein écran dont Échap arrête la
// boucle d'événements.
#pragma once

#include "app/CFenetreFond.h"

class CFondApplication : public CFenetreFond
{
  public:
    // Échap arrête la boucle ; les autres touches vont à la fenêtre de premier plan.
    void toucheClavier(int touche) override;
};
