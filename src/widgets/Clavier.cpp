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

unsigned char caractereAvecModificateurs(unsigned char touche, int m)
{
    const bool lettre = (touche >= 'a' && touche <= 'z') || (touche >= 'A' && touche <= 'Z');
    return (m & MODIFICATEUR_CTRL) && lettre ? (touche & 0x1F) : touche;
}
