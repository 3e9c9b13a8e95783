// Cible libFuzzer du lecteur TGA : octets quelconques lus comme une image, puis envoyés à
// OpenGL et mesurés comme une police.
#include "render/Texture.h"
#include "text/Police.h"

#include "DossierTemporaire.h"
#include "EnregistreurGL.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
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

// Les images sont lues dans Data/ sous le dossier courant : un dossier jetable, effacé à la
// sortie normale.
std::optional<DossierTemporaire> dossier;

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

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    DossierTemporaire::absolutiseArguments(argc, argv);
    dossier.emplace("wexo-fuzz-tga");
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
