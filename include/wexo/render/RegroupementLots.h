/// @file
/// RegroupementLots : range les commandes d'une ListeDessin en lots d'un même état, sans jamais
/// faire passer un dessin devant un autre qu'il recouvre.
#pragma once

#include "ListeDessin.h"

#include <cstddef>
#include <cstdint>
#include <vector>

/// L'état OpenGL que demande un lot : texture (0 : sans texturage), ou trait et pointillé.
struct EtatLot {
    uint32_t texture;  ///< nom OpenGL, 0 sans texturage
    GenreDessin genre; ///< copies, boucles, ou un gestionnaire seul
    float epaisseur;   ///< d'un lot de boucles
    uint16_t motif;    ///< d'un lot de boucles
    int32_t facteur;   ///< d'un lot de boucles
    /// Même état : même texture et même genre, même trait pour des boucles ; un gestionnaire
    /// n'est jamais rejoint.
    bool operator==(const EtatLot& e) const
    {
        return texture == e.texture && genre == e.genre && genre != DESSIN_GESTIONNAIRE &&
               (genre != DESSIN_BOUCLE ||
                (epaisseur == e.epaisseur && motif == e.motif && facteur == e.facteur));
    }
};

/// Un lot : son état et ses commandes (indices dans la liste), dans l'ordre reçu.
struct LotDessin {
    EtatLot etat;                  ///< l'état que demandent toutes ses commandes
    std::vector<uint16_t> membres; ///< indices croissants dans ListeDessin::commandes()
};

/// Chaque commande rejoint le premier lot de son état qui suit tous ceux des commandes qu'elle
/// recouvre ; le recouvrement se lit dans l'affichage découpé en cases de 8 pixels. La mémoire
/// des lots et des cases est gardée d'une image à l'autre.
class RegroupementLots
{
  public:
    /// Réserve les listes gardées.
    RegroupementLots();
    /// Range la liste : lots() donne ensuite l'ordre d'envoi. Une liste identique, octet pour
    /// octet et sur un affichage de même taille, à l'une des dernières rangées reprend ses lots.
    void range(const ListeDessin& liste);
    /// Les lots du dernier rangement, dans l'ordre d'envoi.
    const LotDessin* lots() const { return gardes[courant].lots.data(); }
    /// Leur nombre.
    std::size_t nombreLots() const { return gardes[courant].nombre; }

  private:
    // Un rangement gardé : la liste rangée, la taille de l'affichage en cases et ses lots.
    struct Garde {
        std::vector<CommandeDessin> liste;
        int casesX = -1, casesY = -1;
        std::vector<LotDessin> lots;
        std::size_t nombre = 0;
        uint64_t usage = 0; // 0 : rien de gardé
    };
    static const int GARDES = 3;
    Garde gardes[GARDES];
    int courant = 0;
    uint64_t usages = 0;

    void rangeANeuf(const ListeDessin& liste);
    struct Suite {
        bool active = false;
        int lot = 0;
        int cx1 = 0, cy1 = 0, cx2 = 0, cy2 = 0;
        int aire() const { return (cx2 - cx1 + 1) * (cy2 - cy1 + 1); }
    };
    struct LotsDUnEtat {
        EtatLot etat;
        std::vector<int> lots; // croissants
    };

    int lotPour(const EtatLot& e, float x1, float y1, float x2, float y2);
    int nouveauLot(const EtatLot& e);
    void termineSuite();
    void marque(int cx1, int cy1, int cx2, int cy2);
    void prepareCases();
    int caseDe(float v, int nombre) const;

    std::vector<LotDessin> listeLots;
    std::size_t nombre = 0;
    std::vector<LotsDUnEtat> parEtat;
    std::size_t nombreEtats = 0;
    std::size_t dernierEtat = 0;
    int plancher = -1; // le dernier gestionnaire : rien ne passe devant lui
    // Pour chaque case, le plus grand lot qui la touche + 1, 0 sans lot (les indices des
    // commandes tiennent sur 16 bits, les lots aussi) ; le rangement suivant efface les cases
    // marquées.
    std::vector<uint16_t> cases;
    int casesX = 0, casesY = 0;
    // Le rectangle des cases marquées depuis le début du rangement : hors de lui, rien à lire.
    int marqueesX1 = 0, marqueesY1 = 0, marqueesX2 = -1, marqueesY2 = -1;
    Suite suite;
};
