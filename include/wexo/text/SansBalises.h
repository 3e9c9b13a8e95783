/// @file
/// SansBalises : comparaison d'un texte balisé à un texte clair, balises ôtées.
#pragma once

/// Vrai quand balise, une fois ses balises ôtées (de chaque "<" au ">" suivant, ou à la fin du
/// texte s'il n'y en a pas, comme les lit l'affichage), se lit exactement clair ; faux quand
/// l'un des deux est nul.
bool memeTexteSansBalises(const char* balise, const char* clair);
