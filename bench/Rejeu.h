// Rejeu : un flux d'appels OpenGL enregistré, relu une fois puis rejoué brut, sans la
// boîte à outils, pour mesurer le plancher d'une image.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Les appels que sait relire le banc.
enum CodeGL : uint8_t {
    ACTIVE,
    DESACTIVE,
    DEBUT,
    FIN,
    SOMMET_I,
    SOMMET_D,
    SOMMET_F,
    COORD_TEXTURE,
    COULEUR_F,
    COULEUR_UB,
    COULEUR_UBV,
    LARGEUR_LIGNE,
    POINTILLE,
    RECTANGLE,
    LIE_TEXTURE,
    PARAMETRE_TEXTURE,
    TRANSLATION_D,
    TRANSLATION_F,
    IDENTITE,
    MATRICE,
    EMPILE_MATRICE,
    DEPILE_MATRICE,
    MELANGE,
    COULEUR_EFFACEMENT,
    EFFACE,
    ACTIVE_TABLEAU,
    DESACTIVE_TABLEAU,
    POINTEUR_TABLEAU,
    DESSINE_TABLEAU
};

// Un sommet d'un tableau enregistré : position, texel, couleur.
struct SommetTableau {
    float x, y, s, t, r, g, b, a;
};

// Pour DESSINE_TABLEAU : mode, premier sommet dans sommetsTableaux(), nombre de sommets.
struct OperationGL {
    uint8_t code;
    double args[4];
};

class CFluxGL
{
  public:
    // Lit les lignes "glNom(a, b, ...)" de l'enregistreur. Les lignes "#texture i nom" donnent
    // le nom enregistré de la texture d'indice i, traduit en nomsReels[i]. Faux, avec la ligne
    // fautive dans erreur, sur un appel inconnu.
    bool lit(const std::string& chemin, const std::map<int, uint32_t>& nomsReels,
             std::string& erreur);
    // Envoie tous les appels à OpenGL, dans l'ordre.
    void rejoue() const;
    size_t taille() const { return operations.size(); }
    const std::vector<OperationGL>& liste() const { return operations; }
    const std::vector<SommetTableau>& sommetsTableaux() const { return tableaux; }

  private:
    std::vector<OperationGL> operations;
    std::vector<SommetTableau> tableaux;
};
