// Repos : la fenêtre Connexion sans aucune entrée pendant 20 s, la souris loin d'elle puis
// au-dessus ; le processeur pris par le processus (utime + stime de /proc) et les images que sa
// boucle a dessinées. La mesure part 12 s après l'apparition de la fenêtre : celle d'un programme
// qui reste au repos, une fois fini ce qui suit le démarrage (le curseur du champ qui a le focus
// clignote 10 s). Imprime la ligne "idle: ...".
//   repos PROGRAMME DOSSIER_DE_TRAVAIL
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace
{
const int DUREE_S = 20;

// Tops d'horloge du processus (utime + stime).
long processeur(pid_t pid)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
    std::string ligne;
    std::getline(f, ligne);
    // Le nom, entre parenthèses, peut contenir des espaces : lire après la dernière.
    std::istringstream reste(ligne.substr(ligne.rfind(')') + 2));
    std::string champ;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && reste >> champ; ++i) {
        if (i == 14)
            utime = std::stol(champ);
        if (i == 15)
            stime = std::stol(champ);
    }
    return utime + stime;
}

uint64_t images(pid_t pid, int lecture)
{
    kill(pid, SIGUSR1);
    uint64_t n = 0;
    if (read(lecture, &n, sizeof n) != sizeof n)
        return 0;
    return n;
}

struct Mesure {
    double pourcent;
    uint64_t images;
};

// Mesure pendant DUREE_S après attente_s secondes.
Mesure mesure(pid_t pid, int lecture, int attente_s)
{
    std::this_thread::sleep_for(std::chrono::seconds(attente_s));
    const long t0 = processeur(pid);
    const uint64_t i0 = images(pid, lecture);
    std::this_thread::sleep_for(std::chrono::seconds(DUREE_S));
    const long t1 = processeur(pid);
    const uint64_t i1 = images(pid, lecture);
    return {100.0 * double(t1 - t0) / double(sysconf(_SC_CLK_TCK)) / DUREE_S, i1 - i0};
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage : %s PROGRAMME DOSSIER_DE_TRAVAIL\n", argv[0]);
        return 2;
    }
    int tube[2];
    if (pipe(tube) != 0)
        return 1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(tube[0]);
        setenv("WEXO_BANC_IMAGES", std::to_string(tube[1]).c_str(), 1);
        if (chdir(argv[2]) == 0)
            execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tube[1]);
    // Une seule connexion tenue jusqu'à la fenêtre, puis la souris loin d'elle (501 x 393 en
    // (0,0)).
    if (std::system("timeout 20 xdotool search --sync --limit 1 --name '^Wexo$' >/dev/null") != 0 ||
        std::system("xdotool mousemove 900 700") != 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        std::fprintf(stderr, "repos : pas de fenêtre Wexo\n");
        return 1;
    }
    const Mesure loin = mesure(pid, tube[0], 12);
    if (std::system("xdotool mousemove 250 200") != 0)
        return 1;
    const Mesure dessus = mesure(pid, tube[0], 2);
    // Mesuré : fini par un signal, le clavier pouvant n'aller à aucune fenêtre (focus perdu
    // après le mode jeu d'un autre programme).
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("souris dessus : %llu images en %d s\n",
                static_cast<unsigned long long>(dessus.images), DUREE_S);
    std::printf("idle: pointer away %.2f %% CPU, %llu frames in %d s; pointer over %.2f %% CPU\n",
                loin.pourcent, static_cast<unsigned long long>(loin.images), DUREE_S,
                dessus.pourcent);
    return 0;
}
