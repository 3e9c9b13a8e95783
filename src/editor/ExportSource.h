// ExportSource : texte du source C++ qui reconstruit la fenêtre éditée, et son écriture d'un bloc.
#pragma once

#include "render/Coord.h"

#include <string>

class CFenetre;
class CObjetGDI;

// Le fichier qu'écrit l'éditeur en le quittant, dans le dossier de travail.
extern const char NOM_FICHIER_SOURCE[];

// Lignes 1 à 4 : ligne vide, constructeur, accolade, puis le rectangle de la fenêtre.
std::string enteteSource(bool pleinEcran, Rect limites);
// Une ligne par genre d'objet, fin de ligne comprise ; un texte nul s'écrit vide.
std::string ligneTexte(Rect limites, const char* texte);
// avecLegende faux : la forme sans légende, pour un habillage sans zone de légende.
std::string ligneBouton(Rect limites, bool avecLegende, const char* texte);
std::string ligneCoche(Coord position, bool cochee);
std::string ligneImage(Rect limites);
std::string ligneProgression(Coord position, int largeur, bool modifiable, int minimum, int valeur,
                             int maximum);
// La dernière ligne.
std::string finSource();

// La ligne d'un enfant de la fenêtre éditée ; vide pour ce qui n'est pas un objet posé (menu,
// fenêtre d'aide).
std::string ligneObjet(CObjetGDI* objet);
// Le fichier entier. Les objets vont du plus en arrière au plus en avant : chaque
// ajouteObjetGDI du fichier met son objet devant les précédents, et rebâtit ainsi l'empilement
// que l'utilisateur voyait.
std::string texteSource(CFenetre& fenetre);

// Écrit texte dans un fichier temporaire du même dossier, puis le renomme sur nom : une écriture
// interrompue ne laisse jamais un demi-fichier. Un fichier existant en lecture seule est laissé
// tel quel. En cas d'échec, rien n'est remplacé, l'erreur est dite sur stderr et le résultat
// est faux.
bool ecritFichierSource(const char* nom, const std::string& texte);
