/// @file
/// LotGL : l'état OpenGL que les primitives tiennent paresseusement (texturage, texture liée, lot
/// de quads ouvert entre glBegin et glEnd).
#pragma once

#include <cstdint>

/// Prolonge le lot de quads ouvert s'il est texturé par nom, sinon le ferme et en ouvre un :
/// texturage allumé et nom lié seulement s'ils ne le sont pas déjà. Les couleurs et les sommets
/// des quads suivent, entre glBegin(GL_QUADS) et le glEnd que posera la fermeture du lot.
void quadsTextures(uint32_t nom);
/// Ferme le lot ouvert et coupe le texturage s'il est allumé : avant un trait ou un rectangle
/// de couleur unie.
void sansTexture();
/// Ferme le lot ouvert, sans rien changer d'autre : avant un appel interdit entre glBegin et
/// glEnd (translation du repère).
void fermeLot();
/// Un contexte neuf (mode jeu entré) : texturage coupé, rien de lié ni d'ouvert.
void oublieEtatGL();

/// Chemin de référence des essais : faux, chaque primitive est dessinée seule, entourée de son
/// texturage et de son glBegin/glEnd, chaque glyphe par translation du repère.
void regroupementGL(bool actif);
/// Vrai tant que les primitives regroupent leurs quads en lots (le défaut).
bool regroupementGL();

/// Vrai quand les primitives peuvent regrouper : regroupementGL() et aucun gestionnaire de dessin
/// étranger en cours.
bool lotsPermis();
/// Avant un gestionnaire de dessin étranger à la boîte à outils : tout ce qui attend est envoyé,
/// le texturage coupé, aucun glBegin ouvert ; ses primitives partiront chacune seule.
void entreDessinEtranger();
/// Après lui : rien n'est plus supposé de la texture liée ni du texturage.
void sortDessinEtranger();
