// Boucle : la racine de l'arbre, l'horloge, la préparation de l'affichage et les rappels
// d'affichage et d'inactivité, communs à l'éditeur et à lanceApplication.
#pragma once

#include <atomic>
#include <cstdint>

class CContainer;

// Quand la boucle dessine : à chaque tour (l'éditeur, qui redessine sans cesse en mode jeu), ou
// seulement quand quelque chose a changé (lanceApplication et la boucle d'un programme).
enum class PolitiqueImages { CONTINUE, A_LA_DEMANDE };
extern PolitiqueImages politiqueImages;
// imagesContinues(true) d'un programme : une image à chaque tour malgré la politique.
extern bool imagesContinuesDemandees;
// La souris au-dessus de la fenêtre : le curseur animé demande ses images.
extern bool pointeurDedans;
// Images dessinées par affichage depuis le début du processus (lu par le banc, depuis un
// gestionnaire de signal).
extern std::atomic<uint64_t> imagesAffichees;

// La racine de l'arbre, une fenêtre de fond plein écran ; nulle avant le démarrage et
// après la fin.
extern CContainer* racine;
// Temps de la plateforme pris au démarrage, en millisecondes.
extern int32_t tempsDepart;
// Millisecondes depuis le démarrage, relues à chaque tour d'inactivité.
extern int32_t tempsEcoule;
// Appelée au début de chaque tour d'inactivité quand elle est posée ; vrai quand elle a fini le
// programme, et le tour s'arrête là. L'éditeur y exécute les fins demandées par signal.
extern bool (*finAuTour)();

// Projection, mélange, pointillés, couleur d'effacement, puis les textures ; false si une
// texture manque.
bool initialiseOpenGL();
// Démarre l'horloge, choisit le dossier des images (le premier complet parmi Data ici, ceux
// installés avec l'exécutable et dernierRecours ; dataImpose : Data ici l'emporte même
// incomplet), prépare OpenGL et charge les textures puis la police ; false à la première image
// illisible, déjà nommée sur la sortie d'erreur, la police n'étant pas tentée après un échec
// des textures.
bool prepareDemarrage(const char* dernierRecours, bool dataImpose = false);

// Rappel d'affichage : efface, dessine l'arbre puis le curseur, échange les tampons.
void affichage();
// Rappel d'inactivité : horloge, travaux postés et minuteries, curseur par défaut, mise à jour
// de l'arbre, puis une nouvelle image si la politique la veut.
void inactivite();
// Une image attendue par la boucle (demandée, pas encore dessinée).
bool affichageEnAttente();
// Millisecondes que la boucle peut attendre avant le prochain tour utile (image, minuterie,
// image du curseur) ; 0 : tout de suite ; -1 : rien de prévu.
int32_t delaiAvantTour();
// L'horloge de la boîte à outils relue à l'instant, entre deux tours (entrée arrivée).
void rafraichitHorloge();
// Début et fin d'une boucle à la demande : minuteries ouvertes, première image demandée ; puis
// tout ce qui attend oublié, la politique rendue à l'éditeur, l'affichage rendu à 1024 x 768.
void commenceBoucleALaDemande(void (*reveil)());
void finitBoucleALaDemande();
// Dessine curseurCourant à la position de la souris, par-dessus tout.
void dessineCurseur();
