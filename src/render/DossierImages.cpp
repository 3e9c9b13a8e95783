// DossierImages : le dossier fixé, sa provenance, et le message d'une image illisible.
#include "render/DossierImages.h"

#include <sys/stat.h>

#include <cstdio>

const char* const NOMS_IMAGES[NOMBRE_IMAGES] = {"Boutons", "ObjetGDIs",    "Containers", "Curseurs",
                                                "Coches",  "Progressions", "Moi",        "Police0"};

namespace
{
std::string dossier = "Data";
std::string provenanceDossier;
} // namespace

const char* dossierImages()
{
    return dossier.c_str();
}

void fixeDossierImages(const std::string& nouveau, const std::string& provenance)
{
    dossier = nouveau;
    provenanceDossier = provenance;
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
    if (!provenanceDossier.empty())
        std::fprintf(stderr, "  %s\n", provenanceDossier.c_str());
    std::fflush(stderr);
}
