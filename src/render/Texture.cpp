// Lecture des TGA compressés, envoi des textures à OpenGL et chargement du jeu de textures.
#include "render/Texture.h"

#include "render/DossierImages.h"
#include "render/Primitives.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

Texture textures[NOMBRE_TEXTURES];

bool textureDuJeu(int indice)
{
    return indice >= 0 && indice < NOMBRE_TEXTURES;
}

namespace
{
// Seul format accepté : pas d'identifiant, pas de palette, type 10, origine nulle.
const uint8_t ENTETE_ATTENDUE[12] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Toutes les sorties d'échec passent par ici : fichier fermé, aucun tampon laissé.
bool echec(std::FILE* f, Texture& texture)
{
    std::fclose(f);
    liberePixels(texture);
    return false;
}

// La plus petite puissance de deux de 8 à 2048 qui contient la taille.
int16_t tailleTexture(int taille)
{
    int t = 8;
    while (t < taille)
        t *= 2;
    return int16_t(t);
}
} // namespace

void liberePixels(Texture& texture)
{
    std::free(texture.pixels);
    texture.pixels = nullptr;
}

bool litTGA(Texture& texture)
{
    texture.pixels = nullptr;
    std::FILE* f = std::fopen(cheminImage(texture.nom).c_str(), "rb");
    if (!f)
        return false;

    uint8_t entete[12];
    if (std::fread(entete, 1, 12, f) != 12 || std::memcmp(entete, ENTETE_ATTENDUE, 12) != 0)
        return echec(f, texture);

    uint8_t taille[6];
    if (std::fread(taille, 1, 6, f) != 6)
        return echec(f, texture);
    texture.largeur = int16_t(taille[0] | (taille[1] << 8));
    texture.hauteur = int16_t(taille[2] | (taille[3] << 8));
    texture.bitsParPixel = taille[4];
    // Au-delà de 2048, aucune taille de texture ne conviendrait.
    if (texture.largeur <= 0 || texture.hauteur <= 0 || texture.largeur > TAILLE_TEXTURE_MAX ||
        texture.hauteur > TAILLE_TEXTURE_MAX ||
        (texture.bitsParPixel != 24 && texture.bitsParPixel != 32))
        return echec(f, texture);

    const size_t parPixel = size_t(texture.bitsParPixel / 8);
    const size_t total = size_t(texture.largeur) * size_t(texture.hauteur);
    texture.pixels = static_cast<uint8_t*>(std::malloc(total * parPixel));
    if (!texture.pixels)
        return echec(f, texture);

    size_t produits = 0;
    uint8_t pixel[4];
    while (produits < total) {
        int entetePaquet = std::fgetc(f);
        if (entetePaquet == EOF)
            return echec(f, texture);
        const bool repete = entetePaquet >= 128;
        const size_t nombre = repete ? size_t(entetePaquet - 127) : size_t(entetePaquet + 1);
        // Un paquet qui déborderait de l'image est une corruption : on refuse le fichier
        // plutôt que d'écrire hors du tampon.
        if (nombre > total - produits)
            return echec(f, texture);
        for (size_t i = 0; i < nombre; ++i) {
            if (i == 0 || !repete) {
                if (std::fread(pixel, 1, parPixel, f) != parPixel)
                    return echec(f, texture);
            }
            uint8_t* cible = texture.pixels + (produits + i) * parPixel;
            // Le fichier range B, G, R ; on garde R, G, B.
            cible[0] = pixel[2];
            cible[1] = pixel[1];
            cible[2] = pixel[0];
            if (parPixel == 4)
                cible[3] = pixel[3];
        }
        produits += nombre;
    }
    std::fclose(f);
    return true;
}

void creeTexture(Texture& texture)
{
    texture.largeurTexture = tailleTexture(texture.largeur);
    texture.hauteurTexture = tailleTexture(texture.hauteur);
    const size_t parPixel = size_t(texture.bitsParPixel / 8);
    const size_t ligneImage = size_t(texture.largeur) * parPixel;
    const size_t ligneTexture = size_t(texture.largeurTexture) * parPixel;

    // Les texels de remplissage sont mis à zéro pour ne rien laisser d'indéterminé.
    std::vector<uint8_t> tampon(ligneTexture * size_t(texture.hauteurTexture), 0);
    // La première ligne du fichier (le bas de l'image) va à la ligne hauteurTexture - hauteur,
    // si bien que t = 1 - y / hauteurTexture désigne le texel y compté depuis le haut.
    const size_t decalage = size_t(texture.hauteurTexture - texture.hauteur);
    for (size_t r = 0; r < size_t(texture.hauteur); ++r)
        std::memcpy(&tampon[(decalage + r) * ligneTexture], texture.pixels + r * ligneImage,
                    ligneImage);

    // La création lie la nouvelle texture : le lot en cours est fermé et sa liaison oubliée.
    fermeLotGL();
    GLuint nom = 0;
    glGenTextures(1, &nom);
    texture.nomTexture = nom;
    glBindTexture(GL_TEXTURE_2D, nom);
    glTexImage2D(GL_TEXTURE_2D, 0, GLint(parPixel), texture.largeurTexture, texture.hauteurTexture,
                 0, parPixel == 4 ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, tampon.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

bool chargeTextures()
{
    for (int i = 0; i < NOMBRE_TEXTURES; ++i) {
        textures[i].nom = NOMS_IMAGES[i];
        textures[i].pixels = nullptr;
        if (!litTGA(textures[i])) {
            signaleImageIllisible(textures[i].nom);
            return false;
        }
        creeTexture(textures[i]);
        liberePixels(textures[i]);
    }
    return true;
}
