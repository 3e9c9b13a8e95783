// CSelectionObjetGDI : menu modal d'icônes qui choisit le genre du prochain objet créé.
#pragma once

#include "containers/CContainer.h"

#include <vector>

class CBouton;

class CSelectionObjetGDI : public CContainer
{
  public:
    // Place fixe dans la zone client de la fenêtre éditée.
    static const Rect LIMITES;
    // Les modes du second menu, qu'ouvre Inser : la sélection et les genres au-delà des six.
    static const std::vector<int> MODES_SECOND_MENU;

    // Crée les six icônes et les range dans boutonsSelection.
    CSelectionObjetGDI();
    // Le second menu, du même aspect : une icône par mode (la cellule du mode dans la texture),
    // au même coin, sa largeur ajustée au nombre d'icônes ; boutonsSelection reste au premier.
    explicit CSelectionObjetGDI(const std::vector<int>& modes);

    // Ses limites, poussées vers la gauche et le haut juste assez pour tenir dans client.
    Rect placeDans(Rect client) const;

    // Entrée, Échap ou Espace ferment le menu sans changer de mode.
    void toucheClavier(int touche) override;

    // Carré de fond d'une icône, dessiné avant l'icône elle-même.
    void dessineFondIcone(CObjetGDI* emetteur);
    // Le mode de l'icône cliquée devient celui de la fenêtre éditée ; le menu se ferme.
    void choisitType(CObjetGDI* emetteur);

  private:
    // Le mode de chaque icône, dans l'ordre des enfants créés.
    std::vector<int> modes;
    std::vector<CBouton*> icones;
};
