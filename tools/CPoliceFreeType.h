// CPoliceFreeType : rendu lissé des caractères d'une police TrueType par FreeType.
#pragma once

#include "CToile.h"

#include <cstdint>
#include <string>
#include <vector>

// Un caractère rendu : couverture de 0 à 255, placée par rapport à l'origine de la ligne de base.
struct GlypheRendu {
    int largeur = 0, hauteur = 0;
    int gauche = 0; // colonne de la première colonne de l'image, depuis l'origine
    int haut = 0;   // lignes de la ligne de base au haut de l'image
    int avance = 0; // avance en pixels entiers
    std::vector<uint8_t> couverture;
};

class CPoliceFreeType
{
  public:
    // La taille est la taille nominale en pixels (em).
    CPoliceFreeType(const std::string& chemin, float taille);
    ~CPoliceFreeType();
    CPoliceFreeType(const CPoliceFreeType&) = delete;
    CPoliceFreeType& operator=(const CPoliceFreeType&) = delete;

    bool valide() const { return visage != nullptr; }
    void changeTaille(float taille);
    GlypheRendu rend(char32_t code) const;

    // Largeur d'encre d'un texte, de la première à la dernière colonne couverte.
    int largeurTexte(const std::u32string& texte) const;
    // Écrit un texte, origine de la ligne de base en (x, ligneDeBase).
    void ecrit(CToile& toile, const std::u32string& texte, int x, int ligneDeBase, Teinte t) const;
    // Écrit un texte centré horizontalement sur cx (à l'encre près).
    void ecritCentre(CToile& toile, const std::u32string& texte, float cx, int ligneDeBase,
                     Teinte t) const;

  private:
    void* bibliotheque = nullptr; // FT_Library
    void* visage = nullptr;       // FT_Face
};
