// Cible libFuzzer de l'éditeur : l'arbre réel, reconstruit pour chaque entrée, mené par les
// rappels de l'application au fil des octets (mouvements, trois boutons, touches, touches
// spéciales, tours d'inactivité, images ; jamais Échap), puis quitté par Échap.
#include "editor/Editeur.h"
#include "render/Texture.h"
#include "text/Police.h"

#include "DossierTemporaire.h"
#include "EnregistreurGL.h"
#include "PiloteEditeur.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace
{
const char* const IMAGES[] = {"Boutons", "ObjetGDIs",    "Containers", "Curseurs",
                              "Coches",  "Progressions", "Moi",        "Police0"};

void exige(bool condition, const std::string& quoi)
{
    if (!condition) {
        std::fprintf(stderr, "anomalie : %s\n", quoi.c_str());
        std::abort();
    }
}

void copie(const std::string& de, const std::string& vers)
{
    std::ifstream source(de, std::ios::binary);
    std::ofstream cible(vers, std::ios::binary);
    exige(source && cible, "copie de " + de);
    cible << source.rdbuf();
}

std::string lisFichier(const char* nom)
{
    std::ifstream f(nom, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Les images et le source exporté vivent dans un dossier jetable, effacé à la sortie normale.
std::optional<DossierTemporaire> dossier;
} // namespace

// Les vraies images, chargées une fois : seul l'arbre est refait à chaque entrée.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    DossierTemporaire::absolutiseArguments(argc, argv);
    dossier.emplace("wexo-fuzz-editeur");
    for (const char* image : IMAGES)
        copie(std::string(WEXO_DOSSIER_DATA) + "/" + image + ".tga",
              std::string("Data/") + image + ".tga");
    exige(chargeTextures() && chargePolices(), "chargement des images");
    enregistreur::efface();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    std::remove("Fenetre1.cpp");
    construitArbre();
    PiloteEditeur pilote;
    pilote.joueTout(octets, taille);
    exige(pilote.anomalie().empty(), pilote.anomalie());
    // Chaque Échap ferme au plus une aide ou le menu ; la dernière quitte.
    exige(pilote.quitteParEchap(int(taille) + 3), "l'arbre survit à Échap");
    const std::string source = lisFichier("Fenetre1.cpp");
    std::string fautives;
    for (const std::string& l : PiloteEditeur::lignesMalFormees(source))
        fautives += l + "\n";
    exige(fautives.empty(), "source mal formé :\n" + fautives);
    return 0;
}
