// PremiereImage : bibliothèque préchargée (LD_PRELOAD) dans l'éditeur ; à son premier échange
// de tampons, note l'heure monotone dans le fichier BANC_PREMIERE_IMAGE et termine le processus.
#include <GL/gl.h>

#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

extern "C" void glutSwapBuffers()
{
    auto vrai = reinterpret_cast<void (*)()>(dlsym(RTLD_NEXT, "glutSwapBuffers"));
    if (vrai)
        vrai();
    glFinish();
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    if (const char* chemin = std::getenv("BANC_PREMIERE_IMAGE")) {
        if (FILE* f = std::fopen(chemin, "w")) {
            std::fprintf(f, "%lld\n", (long long)t.tv_sec * 1000000000LL + t.tv_nsec);
            std::fclose(f);
        }
    }
    _exit(0);
}
