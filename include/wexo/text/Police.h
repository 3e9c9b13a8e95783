/// @file
/// Police : la table des polices bitmap et la mesure des glyphes dans l'image de police.
#pragma once

#include "../render/Coord.h"
#include "../render/Texture.h"

#include <cstdint>

/// Hauteur d'une bande de glyphes dans l'image, et hauteur du quadrilatère dessiné.
///@{
const int HAUTEUR_BANDE = 18;
const int HAUTEUR_GLYPHE = 17;
///@}
/// Taille en texels de l'image de police que le dessin suppose.
///@{
const int LARGEUR_IMAGE_POLICE = 256;
const int HAUTEUR_IMAGE_POLICE = 128;
///@}
/// Premier code affecté par la mesure ; les codes au-dessous restent vides.
const int PREMIER_CODE_GLYPHE = 33;

/// Une police bitmap : sa texture et le rectangle de chaque glyphe.
struct Police {
    uint32_t nomTexture; ///< texture OpenGL de l'image de police
    /// Rectangle de chaque code, en texels depuis le haut de l'image ; un code
    /// non mesuré garde (0,0)-(0,0) et mesure 0 de large.
    Rect glyphes[256];
};

/// Polices de la table : une seule, "Police0".
const int NOMBRE_POLICES = 1;
/// La table des polices, remplie par chargePolices.
extern Police polices[NOMBRE_POLICES];

/// La police d'un indice de style : tout indice inconnu donne la seule police.
const Police& policeDuStyle(int32_t indice);

/// Remet le style de base puis charge "Police0" ; false si l'image est illisible.
bool chargePolices();

/// Remplit polices[indice] à partir d'une image lue (taille et pixels) et du nom
/// de texture créé pour elle. Seul l'alpha compte ; une image sans alpha est
/// entièrement encrée.
void mesureGlyphes(int indice, const Texture& image);
