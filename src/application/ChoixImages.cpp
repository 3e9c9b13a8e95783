// ChoixImages : chaque dossier candidat est pris s'il a les huit fichiers ; la provenance dite
// dans le message d'une image illisible.
#include "application/ChoixImages.h"

#include "render/DossierImages.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <vector>

namespace
{
bool existe(const std::string& chemin, bool dossier)
{
    struct stat s;
    return stat(chemin.c_str(), &s) == 0 && (dossier ? S_ISDIR(s.st_mode) : S_ISREG(s.st_mode));
}

bool aLesHuitImages(const std::string& dossier)
{
    for (const char* nom : NOMS_IMAGES)
        if (!existe(dossier + "/" + nom + ".tga", false))
            return false;
    return true;
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

bool choisitDossierImagesPour(const std::string& executable, const char* dernierRecours,
                              bool dataImpose)
{
    const std::string travail = dossierDeTravail();
    const std::string dansData = "dossier des images : Data, dossier de travail " + travail;
    if (dataImpose && existe("Data", true)) {
        fixeDossierImages("Data", dansData);
        return true;
    }
    std::vector<std::string> candidats = {"Data"};
    if (!executable.empty()) {
        const std::string bin = parent(executable);
        candidats.push_back(parent(bin) + "/share/wexo/Data");
        candidats.push_back(bin + "/Data");
    }
    if (dernierRecours && *dernierRecours)
        candidats.push_back(dernierRecours);
    for (size_t i = 0; i < candidats.size(); ++i) {
        if (!aLesHuitImages(candidats[i]))
            continue;
        if (i == 0)
            fixeDossierImages("Data", dansData);
        else
            fixeDossierImages(candidats[i], "cherchée dans " + candidats[i] +
                                                ", installé avec le programme : pas de dossier "
                                                "Data complet dans le dossier de travail " +
                                                travail);
        return true;
    }
    // Aucun n'est complet : le premier dossier qui existe, pour nommer l'image qui y manque.
    std::string dossier = "Data";
    for (const std::string& c : candidats) {
        if (existe(c, true)) {
            dossier = c;
            break;
        }
    }
    std::string provenance =
        "aucun dossier n'a les huit images : ni Data dans le dossier de travail " + travail;
    for (size_t i = 1; i < candidats.size(); ++i)
        provenance += ", ni " + candidats[i];
    fixeDossierImages(dossier, provenance);
    return false;
}

bool choisitDossierImages(const char* dernierRecours, bool dataImpose)
{
    char tampon[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", tampon, sizeof tampon - 1);
    const std::string executable = n > 0 ? std::string(tampon, size_t(n)) : std::string();
    return choisitDossierImagesPour(executable, dernierRecours, dataImpose);
}
