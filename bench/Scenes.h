// Scenes : les scènes mesurées par le banc, bâties par l'application elle-même (démarrage,
// fenêtre d'aide, fenêtre éditée), quel que soit l'OpenGL lié.
#pragma once

#include <cstdint>
#include <map>

// Les tailles mesurées de la fenêtre éditée.
const int NOMBRES_OBJETS[] = {10, 100, 1000};

// Démarrage de l'éditeur : textures, police, arbre avec l'aide ouverte. Faux si une image manque.
bool demarreScenes();
// Échap ferme l'aide ; la mise à jour suivante la détruit.
void fermeAide();
// Complète la fenêtre éditée jusqu'à n objets mêlés (texte, bouton, case, image, barre),
// posés comme l'éditeur les pose, en se chevauchant.
void poseObjetsJusqua(int n);
// Une image complète de l'éditeur : tour d'inactivité puis affichage.
void imageEditeur();
// Les noms de textures OpenGL du jeu puis de la police, dans un ordre fixe.
std::map<int, uint32_t> nomsTextures();
