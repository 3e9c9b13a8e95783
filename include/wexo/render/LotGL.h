/// @file
/// LotGL : la liste de dessin courante et quand elle part. Les primitives et le texte y
/// ajoutent leurs commandes en coordonnées de la boîte à outils ; à la fin de la portée de
/// dessin la plus extérieure, elle est rangée en lots et envoyée par le dorsal OpenGL, ou
/// commande par commande sur le chemin de référence.
#pragma once

#include "DorsalGL.h"
#include "ListeDessin.h"

/// La liste où s'ajoutent les commandes ; pleine, elle est d'abord envoyée.
ListeDessin& listeDessin();
/// Le dorsal qui envoie les listes à OpenGL.
DorsalGL& dorsalGL();

/// Un contexte neuf (mode jeu entré) : rien n'attend, rien de supposé de l'état d'OpenGL.
void oublieEtatGL();

/// Une portée de dessin (le dessin d'un objet, d'un conteneur, une primitive) : à la fin de la
/// plus extérieure, tout ce qui attend est envoyé et l'état d'origine rendu.
///@{
void entreePorteeDessin();
void sortiePorteeDessin();
///@}

/// Avant le gestionnaire de dessin d'un programme : la commande du gestionnaire entre dans la
/// liste, tout ce qui précède est envoyé, puis l'état promis est posé (texturage coupé, couleur
/// et trait de la dernière primitive, repère (x, 768 - y)) ; ses primitives partiront chacune
/// à sa fin.
void entreDessinEtranger();
/// Après lui : rien n'est plus supposé de la texture liée, du texturage ni du trait.
void sortDessinEtranger();

/// Une image finie, avant l'échange des tampons : tout est envoyé et l'image comptée.
void finImageGL();
/// Nombre d'images envoyées depuis le lancement (comptées par finImageGL).
uint64_t imagesEnvoyees();

/// Chemin de référence des essais : faux, chaque commande est envoyée seule en mode immédiat.
/// Ce qui attend est envoyé avant le changement.
void regroupementGL(bool actif);
/// Vrai tant que les dessins sont regroupés (le défaut).
bool regroupementGL();
