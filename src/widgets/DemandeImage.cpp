// DemandeImage : une demande en attente, la plus proche échéance, et l'horloge de la boucle.
#include "widgets/DemandeImage.h"

#include <algorithm>

namespace
{
int32_t horloge = 0;
bool enAttente = false;
// Échéance absolue, dans l'horloge de la boucle.
int32_t echeance = 0;
} // namespace

void demandeImage()
{
    demandeImageDans(0);
}

void demandeImageDans(int32_t ms)
{
    const int32_t quand = horloge + std::max<int32_t>(ms, 0);
    if (!enAttente || quand - echeance < 0)
        echeance = quand;
    enAttente = true;
}

int32_t horlogeBoiteAOutils()
{
    return horloge;
}

void poseHorlogeBoiteAOutils(int32_t ms)
{
    horloge = ms;
}

bool prendDemandeImage(int32_t maintenant, int32_t& attente)
{
    attente = -1;
    if (!enAttente)
        return false;
    const int32_t reste = echeance - maintenant;
    if (reste <= 0) {
        enAttente = false;
        return true;
    }
    attente = reste;
    return false;
}

int32_t delaiDemandeImage(int32_t maintenant)
{
    if (!enAttente)
        return -1;
    return std::max<int32_t>(echeance - maintenant, 0);
}
