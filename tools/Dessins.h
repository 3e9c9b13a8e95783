// Les huit images de Data, chacune dessinée par sa fonction.
#pragma once

#include "CPoliceFreeType.h"
#include "CToile.h"

#include <string>
#include <vector>

// Les polices des étiquettes et des icônes.
struct Polices {
    std::string normale; // chemin du fichier TrueType
    std::string grasse;
};

CToile dessineBoutons(const Polices& polices);
CToile dessineObjetGDIs(const Polices& polices);
CToile dessineContainers();
CToile dessineCurseurs();
CToile dessineCoches();
CToile dessineProgressions();
CToile dessineMoi();

// Rectangle prévu d'un caractère de la police bitmap : colonne, haut de bande, largeur, et
// l'avance que lui donne la police TrueType, à laquelle la mise en page doit arriver.
struct GlypheGenere {
    int code;
    int x, y, largeur;
    bool vide; // rien de visible : seule la ligne cachée de la bande porte son encre
    int avance;
};

// Taille nominale des caractères, en pixels.
const float TAILLE_POLICE = 13.0f;

// Dessine la police ; table reçoit un rectangle par code de 33 à 255, dans l'ordre.
CToile dessinePolice0(const Polices& polices, std::vector<GlypheGenere>& table);
