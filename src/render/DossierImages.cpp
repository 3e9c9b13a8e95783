// Choix du dossier des images et message d'une image illisible.
#include "render/DossierImages.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <vector>

namespace
{
enum class Provenance { TRAVAIL, INSTALLE, AUCUNE };

std::string dossier = "Data";
Provenance provenance = Provenance::TRAVAIL;
// Les dossiers essayés hors du dossier de travail, dans l'ordre, pour le message d'erreur.
std::vector<std::string> essayes;

bool estDossier(const std::string& chemin)
{
    struct stat s;
    return stat(chemin.c_str(), &s) == 0 && S_ISDIR(s.st_mode);
}

// Le dossier qui contient le chemin, sans barre finale ; "/" pour la racine, "." sans barre.
std::string parent(const std::string& chemin)
{
    const size_t barre = chemin.find_last_of('/');
    if (barre == std::string::npos)
        return ".";
    return barre == 0 ? "/" : chemin.substr(0, barre);
}

std::string dossierDeTravail()
{
    char tampon[PATH_MAX];
    return getcwd(tampon, sizeof tampon) ? std::string(tampon) : std::string("?");
}
} // namespace

const char* dossierImages()
{
    return dossier.c_str();
}

void fixeDossierImages(const std::string& nouveau)
{
    dossier = nouveau;
    provenance = Provenance::TRAVAIL;
    essayes.clear();
}

bool choisitDossierImagesPour(const std::string& executable, const char* dernierRecours)
{
    fixeDossierImages("Data");
    if (estDossier("Data"))
        return true;
    if (!executable.empty()) {
        const std::string bin = parent(executable);
        essayes.push_back(parent(bin) + "/share/wexo/Data");
        essayes.push_back(bin + "/Data");
    }
    if (dernierRecours && *dernierRecours)
        essayes.push_back(dernierRecours);
    for (const std::string& candidat : essayes) {
        if (estDossier(candidat)) {
            dossier = candidat;
            provenance = Provenance::INSTALLE;
            return true;
        }
    }
    provenance = Provenance::AUCUNE;
    return false;
}

bool choisitDossierImages(const char* dernierRecours)
{
    char tampon[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", tampon, sizeof tampon - 1);
    const std::string executable = n > 0 ? std::string(tampon, size_t(n)) : std::string();
    return choisitDossierImagesPour(executable, dernierRecours);
}

std::string cheminImage(const char* nom)
{
    return dossier + "/" + (nom ? nom : "") + ".tga";
}

void signaleImageIllisible(const char* nom)
{
    const std::string chemin = cheminImage(nom);
    struct stat s;
    const bool present = stat(chemin.c_str(), &s) == 0;
    std::fprintf(stderr, "Wexo : image %s : %s\n",
                 present ? "refusée (TGA compressé en 24 ou 32 bits attendu)" : "absente",
                 chemin.c_str());
    const std::string travail = dossierDeTravail();
    switch (provenance) {
    case Provenance::TRAVAIL:
        std::fprintf(stderr, "  dossier des images : %s, dossier de travail %s\n", dossier.c_str(),
                     travail.c_str());
        break;
    case Provenance::INSTALLE:
        std::fprintf(stderr,
                     "  cherchée dans %s, installé avec le programme : pas de "
                     "dossier Data dans le dossier de travail %s\n",
                     dossier.c_str(), travail.c_str());
        break;
    case Provenance::AUCUNE:
        std::fprintf(stderr, "  aucun dossier d'images : ni Data dans le dossier de travail %s",
                     travail.c_str());
        for (const std::string& d : essayes)
            std::fprintf(stderr, ", ni %s", d.c_str());
        std::fprintf(stderr, "\n");
        break;
    }
    std::fflush(stderr);
}
