// Historique : les étapes d'annulation et de rétablissement de l'éditeur, à part de la fenêtre.
#pragma once

#include "editor/MiseEnPage.h"

#include <cstddef>
#include <optional>
#include <vector>

// Étapes d'annulation gardées au plus ; les plus anciennes partent d'abord.
const size_t NOMBRE_ETAPES_MAX = 1000;

// Une mise en page et la place de la sélection parmi ses objets (-1 : aucune).
struct Etape {
    MiseEnPage miseEnPage;
    int selection = -1;
};

class Historique
{
  public:
    explicit Historique(size_t maximum = NOMBRE_ETAPES_MAX) : maximum(maximum) {}

    // avant devient une étape si apres en diffère, et ce qui était annulé ne peut plus être
    // rétabli ; vrai si l'étape est gardée. Au-delà du maximum, la plus ancienne part.
    bool note(const Etape& avant, const MiseEnPage& apres);
    // L'étape à restaurer, l'état actuel passant de l'autre côté ; rien sans étape.
    std::optional<Etape> annule(const Etape& actuel);
    std::optional<Etape> retablit(const Etape& actuel);
    // Un changement qui prolonge l'étape en cours (suite de flèches) : plus rien à rétablir.
    void oublieRetablissements() { retablissements.clear(); }
    void vide();

    size_t annulables() const { return annulations.size(); }
    size_t retablissables() const { return retablissements.size(); }
    // La plus ancienne étape gardée, pour les tests de la limite.
    const Etape* plusAncienne() const { return annulations.empty() ? nullptr : &annulations[0]; }

  private:
    static std::optional<Etape> rejoue(std::vector<Etape>& depuis, std::vector<Etape>& vers,
                                       const Etape& actuel);

    size_t maximum;
    std::vector<Etape> annulations;
    std::vector<Etape> retablissements;
};
