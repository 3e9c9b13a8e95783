/// @file
/// ListeDessin : les dessins d'une image, une valeur en coordonnées de la boîte à outils (origine
/// en haut à gauche, y vers le bas), découpage déjà appliqué ; seul DorsalGL la change en appels
/// OpenGL.
#pragma once

#include "Couleur.h"

#include <cstddef>
#include <cstdint>
#include <vector>

/// Ce que trace une commande.
enum GenreDessin : uint8_t {
    DESSIN_COPIE,       ///< un quad : des texels d'une texture, ou une couleur unie sans texture
    DESSIN_BOUCLE,      ///< une boucle de traits fermée sur ses sommets
    DESSIN_GESTIONNAIRE ///< le gestionnaire de dessin d'un programme : ce qui précède part avant
};

/// Le trait d'une boucle : épaisseur, pointillé, et ses sommets dans sommetsBoucles().
struct TraitDessin {
    uint32_t premier;   ///< indice de son premier sommet (x, y) dans sommetsBoucles()
    uint32_t nombre;    ///< nombre de sommets
    float epaisseur;    ///< épaisseur du trait, en pixels
    int32_t facteur;    ///< facteur du pointillé
    uint16_t motif;     ///< motif du pointillé sur 16 bits
    bool couleurConnue; ///< gestionnaire : une commande a posé la couleur depuis le précédent
    bool traitConnu;    ///< gestionnaire : une boucle a posé le trait depuis le précédent
};

/// Le quad d'une copie : texels (t compté depuis le haut de la texture) et pente du bord haut.
struct QuadDessin {
    /// Texels du coin haut-gauche (s1, t1) et du coin bas-droit (s2, t2), de 0 à 1.
    ///@{
    float s1, t1, s2, t2;
    ///@}
    /// Décalages en x des coins haut-gauche et haut-droit sur ceux du bas (glyphes penchés).
    ///@{
    float penteGauche, penteDroite;
    ///@}
};

/// Une commande de la liste.
struct CommandeDessin {
    /// Copie : bord bas de x1 à x2, haut en y1, bas en y2 ; boucle : la boîte de ses sommets.
    ///@{
    float x1, y1, x2, y2;
    ///@}
    union {
        QuadDessin quad;   ///< d'une copie
        TraitDessin trait; ///< d'une boucle ; d'un gestionnaire, l'état que le dernier a laissé
    };
    uint32_t texture;  ///< nom OpenGL de la texture d'une copie ; 0 : couleur unie
    Couleur couleur;   ///< couleur du dessin ; d'un gestionnaire, celle que le dernier a laissée
    GenreDessin genre; ///< ce que trace la commande
};

/// Les commandes d'une image dans l'ordre où le programme les a données ; leur mémoire est
/// gardée d'une image à l'autre. La liste suit aussi l'état que laisse sa dernière commande.
class ListeDessin
{
  public:
    /// Au-delà de ce nombre de commandes, la liste courante est envoyée avant d'en recevoir une
    /// autre : sa mémoire, réservée une fois (reserve), ne grandit pas avec le nombre d'objets.
    static const std::size_t COMMANDES_MAX = 4096;

    /// Un quad texturé : bord haut de (x1 + penteGauche) à (x2 + penteDroite) en y1, bord bas de
    /// x1 à x2 en y2 ; texels comme QuadDessin. Blanc : les couleurs de la texture.
    void copie(uint32_t texture, float x1, float y1, float x2, float y2, const QuadDessin& quad,
               Couleur couleur = Couleur{255, 255, 255, 255});
    /// Un rectangle plein de couleur unie.
    void rectangle(float x1, float y1, float x2, float y2, Couleur couleur);
    /// Une boucle fermée sur nombre sommets (x, y alternés), tous gardés.
    void boucle(const float* xy, int nombre, Couleur couleur, float epaisseur, uint16_t motif,
                int facteur);
    /// Le gestionnaire d'un programme : l'état que les commandes ont laissé, puis plus rien de
    /// supposé de la couleur ni du trait.
    void gestionnaire();

    /// Réserve la mémoire de COMMANDES_MAX commandes et de leurs boucles.
    void reserve();
    /// Vide la liste, sa mémoire gardée.
    void vide();
    /// Oublie aussi l'état laissé : un contexte neuf.
    void oublieEtat();
    /// Vrai quand elle doit être envoyée avant une commande de plus.
    bool pleine() const { return liste.size() >= COMMANDES_MAX || sommets.size() >= COMMANDES_MAX; }

    /// Les commandes, dans l'ordre reçu.
    const std::vector<CommandeDessin>& commandes() const { return liste; }
    /// Les sommets des boucles, x et y alternés.
    const std::vector<float>& sommetsBoucles() const { return sommets; }
    /// Ajoute une commande d'une autre liste (les sommets de sa boucle copiés) : pour un témoin.
    void ajoute(const CommandeDessin& c, const ListeDessin& source);

  private:
    std::vector<CommandeDessin> liste;
    std::vector<float> sommets;
    // L'état que la dernière commande laisse à OpenGL, pour le gestionnaire suivant.
    Couleur couleurLaissee = {255, 255, 255, 255};
    TraitDessin traitLaisse = {0, 0, 1.0f, 1, 0xFFFF, false, false};
    bool couleurConnue = false;
    bool traitConnu = false;
};
