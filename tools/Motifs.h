// Motifs : pièces dessinées par plusieurs images (corps de bouton en relief).
#pragma once

#include "CToile.h"
#include "Formes.h"

struct StyleRelief {
    Teinte haut, bas; // dégradé du corps
    Teinte bord;      // liseré extérieur
    Teinte reflet;    // liseré intérieur clair, en haut
    Teinte ombre;     // ombre portée
    float decalageOmbre;
    float flouOmbre;
};

StyleRelief reliefClair();
StyleRelief reliefSombre();

// Ombre, corps, reflet et liseré d'une forme, peints dans le rectangle de découpe donné.
void peintRelief(CToile& toile, const Forme& forme, float y1, float y2, const StyleRelief& s,
                 int cx1, int cy1, int cx2, int cy2);
