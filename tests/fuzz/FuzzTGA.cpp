// Cible libFuzzer du lecteur TGA : octets quelconques lus comme une image, puis envoyés à
// OpenGL et mesurés comme une police.
#include "render/Texture.h"
#include "text/Police.h"

#include "EnregistreurGL.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
// Toute anomalie arrête le fuzzer sur ce cas, comme un plantage.
void exige(bool condition, const char* quoi)
{
    if (!condition) {
        std::fprintf(stderr, "anomalie : %s\n", quoi);
        std::abort();
    }
}

// Le plus petit descripteur libre : il ne bouge pas si aucun fichier ne reste ouvert.
int descripteurLibre()
{
    int fd = open("/dev/null", O_RDONLY);
    close(fd);
    return fd;
}

int descripteurInitial = -1;
const char* dossierTravail = nullptr;

// Le dossier jetable disparaît à la sortie normale du fuzzer.
void nettoie()
{
    std::remove("Data/Essai.tga");
    std::remove("Data/Police0.tga");
    rmdir("Data");
    if (chdir("/") == 0 && dossierTravail)
        rmdir(dossierTravail);
}

void ecrit(const char* chemin, const uint8_t* octets, size_t taille)
{
    std::FILE* f = std::fopen(chemin, "wb");
    exige(f != nullptr, "écriture du fichier d'essai");
    exige(std::fwrite(octets, 1, taille, f) == taille || taille == 0, "écriture complète");
    std::fclose(f);
}

bool puissanceDeDeux(int v)
{
    return v > 0 && (v & (v - 1)) == 0;
}
} // namespace

// Les images sont lues dans Data/ sous le dossier courant : on passe dans un dossier
// jetable. Les chemins relatifs de la ligne de commande (corpus, artefacts, dictionnaire)
// sont d'abord rendus absolus pour rester valables après ce changement de dossier.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    char courant[4096];
    exige(getcwd(courant, sizeof courant) != nullptr, "dossier courant");
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

    // En mémoire quand c'est possible : deux fichiers sont réécrits à chaque essai.
    static char enMemoire[] = "/dev/shm/wexo-fuzz-tga-XXXXXX";
    static char surDisque[] = "/tmp/wexo-fuzz-tga-XXXXXX";
    const char* dossier = mkdtemp(enMemoire);
    if (!dossier)
        dossier = mkdtemp(surDisque);
    exige(dossier != nullptr && chdir(dossier) == 0 && mkdir("Data", 0700) == 0,
          "dossier de travail");
    dossierTravail = dossier;
    std::atexit(nettoie);
    descripteurInitial = descripteurLibre();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    enregistreur::efface();
    ecrit("Data/Essai.tga", octets, taille);

    Texture image{};
    image.nom = "Essai";
    const bool lu = litTGA(image);
    exige(descripteurLibre() == descripteurInitial, "fichier laissé ouvert");
    if (!lu) {
        exige(image.pixels == nullptr, "tampon laissé après un refus");
    } else {
        exige(image.pixels != nullptr, "image lue sans pixels");
        exige(image.bitsParPixel == 24 || image.bitsParPixel == 32, "profondeur");
        exige(image.largeur >= 1 && image.largeur <= TAILLE_TEXTURE_MAX, "largeur");
        exige(image.hauteur >= 1 && image.hauteur <= TAILLE_TEXTURE_MAX, "hauteur");
        creeTexture(image);
        exige(puissanceDeDeux(image.largeurTexture) && image.largeurTexture >= 8 &&
                  image.largeurTexture >= image.largeur &&
                  image.largeurTexture < 2 * image.largeur + 8,
              "largeur de texture");
        exige(puissanceDeDeux(image.hauteurTexture) && image.hauteurTexture >= 8 &&
                  image.hauteurTexture >= image.hauteur &&
                  image.hauteurTexture < 2 * image.hauteur + 8,
              "hauteur de texture");
        const std::vector<EnvoiTexture>& envois = enregistreur::envois();
        exige(envois.size() == 1 && envois[0].octets.size() == size_t(image.largeurTexture) *
                                                                   size_t(image.hauteurTexture) *
                                                                   size_t(image.bitsParPixel / 8),
              "texture envoyée");
        // Toute image lue peut servir de police : chaque glyphe reste dans l'image.
        mesureGlyphes(0, image);
        for (int c = 0; c < 256; ++c) {
            const Rect& g = polices[0].glyphes[c];
            if (c < PREMIER_CODE_GLYPHE || g == Rect{}) {
                exige(c >= PREMIER_CODE_GLYPHE || g == Rect{}, "code sous 33 mesuré");
                continue;
            }
            exige(0 <= g.hautGauche.x && g.hautGauche.x < g.basDroite.x &&
                      g.basDroite.x <= image.largeur,
                  "glyphe hors de l'image en largeur");
            exige(g.hautGauche.y >= 0 && g.basDroite.y == g.hautGauche.y + HAUTEUR_GLYPHE,
                  "bande du glyphe");
        }
        liberePixels(image);
    }

    // Le même fichier pris comme image de police par le chargement de démarrage.
    ecrit("Data/Police0.tga", octets, taille);
    const bool police = chargePolices();
    exige(police == lu, "la police et l'image ne s'accordent pas");
    exige(descripteurLibre() == descripteurInitial, "fichier de police laissé ouvert");
    return 0;
}
