/// @file
/// LotGL : le seul à envoyer les dessins à OpenGL. Il reçoit chaque quad, trait, rectangle et
/// glyphe ; regroupés, les dessins de la boîte à outils sont gardés, rangés par état partout où
/// deux dessins qui se recouvrent ne s'échangent pas, puis envoyés en tableaux de sommets ; sur le
/// chemin de référence, chacun part seul, par la suite d'appels OpenGL des primitives.
#pragma once

#include "Couleur.h"

#include <cstdint>

/// Un quad texturé, coins en pixels d'OpenGL (y vers le haut) : (x1, y1) reçoit les texels
/// (s1, t1), puis (x2, y1), (x2, y2) et (x1, y2), dans cet ordre.
void envoieCopie(uint32_t nomTexture, int x1, int y1, int x2, int y2, float s1, float t1, float s2,
                 float t2);
/// Un rectangle plein de couleur unie, coins en pixels d'OpenGL.
void envoieRectangle(int x1, int y1, int x2, int y2, Couleur couleur);
/// Une boucle de traits fermée sur ses nombre sommets (x, y alternés, pixels d'OpenGL).
void envoieBoucle(const int* xy, int nombre, Couleur couleur, float epaisseur, uint16_t motif,
                  int facteur);

/// Le texte, placé comme le repère translaté d'OpenGL le placerait : une ligne commence à la
/// plume (x, haut) en pixels d'OpenGL, les sommets d'un glyphe ou d'un trait sont donnés depuis
/// la plume, qui avance glyphe après glyphe.
///@{
void debutLigneTexte(double x, long long haut);
void avanceTexte(double d);
void couleurTexte(Couleur couleur);
void decorationTexte(int x1, int x2, int y);
void debutGlyphes(uint32_t nomTexture);
/// texels : s1, t1, s2, t2 ; sommets : les quatre coins (x, y alternés) depuis la plume.
void quadGlyphe(const float texels[4], const int sommets[8]);
void finGlyphes();
void finLigneTexte();
///@}

/// Un contexte neuf (mode jeu entré) : rien n'attend, texturage coupé, rien de lié ni posé.
void oublieEtatGL();

/// Une portée de dessin de la boîte à outils (le dessin d'un objet, d'un conteneur) : à la fin
/// de la plus extérieure, tout ce qui attend est envoyé et l'état d'origine rendu.
///@{
void entreePorteeDessin();
void sortiePorteeDessin();
///@}

/// Avant un gestionnaire de dessin étranger à la boîte à outils : tout ce qui attend est envoyé,
/// le texturage coupé, aucun glBegin ouvert ; ses primitives partiront chacune seule.
void entreDessinEtranger();
/// Après lui : rien n'est plus supposé de la texture liée, du texturage ni du trait.
void sortDessinEtranger();

/// Chemin de référence des essais : faux, chaque primitive est envoyée seule, entourée de son
/// texturage et de son glBegin/glEnd, chaque glyphe par translation du repère. Ce qui attend
/// est envoyé avant le changement.
void regroupementGL(bool actif);
/// Vrai tant que les dessins sont regroupés (le défaut).
bool regroupementGL();
