/// @file
/// DossierImages : le dossier d'où les images sont lues, "Data" du dossier de travail ou, à défaut,
/// celui installé avec le programme, et le message qui nomme une image illisible.
#pragma once

#include <string>

/// Dossier des images, sans barre finale : "Data" (relatif au dossier de travail) tant
/// qu'aucun autre n'a été choisi ou fixé.
const char* dossierImages();
/// Impose le dossier des images, sans recherche.
void fixeDossierImages(const std::string& dossier);

/// Un dossier "Data" dans le dossier de travail l'emporte toujours, même incomplet. Sans lui,
/// le premier dossier existant parmi `<préfixe>/share/wexo/Data` (l'exécutable étant dans
/// `<préfixe>/bin`), le dossier Data à côté de l'exécutable (arbre de construction) et
/// dernierRecours s'il est donné. false quand aucun n'existe : le dossier reste "Data", et
/// signaleImageIllisible nommera tous les dossiers cherchés.
bool choisitDossierImages(const char* dernierRecours = nullptr);
/// Le même choix pour un exécutable donné par son chemin ; l'autre lit /proc/self/exe.
bool choisitDossierImagesPour(const std::string& executable, const char* dernierRecours);

/// Chemin du fichier lu pour l'image de ce nom : `<dossier>/<nom>.tga`.
std::string cheminImage(const char* nom);

/// Écrit sur la sortie d'erreur le fichier de l'image qui n'a pu être chargée, absent ou
/// refusé, et d'où vient le dossier où il a été cherché.
void signaleImageIllisible(const char* nom);
