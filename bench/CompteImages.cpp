// CompteImages : à chaque SIGUSR1, le nombre d'images dessinées par la boucle est écrit sur le
// descripteur que donne WEXO_BANC_IMAGES ; rien d'autre ne touche au programme mesuré.
#include "application/Boucle.h"

#include <signal.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace
{
int descripteur = -1;

void ecritCompte(int)
{
    const uint64_t n = imagesAffichees.load();
    if (write(descripteur, &n, sizeof n) < 0) {
        // Le banc est parti : rien à dire.
    }
}

// Posé avant main : le programme mesuré reste celui de l'exemple.
const bool pose = [] {
    const char* fd = std::getenv("WEXO_BANC_IMAGES");
    if (!fd)
        return false;
    descripteur = std::atoi(fd);
    struct sigaction a = {};
    a.sa_handler = ecritCompte;
    a.sa_flags = SA_RESTART;
    sigaction(SIGUSR1, &a, nullptr);
    return true;
}();
} // namespace
