/// @file
/// Texture : lecture des images TGA compressées de Data et jeu des sept textures de la boîte à
/// outils.
#pragma once

#include <cstdint>

/// Une image lue puis devenue texture OpenGL, avec ses deux tailles.
struct Texture {
    const char* nom; ///< nom de l'image, lue dans "<dossierImages()>/<nom>.tga" ; non possédé
    uint8_t* pixels; ///< image décodée (R, G, B[, A]), lignes dans l'ordre du fichier
    int16_t bitsParPixel; ///< 24 ou 32
    /// Taille de l'image en pixels.
    ///@{
    int16_t largeur;
    int16_t hauteur;
    ///@}
    /// Taille de la texture OpenGL : puissances de deux de 8 à 2048.
    ///@{
    int16_t largeurTexture;
    int16_t hauteurTexture;
    ///@}
    uint32_t nomTexture; ///< nom de texture OpenGL
};

/// Les indices du jeu de textures, que les habillages, le curseur et les images désignent.

enum {
    TEXTURE_BOUTONS = 0,
    TEXTURE_OBJETGDIS = 1,
    TEXTURE_CONTAINERS = 2,
    TEXTURE_CURSEURS = 3,
    TEXTURE_COCHES = 4,
    TEXTURE_PROGRESSIONS = 5,
    TEXTURE_MOI = 6,
    NOMBRE_TEXTURES = 7,
    /// Le préfixe que l'éditeur écrit pour les images : le source généré se compile tel quel et
    /// montre l'image par défaut.
    BMP_ = TEXTURE_MOI
};

/// Le plus grand côté qu'une texture puisse avoir.
const int TAILLE_TEXTURE_MAX = 2048;

/// Le jeu des sept textures, dans l'ordre des indices.
extern Texture textures[NOMBRE_TEXTURES];

/// Vrai quand l'indice désigne une texture du jeu : un habillage sans texture ne dessine rien.
bool textureDuJeu(int indice);

/// Lit le fichier nommé par nom ; en cas d'échec le fichier est fermé et pixels reste nul.
bool litTGA(Texture& texture);
/// Crée la texture OpenGL à partir de pixels, qui reste en place.
void creeTexture(Texture& texture);
/// Charge le jeu complet dans l'ordre des indices ; s'arrête à la première image refusée.
bool chargeTextures();
/// Rend la mémoire des pixels d'une image lue.
void liberePixels(Texture& texture);
