/// @file
/// Les six primitives de dessin : deux copies de texels et quatre primitives de couleur unie.
#pragma once

#include "Coord.h"
#include "Couleur.h"

#include <cstdint>

/// Projection de l'affichage (largeurAffichage() x hauteurAffichage()), mélange alpha et
/// pointillés : l'état que les primitives supposent, posé après la création du contexte.
void prepareEtatGL();

/// Les primitives ajoutent leurs dessins à la liste courante ; dans une portée de dessin de la
/// boîte à outils, ils attendent la fin de la plus extérieure et partent en tableaux ; hors de
/// toute portée, chacune part à sa fin. Un gestionnaire de dessin qui n'est pas le sien trouve
/// l'état d'origine. fermeLotGL envoie tout ce qui attend et rend l'état d'origine : texturage
/// coupé, aucune paire glBegin/glEnd ouverte ; la texture liée peut alors être changée librement.
void fermeLotGL();

// Toutes travaillent en coordonnées locales sous l'origine et le découpage courants.

/// Copie le rectangle de texels source (coin bas-droit exclu) étiré sur la destination.
void dessineImageEtiree(int texture, Coord hautGauche, Coord basDroite, Coord sourceHautGauche,
                        Coord sourceBasDroite);
/// Copie le rectangle de texels à sa taille naturelle.
void dessineImage(int texture, Coord position, Coord sourceHautGauche, Coord sourceBasDroite);
/// Un carré d'environ taille pixels centré sur centre ; sauté hors du découpage.
void dessinePoint(Coord centre, Couleur couleur, float taille);
/// Un segment, jamais découpé.
void dessineLigne(Coord a, Coord b, Couleur couleur, float epaisseur, uint16_t motif, int facteur);
/// Le contour entier d'un rectangle qui touche le découpage.
void dessineCadre(Coord hautGauche, Coord basDroite, Couleur couleur, float epaisseur,
                  uint16_t motif, int facteur);
/// Un rectangle plein, coupé au découpage.
void remplitRectangle(Coord hautGauche, Coord basDroite, Couleur couleur);
