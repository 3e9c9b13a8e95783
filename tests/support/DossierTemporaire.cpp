// Dossier de travail jetable et fabrication de fichiers TGA pour les tests.
#include "DossierTemporaire.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

DossierTemporaire::DossierTemporaire()
{
    char modele[] = "/tmp/wexo-test-XXXXXX";
    if (!mkdtemp(modele))
        throw std::runtime_error("mkdtemp");
    dossier = modele;
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
