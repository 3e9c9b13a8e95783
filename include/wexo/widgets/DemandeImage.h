/// @file
/// DemandeImage : ce que la boîte à outils et le programme demandent à la boucle, qui ne dessine
/// une image que lorsque quelque chose a changé, et l'horloge que la boucle lui donne.
#pragma once

#include <cstdint>

/// Une image au prochain tour de la boucle : à appeler après un changement que la souris ni le
/// clavier n'ont apporté (un fil de travail, une minuterie, un état posé depuis le code).
void demandeImage();
/// Une image d'ici ms millisecondes au plus tard (0 : au prochain tour) ; la plus proche des
/// demandes en attente l'emporte. Sert aux animations (le curseur d'un champ qui clignote).
void demandeImageDans(int32_t ms);

/// Millisecondes depuis le démarrage de la boucle, telles que la boucle les a relues à son
/// dernier tour ; 0 hors de la boucle.
int32_t horlogeBoiteAOutils();

/// @cond INTERNE
/// La boucle : pose l'horloge lue au début du tour.
void poseHorlogeBoiteAOutils(int32_t ms);
/// La boucle : vrai quand une image est due à l'instant maintenant (la demande est alors
/// consommée) ; sinon attente reçoit les millisecondes jusqu'à la prochaine demande, -1 s'il
/// n'y en a aucune.
bool prendDemandeImage(int32_t maintenant, int32_t& attente);
/// La boucle : millisecondes jusqu'à la demande en attente (0 si elle est échue), -1 sans
/// demande ; rien n'est consommé.
int32_t delaiDemandeImage(int32_t maintenant);
/// @endcond
