// CSelectionObjetGDI : menu modal de six icônes qui choisit le genre du prochain objet créé.
#pragma once

#include "containers/CContainer.h"

class CSelectionObjetGDI : public CContainer
{
  public:
    // Place fixe dans la zone client de la fenêtre éditée.
    static const Rect LIMITES;
    // LIMITES, poussé vers la gauche et le haut juste assez pour tenir dans client.
    static Rect placeDans(Rect client);

    // Crée les six icônes et les range dans boutonsSelection.
    CSelectionObjetGDI();

    // Entrée, Échap ou Espace ferment le menu sans changer de mode.
    void toucheClavier(int touche) override;

    // Carré de fond d'une icône, dessiné avant l'icône elle-même.
    void dessineFondIcone(CObjetGDI* emetteur);
    // Le mode de l'icône cliquée devient celui de la fenêtre éditée ; le menu se ferme.
    void choisitType(CObjetGDI* emetteur);
};
