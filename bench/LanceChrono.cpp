// LanceChrono : lance un programme avec PremiereImage préchargée et donne, en millisecondes,
// le temps de son lancement à sa première image ; répété, il écrit une ligne par lancement.
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
long long maintenantNs()
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fputs("usage : lance_chrono <fois> <bibliothèque préchargée> <fichier> <programme>\n",
                   stderr);
        return 2;
    }
    const int fois = std::atoi(argv[1]);
    setenv("LD_PRELOAD", argv[2], 1);
    setenv("BANC_PREMIERE_IMAGE", argv[3], 1);
    for (int i = 0; i < fois; ++i) {
        std::remove(argv[3]);
        const long long debut = maintenantNs();
        pid_t enfant = fork();
        if (enfant == 0) {
            execv(argv[4], argv + 4);
            _exit(127);
        }
        int etat = 0;
        waitpid(enfant, &etat, 0);
        long long image = 0;
        FILE* f = std::fopen(argv[3], "r");
        if (!f || std::fscanf(f, "%lld", &image) != 1) {
            std::fprintf(stderr, "lancement %d : aucune image (état %d)\n", i, etat);
            if (f)
                std::fclose(f);
            return 1;
        }
        std::fclose(f);
        std::printf("demarrage_ms %.3f\n", double(image - debut) / 1e6);
    }
    return 0;
}
