/// @file
/// CRelaisFonction : le récepteur d'une fonction inscrite sur une liste d'événements.
#pragma once

#include "CObjetGDI.h"

#include <functional>

/// Porte une fonction quelconque (lambda, fonction libre) inscrite par ajouteGestionnaire : la
/// liste l'appelle comme une méthode et le détruit avec son enregistrement. Les méthodes
/// inscrites directement restent ainsi déclenchées sans test ni enveloppe. Jamais ajouté à un
/// conteneur.
class CRelaisFonction : public CObjetGDI
{
  public:
    /// La fonction appelée par appelle.
    std::function<void(CObjetGDI* emetteur)> fonction;

    /// Garde fonction.
    explicit CRelaisFonction(std::function<void(CObjetGDI* emetteur)> fonction);

    /// La méthode inscrite : appelle fonction avec l'émetteur.
    void appelle(CObjetGDI* emetteur);
};
