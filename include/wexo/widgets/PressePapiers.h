/// @file
/// PressePapiers : le presse-papiers des champs, en Windows-1252 ; celui de l'hôte quand un hôte
/// l'a installé (installePressePapiers, <wexo/Integration.h>), sinon un texte du processus.
#pragma once

#include <string>

/// Le texte du presse-papiers, en Windows-1252 (converti depuis l'UTF-8 de l'hôte : un
/// caractère hors de Windows-1252 devient '?').
std::string lisPressePapiers();
/// Pose texte (Windows-1252) dans le presse-papiers, converti en UTF-8 pour l'hôte.
void ecrisPressePapiers(const std::string& texte);
