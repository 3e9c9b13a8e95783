// Chargement de la police et découpage de son image en glyphes, bande par bande.
#include "text/Police.h"

#include "render/DossierImages.h"
#include "text/StyleTexte.h"

Police polices[NOMBRE_POLICES];

namespace
{
// Une colonne est encrée quand un de ses pixels de la bande a un alpha non nul.
// Les lignes comptent depuis le haut ; le TGA les range de bas en haut.
bool colonneEncree(const Texture& image, int x, int hautBande)
{
    int octetsParPixel = image.bitsParPixel / 8;
    for (int y = hautBande; y < hautBande + HAUTEUR_BANDE && y < image.hauteur; ++y) {
        if (octetsParPixel < 4)
            return true;
        long rangee = image.hauteur - 1 - y;
        long indice = (rangee * image.largeur + x) * octetsParPixel + 3;
        if (image.pixels[indice] != 0)
            return true;
    }
    return false;
}
} // namespace

const Police& policeDuStyle(int32_t indice)
{
    return indice >= 0 && indice < NOMBRE_POLICES ? polices[indice] : polices[0];
}

void mesureGlyphes(int indice, const Texture& image)
{
    if (indice < 0 || indice >= NOMBRE_POLICES)
        return;
    Police& police = polices[indice];
    police = Police{};
    police.nomTexture = image.nomTexture;
    if (!image.pixels)
        return;

    const int largeur = image.largeur;
    int code = PREMIER_CODE_GLYPHE;
    for (int y = 0; code < 256; y += HAUTEUR_BANDE) {
        // La première bande est toujours lue ; les suivantes tant que leur haut
        // est au-dessus de hauteur - 18.
        if (y > 0 && y >= image.hauteur - HAUTEUR_BANDE)
            break;
        int x = 0;
        while (x < largeur && code < 256) {
            if (!colonneEncree(image, x, y)) {
                ++x;
                continue;
            }
            int x1 = x;
            while (x < largeur && colonneEncree(image, x, y))
                ++x;
            // Une suite qui touche le bord droit garde sa dernière colonne : x vaut alors largeur.
            police.glyphes[code] = MakeRect(x1, y, x, y + HAUTEUR_GLYPHE);
            ++code;
            x = x + 1;
        }
    }
}

bool chargePolices()
{
    remetStyleDeBase();
    Texture image{};
    image.nom = NOMS_IMAGES[NOMBRE_TEXTURES];
    if (!litTGA(image)) {
        signaleImageIllisible(image.nom);
        return false;
    }
    creeTexture(image);
    mesureGlyphes(0, image);
    liberePixels(image);
    return true;
}
