/// @file
/// Mise en page et dessin du texte balisé, et mesure d'un texte sans le dessiner.
#pragma once

#include "../render/Coord.h"

#include <cstddef>

/// Place du texte mis en forme, zéro final compris : un texte plus long est coupé
/// à TAILLE_TAMPON_TEXTE - 1 caractères.
const int TAILLE_TAMPON_TEXTE = 2004;

/// Met en forme format et ses arguments selon printf, puis dessine le texte
/// obtenu dans le rectangle hautGauche-basDroite, relatif à origineCourante(),
/// sous le découpage courant. La matrice modèle-vue doit être l'identité à
/// l'appel ; elle l'est au retour, et la pile des styles est à la profondeur 0.
void afficheTexte(Coord hautGauche, Coord basDroite, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

/// Même mise en page, mais le texte est pris tel quel : un '%' s'y dessine comme
/// un '%'. C'est l'entrée des textes conservés (légende de bouton, zone de texte),
/// qui ne doivent jamais être lus comme un format. Coupé comme afficheTexte.
void afficheTexteLitteral(Coord hautGauche, Coord basDroite, const char* texte);

/// Le rectangle de position à position + (ligne la plus large, hauteur totale).
/// Le texte n'est ni mis en forme ni coupé pour la largeur, et l'origine
/// courante n'est pas appliquée. La pile des styles revient à la profondeur 0.
Rect mesureTexte(Coord position, const char* texte);

/// Texte brut, sur une ligne, dans le style courant : aucun octet n'est lu comme une balise
/// (un '<' se dessine comme un '<'), rien n'est coupé à la largeur.
///@{
/// Largeur mesurée des n premiers octets de texte, comme mesureTexte la compterait.
int largeurTexteBrut(const char* texte, size_t n);
/// Dessine les n premiers octets de texte, haut de la ligne en position (relative à
/// origineCourante()), chaque caractère à l'abscisse que largeurTexteBrut donne à ce qui le
/// précède. Un caractère qui commence à gauche du découpage courant ou finit à sa droite n'est
/// pas dessiné. Même état d'entrée et de sortie qu'afficheTexte.
void afficheTexteBrut(Coord position, const char* texte, size_t n);
///@}
