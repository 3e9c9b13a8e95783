/// @file
/// DossierImages : le dossier d'où les images sont lues, fixé par qui démarre la boîte à outils
/// (la bibliothèque d'exécution le cherche), les huit images qu'il doit avoir, et le message qui
/// nomme une image illisible.
#pragma once

#include <string>

/// Les sept textures, puis la police.
const int NOMBRE_IMAGES = 8;
/// Les noms des huit images lues : "Boutons", "ObjetGDIs", "Containers", "Curseurs", "Coches",
/// "Progressions", "Moi" (les textures, dans l'ordre de leurs indices), puis "Police0".
extern const char* const NOMS_IMAGES[NOMBRE_IMAGES];

/// Dossier des images, sans barre finale : "Data" (relatif au dossier de travail) tant
/// qu'aucun autre n'a été fixé.
const char* dossierImages();
/// Impose le dossier des images ; provenance, s'il est donné, est la ligne qui dit d'où il vient
/// dans le message d'une image illisible (sans fin de ligne).
void fixeDossierImages(const std::string& dossier, const std::string& provenance = "");

/// Chemin du fichier lu pour l'image de ce nom : `<dossier>/<nom>.tga`.
std::string cheminImage(const char* nom);

/// Écrit sur la sortie d'erreur le fichier de l'image qui n'a pu être chargée, absent ou
/// refusé, puis la provenance du dossier.
void signaleImageIllisible(const char* nom);
