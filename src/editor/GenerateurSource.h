// GenerateurSource : le texte du source C++ qui rebâtit la fenêtre éditée, tiré de sa mise en
// page ; l'écriture du fichier est ailleurs (ExportSource).
#pragma once

#include "editor/MiseEnPage.h"
#include "render/Coord.h"

#include <string>

// Un texte en littéral C qui se compile et se relit octet pour octet : guillemet, barre
// oblique inverse, caractère de contrôle et octet de 0x80 ou plus s'écrivent échappés (\xNN,
// le littéral coupé en deux quand un chiffre hexadécimal suit) ; les autres tels quels.
std::string litteralC(const std::string& texte);

// Lignes 1 à 4 : ligne vide, constructeur de la classe, accolade, puis le rectangle de la fenêtre.
std::string enteteSource(bool pleinEcran, Rect limites,
                         const char* habillage = "CONTAINER_SKIN_BEIGE",
                         const char* classe = "CFenetre1");
// Une ligne par genre d'objet, fin de ligne comprise ; un texte nul s'écrit vide. Le dernier
// argument est l'habillage ou l'image tel qu'il s'écrit.
std::string ligneTexte(Rect limites, const char* texte);
// avecLegende faux : la forme sans légende, pour un habillage sans zone de légende.
std::string ligneBouton(Rect limites, bool avecLegende, const char* texte,
                        const char* habillage = "BOUTON_SKIN_ROND_VARIABLE");
// legende non nulle : la case légendée, au constructeur à quatre arguments.
std::string ligneCoche(Coord position, bool cochee, const char* habillage = "COCHE_SKIN_DEFAUT",
                       const char* legende = nullptr);
std::string ligneImage(Rect limites, const char* image = "BMP_");
std::string ligneProgression(Coord position, int largeur, bool modifiable, int minimum, int valeur,
                             int maximum, const char* habillage = "PROGRESSION_SKIN_DEFAUT");
std::string ligneSaisie(Rect limites, const char* texte, int longueurMax);
std::string ligneRadio(Coord position, const char* legende, int groupe);
// La ligne d'un objet nommé : le nom en second argument de ajouteObjetGDI ; vide, la ligne telle
// quelle.
std::string ligneNommee(const std::string& ligne, const std::string& nom);
// La dernière ligne.
std::string finSource();

// La ligne d'un objet posé.
std::string ligneObjet(const ObjetPlace& o);
// Le fichier entier. Les objets vont du plus en arrière au plus en avant : chaque
// ajouteObjetGDI du fichier met son objet devant les précédents, et rebâtit ainsi l'empilement
// que l'utilisateur voyait.
std::string texteSource(const MiseEnPage& m);
