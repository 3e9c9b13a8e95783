// BancEnregistre : lié à l'enregistreur des tests, écrit le flux d'appels OpenGL d'une image de
// chaque scène, que le banc OpenGL rejoue ensuite brut.
#include "EnregistreurGL.h"
#include "Scenes.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace
{
bool ecritFlux(const std::string& dossier, const std::string& scene)
{
    // Deux images pour atteindre le régime établi, puis celle qui est enregistrée.
    imageEditeur();
    imageEditeur();
    enregistreur::efface();
    imageEditeur();
    std::ofstream f(dossier + "/flux_" + scene + ".txt");
    for (const auto& [indice, nom] : nomsTextures())
        f << "#texture " << indice << " " << nom << "\n";
    f << enregistreur::journal();
    return bool(f);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || !demarreScenes()) {
        std::fputs("usage : banc_enregistre <dossier>, lancé là où se trouve Data/\n", stderr);
        return 1;
    }
    bool ok = ecritFlux(argv[1], "aide");
    fermeAide();
    for (int n : NOMBRES_OBJETS) {
        poseObjetsJusqua(n);
        ok = ecritFlux(argv[1], std::to_string(n)) && ok;
    }
    return ok ? 0 : 1;
}
