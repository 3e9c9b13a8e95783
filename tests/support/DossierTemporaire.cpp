// Dossier de travail jetable, arguments de libFuzzer rendus absolus, fabrication de fichiers TGA.
#include "DossierTemporaire.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

DossierTemporaire::DossierTemporaire(const std::string& prefixe)
{
    // En mémoire, les cibles de fuzzing qui réécrivent un fichier à chaque essai vont plus vite.
    std::string enMemoire = "/dev/shm/" + prefixe + "-XXXXXX";
    std::string surDisque = "/tmp/" + prefixe + "-XXXXXX";
    const char* cree = mkdtemp(&enMemoire[0]);
    if (!cree)
        cree = mkdtemp(&surDisque[0]);
    if (!cree)
        throw std::runtime_error("mkdtemp");
    dossier = cree;
    fs::create_directory(fs::path(dossier) / "Data");
    origine = fs::current_path().string();
    fs::current_path(dossier);
}

DossierTemporaire::~DossierTemporaire()
{
    std::error_code ec;
    fs::current_path(origine, ec);
    fs::remove_all(dossier, ec);
}

void DossierTemporaire::ecrit(const std::string& nom, const std::vector<uint8_t>& octets) const
{
    std::ofstream f(fs::path(dossier) / "Data" / (nom + ".tga"), std::ios::binary);
    f.write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
}

void DossierTemporaire::absolutiseArguments(int* argc, char*** argv)
{
    const std::string ici = fs::current_path().string() + "/";
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
    // libFuzzer garde les pointeurs : les chaînes vivent jusqu'à la fin du processus.
    static std::vector<char*> pointeurs;
    for (std::string& a : arguments)
        pointeurs.push_back(&a[0]);
    pointeurs.push_back(nullptr);
    *argc = int(arguments.size());
    *argv = pointeurs.data();
}

std::vector<uint8_t> enteteTGA(int largeur, int hauteur, int bits)
{
    return {0,
            0,
            10,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            uint8_t(largeur & 0xFF),
            uint8_t(largeur >> 8),
            uint8_t(hauteur & 0xFF),
            uint8_t(hauteur >> 8),
            uint8_t(bits),
            0};
}

std::vector<uint8_t> fichierTGA(int largeur, int hauteur, int bits,
                                const std::vector<uint8_t>& pixels)
{
    std::vector<uint8_t> f = enteteTGA(largeur, hauteur, bits);
    size_t parPixel = size_t(bits / 8);
    size_t total = size_t(largeur) * size_t(hauteur);
    for (size_t debut = 0; debut < total; debut += 128) {
        size_t n = std::min<size_t>(128, total - debut);
        f.push_back(uint8_t(n - 1));
        for (size_t i = debut; i < debut + n; ++i) {
            const uint8_t* p = &pixels[i * parPixel];
            // Le fichier range B, G, R (puis A).
            f.push_back(p[2]);
            f.push_back(p[1]);
            f.push_back(p[0]);
            if (parPixel == 4)
                f.push_back(p[3]);
        }
    }
    return f;
}

std::string lit(const std::string& nom)
{
    std::ifstream f(nom, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
