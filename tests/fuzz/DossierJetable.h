// DossierJetable : dossier de travail des cibles de fuzzing qui lisent Data/ ou écrivent dans le
// dossier courant, pris en mémoire quand c'est possible et effacé à la sortie normale.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace dossierJetable
{
inline std::string& chemin()
{
    static std::string c;
    return c;
}

inline void arrete(const char* quoi)
{
    std::fprintf(stderr, "anomalie : %s\n", quoi);
    std::abort();
}

// Les chemins relatifs de la ligne de commande de libFuzzer (corpus, artefacts, dictionnaire)
// sont rendus absolus, pour rester valables après le changement de dossier ; sans préfixe
// d'artefacts donné, les cas fautifs vont dans le dossier de lancement.
inline void absolutiseArguments(int* argc, char*** argv)
{
    char courant[4096];
    if (!getcwd(courant, sizeof courant))
        arrete("dossier courant illisible");
    const std::string ici = std::string(courant) + "/";
    static std::vector<std::string> arguments;
    bool prefixeDonne = false;
    for (int i = 0; i < *argc; ++i) {
        std::string a = (*argv)[i];
        if (i > 0 && !a.empty() && a[0] != '-' && a[0] != '/')
            a = ici + a;
        for (const char* option : {"-artifact_prefix=", "-exact_artifact_path=", "-dict="}) {
            const size_t n = std::strlen(option);
            if (a.compare(0, n, option) == 0 && a.size() > n && a[n] != '/')
                a = option + ici + a.substr(n);
        }
        prefixeDonne = prefixeDonne || a.compare(0, 17, "-artifact_prefix=") == 0;
        arguments.push_back(a);
    }
    if (!prefixeDonne)
        arguments.push_back("-artifact_prefix=" + ici);
    static std::vector<char*> pointeurs;
    for (std::string& a : arguments)
        pointeurs.push_back(&a[0]);
    pointeurs.push_back(nullptr);
    *argc = int(arguments.size());
    *argv = pointeurs.data();
}

// Efface le contenu de Data/, Data/ et le dossier lui-même (qui ne contient rien d'autre que
// les fichiers nommés).
inline void efface(std::vector<std::string> fichiers)
{
    for (const std::string& f : fichiers)
        std::remove(f.c_str());
    rmdir("Data");
    if (chdir("/") == 0 && !chemin().empty())
        rmdir(chemin().c_str());
}

// Crée le dossier (dans /dev/shm, sinon /tmp) avec son Data/, et s'y place.
inline void entre(const char* nom)
{
    std::string enMemoire = std::string("/dev/shm/") + nom + "-XXXXXX";
    std::string surDisque = std::string("/tmp/") + nom + "-XXXXXX";
    const char* dossier = mkdtemp(&enMemoire[0]);
    if (!dossier)
        dossier = mkdtemp(&surDisque[0]);
    if (!dossier || chdir(dossier) != 0 || mkdir("Data", 0700) != 0)
        arrete("dossier de travail");
    chemin() = dossier;
}
} // namespace dossierJetable
