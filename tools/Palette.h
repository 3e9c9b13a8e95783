// Palette commune : parchemin et brun, ardoise pour le menu, sarcelle pour les accents.
#pragma once

#include "CToile.h"

namespace palette
{
// Fenêtre beige : le texte y est brun (97,76,36).
const Teinte PARCHEMIN = rvb(243, 236, 219);
const Teinte BANDEAU_HAUT = rvb(226, 210, 176);
const Teinte BANDEAU_BAS = rvb(206, 184, 140);
const Teinte CADRE = rvb(190, 166, 122);
const Teinte CADRE_FONCE = rvb(125, 100, 58);
const Teinte BRUN_TEXTE = rvb(97, 76, 36);
const Teinte OMBRE = rvb(40, 28, 10);

// Boutons clairs, où la légende est gris foncé (70,70,70).
const Teinte CREME_HAUT = rvb(255, 252, 244);
const Teinte CREME_BAS = rvb(232, 222, 200);
const Teinte BORD_BOUTON = rvb(150, 126, 86);

// Survol et appui : fond sombre où la légende est cyan (0,255,255).
const Teinte SOMBRE_HAUT = rvb(44, 88, 96);
const Teinte SOMBRE_BAS = rvb(22, 52, 60);
const Teinte BORD_SOMBRE = rvb(14, 34, 40);

// Accents.
const Teinte SARCELLE = rvb(38, 138, 140);
const Teinte SARCELLE_CLAIRE = rvb(112, 200, 196);
const Teinte SARCELLE_FONCEE = rvb(20, 84, 90);

// Menu des objets : panneau ardoise, texte blanc.
const Teinte ARDOISE_HAUT = rvb(62, 58, 54);
const Teinte ARDOISE = rvb(44, 41, 38);
const Teinte ARDOISE_BORD = rvb(24, 22, 20);

const Teinte BLANC = rvb(255, 255, 255);
const Teinte NOIR = rvb(0, 0, 0);
} // namespace palette
