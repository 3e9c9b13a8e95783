// CFondApplication : la racine de lanceApplication, un fond plein écran dont Échap arrête la
// boucle d'événements.
#pragma once

#include "containers/CFenetre.h"

class CFondApplication : public CFenetre
{
  public:
    // Ligne par défaut : ni cadre ni marge, la zone client est l'écran.
    CFondApplication();

    // Échap arrête la boucle ; les autres touches vont à la fenêtre de premier plan.
    void toucheClavier(int touche) override;
    void toucheSpeciale(int touche) override;
};
