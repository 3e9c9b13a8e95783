// BancVide : la boîte à outils seule, sur un OpenGL qui ne fait rien. Compte le tas vivant par
// un allocateur compteur, et isole les images à N = 100 pour callgrind (imagesMesurees).
#include "Scenes.h"

#include <cstddef>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace
{
// Chaque bloc porte sa taille devant lui, pour que delete la décompte.
const size_t ENTETE = alignof(std::max_align_t);
long long octetsVivants = 0;
long long blocsVivants = 0;
} // namespace

void* operator new(size_t taille)
{
    void* p = std::malloc(taille + ENTETE);
    if (!p)
        std::abort();
    *static_cast<size_t*>(p) = taille;
    octetsVivants += (long long)taille;
    ++blocsVivants;
    return static_cast<char*>(p) + ENTETE;
}

void operator delete(void* p) noexcept
{
    if (!p)
        return;
    char* bloc = static_cast<char*>(p) - ENTETE;
    octetsVivants -= (long long)*reinterpret_cast<size_t*>(bloc);
    --blocsVivants;
    std::free(bloc);
}

void operator delete(void* p, size_t) noexcept
{
    operator delete(p);
}

// Hors de tout espace anonyme et jamais en ligne : callgrind ne compte que sous elle.
extern "C" __attribute__((noinline)) void imagesMesurees(int nombre)
{
    for (int i = 0; i < nombre; ++i)
        imageEditeur();
}

int main()
{
    // Démarrage sans OpenGL : le décodage des images, la police et l'arbre, seuls.
    const auto debut = std::chrono::steady_clock::now();
    if (!demarreScenes()) {
        std::fputs("images de Data/ illisibles\n", stderr);
        return 1;
    }
    std::printf("demarre_ms %.3f\n",
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                    .count());
    fermeAide();
    imageEditeur();
    imageEditeur();
    const long long octetsAvant = octetsVivants, blocsAvant = blocsVivants;

    poseObjetsJusqua(100);
    for (int i = 0; i < 5; ++i)
        imageEditeur();
    imagesMesurees(100);
    std::printf("images_mesurees 100 objets 100\n");

    const int total = NOMBRES_OBJETS[2];
    poseObjetsJusqua(total);
    for (int i = 0; i < 3; ++i)
        imageEditeur();
    std::printf("tas_octets_par_objet %.1f blocs_par_objet %.2f objets %d\n",
                double(octetsVivants - octetsAvant) / total,
                double(blocsVivants - blocsAvant) / total, total);
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("rss_max_ko %ld\n", usage.ru_maxrss);
    return 0;
}
