// Clavier : les modificateurs de la livraison en cours.
#include "widgets/Clavier.h"

namespace
{
int modificateurs = 0;
}

int modificateursClavier()
{
    return modificateurs;
}

void poseModificateursClavier(int m)
{
    modificateurs = m;
}
