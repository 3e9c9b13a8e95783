/// @file
/// Utf8 : conversions entre l'UTF-8 (sources des programmes, hôtes, terminaux) et le
/// Windows-1252 de la boîte à outils, par iconv.
#pragma once

#include <string>

/// Convertit un texte UTF-8 en Windows-1252, le jeu des textes de la boîte à outils : un
/// caractère hors de Windows-1252, ou une suite d'octets qui n'est pas de l'UTF-8, devient '?'.
/// Nul donne un texte vide. Pour une légende écrite dans un source UTF-8 :
/// @code
/// static const std::string creer = depuisUtf8("<centre>Créer");
/// new CBouton(MakeRect(20, 20, 180, 0), creer.c_str(), BOUTON_SKIN_ROND_VARIABLE);
/// @endcode
/// (le bouton garde le pointeur : la chaîne doit vivre aussi longtemps que lui).
std::string depuisUtf8(const char* utf8);

/// Convertit un texte Windows-1252 en UTF-8, par exemple le contenu d'un champ à écrire sur un
/// terminal ; les cinq codes que Windows-1252 laisse indéfinis deviennent '?'.
std::string versUtf8(const std::string& texte);

/// @cond INTERNE
/// Comme depuisUtf8, remplacement tenant lieu de '?' ; avec 0, un caractère qui ne se convertit
/// pas est omis (jamais changé en deux glyphes).
std::string convertitUtf8(const char* utf8, char remplacement);
/// @endcond
