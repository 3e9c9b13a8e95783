/// @file
/// StyleTexte : la pile globale des styles de texte et la lecture des balises du balisage.
#pragma once

#include "../render/Couleur.h"

#include <cstdint>

/// Bits de alignement ; centrer l'emporte quand les deux sont mis.
///@{
const uint32_t ALIGNEMENT_CENTRE = 1;
const uint32_t ALIGNEMENT_DROITE = 2;
///@}

/// Taille naturelle des glyphes : une taille de 16 les dessine à l'échelle 1.
const int TAILLE_NATURELLE = 16;

/// Un niveau de la pile des styles : police, alignement, taille, attributs et couleur.
struct StyleTexte {
    int32_t police;      ///< indice dans polices
    uint32_t alignement; ///< ALIGNEMENT_CENTRE, ALIGNEMENT_DROITE ou rien (à gauche)
    int32_t taille;      ///< hauteur des caractères en pixels
    /// Attributs que les balises ouvrent et ferment.
    ///@{
    bool italique;
    bool gras;
    bool souligne;
    bool barre;
    ///@}
    bool retourLigne; ///< la ligne en cours finit après l'élément courant
    Couleur couleur;  ///< couleur des glyphes et des traits
};

/// Entrées de la pile des styles, style de base compris.
const int TAILLE_PILE_STYLES = 50;

/// Police 0, à gauche, taille 16, aucun attribut, noir opaque. Constant dès la
/// compilation, comme la pile qu'il initialise.
inline constexpr StyleTexte STYLE_DE_BASE = {
    0, 0, TAILLE_NATURELLE, false, false, false, false, false, Couleur{0, 0, 0, 255}};

/// L'entrée 0 est le style de base ; elle vaut STYLE_DE_BASE au lancement.
extern StyleTexte pileStyles[TAILLE_PILE_STYLES];
/// Indice de l'entrée courante, toujours de 0 à TAILLE_PILE_STYLES - 1.
extern int profondeurStyle;
/// Balises ouvrantes lues alors que la pile était pleine : elles n'ont rien ouvert,
/// mais leurs balises fermantes doivent ne refermer qu'elles.
extern int niveauxHorsPile;

/// Le style courant, toujours pileStyles[profondeurStyle]. Hors d'un texte, sa
/// couleur est celle du prochain texte : les objets qui dessinent la règlent ici.
inline StyleTexte& styleCourant()
{
    return pileStyles[profondeurStyle];
}

/// Remet la pile à la profondeur 0 et l'entrée 0 au style de base.
void remetStyleDeBase();

/// Ouvre un niveau copié du courant. Renvoie false, sans rien changer d'autre que
/// le compte des niveaux hors pile, quand les 50 entrées sont prises.
bool empileStyle();

/// Referme le niveau le plus récent ; sans effet à la profondeur 0.
void depileStyle();

/// Referme tous les niveaux ouverts, hors pile compris.
void fermeTousLesStyles();

/// Lit l'élément (un caractère ou une balise) qui commence en p et renvoie la
/// position qui le suit. Un caractère ne change rien ; une balise agit aussitôt
/// sur la pile et se termine au premier '>', ou à la fin du texte s'il n'y en a pas.
const char* lisElement(const char* p);
