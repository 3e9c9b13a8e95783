// ChoixImages : la recherche du dossier des images au démarrage, parmi le dossier de travail et
// ceux installés avec le programme ou la boîte à outils.
#pragma once

#include <string>

// Fixe le dossier des images : le premier qui a les huit images parmi Data dans le dossier de
// travail, `<préfixe>/share/wexo/Data` (l'exécutable étant dans `<préfixe>/bin`), Data à côté
// de l'exécutable et dernierRecours s'il est donné. Faux quand aucun ne les a toutes : le
// dossier est alors le premier qui existe (à défaut "Data"), et le message d'une image
// illisible nomme tous les dossiers cherchés. Avec dataImpose (l'éditeur), un dossier Data dans
// le dossier de travail l'emporte même incomplet.
bool choisitDossierImages(const char* dernierRecours = nullptr, bool dataImpose = false);
// Le même choix pour un exécutable donné par son chemin ; l'autre lit /proc/self/exe.
bool choisitDossierImagesPour(const std::string& executable, const char* dernierRecours,
                              bool dataImpose = false);
