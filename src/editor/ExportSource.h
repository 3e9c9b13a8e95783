// ExportSource : texte du source C++ qui reconstruit la fenêtre éditée, et son écriture d'un bloc.
#pragma once

#include "render/Coord.h"

#include <string>

class CFenetre;
class CObjetGDI;

// Le fichier qu'écrit l'éditeur en le quittant, dans le dossier de travail.
extern const char NOM_FICHIER_SOURCE[];

// Un texte en littéral C qui se compile et se relit octet pour octet : guillemet, barre
// oblique inverse, caractère de contrôle et octet de 0x80 ou plus s'écrivent échappés (\xNN,
// le littéral coupé en deux quand un chiffre hexadécimal suit) ; les autres tels quels.
std::string litteralC(const std::string& texte);

// Lignes 1 à 4 : ligne vide, constructeur, accolade, puis le rectangle de la fenêtre.
std::string enteteSource(bool pleinEcran, Rect limites,
                         const char* habillage = "CONTAINER_SKIN_BEIGE");
// Une ligne par genre d'objet, fin de ligne comprise ; un texte nul s'écrit vide. Le dernier
// argument est l'habillage ou l'image tel qu'il s'écrit.
std::string ligneTexte(Rect limites, const char* texte);
// avecLegende faux : la forme sans légende, pour un habillage sans zone de légende.
std::string ligneBouton(Rect limites, bool avecLegende, const char* texte,
                        const char* habillage = "BOUTON_SKIN_ROND_VARIABLE");
std::string ligneCoche(Coord position, bool cochee, const char* habillage = "COCHE_SKIN_DEFAUT");
std::string ligneImage(Rect limites, const char* image = "BMP_");
std::string ligneProgression(Coord position, int largeur, bool modifiable, int minimum, int valeur,
                             int maximum, const char* habillage = "PROGRESSION_SKIN_DEFAUT");
// La dernière ligne.
std::string finSource();

// La ligne d'un enfant de la fenêtre éditée ; vide pour ce qui n'est pas un objet posé (menu,
// fenêtre d'aide).
std::string ligneObjet(CObjetGDI* objet);
// Chemin absolu d'un nom relatif au dossier de travail.
std::string cheminAbsolu(const std::string& nom);
// Le fichier entier. Les objets vont du plus en arrière au plus en avant : chaque
// ajouteObjetGDI du fichier met son objet devant les précédents, et rebâtit ainsi l'empilement
// que l'utilisateur voyait.
std::string texteSource(CFenetre& fenetre);

// Ce que le dernier export a fait de la mise en page.
struct ResultatExport {
    enum Etat {
        AUCUN,      // aucun export depuis la remise à zéro
        ECRIT,      // le fichier a reçu le nouveau texte
        INCHANGE,   // le fichier tenait déjà ce texte : rien n'a été touché
        COPIE,      // le fichier n'a pas pu être écrit ; le texte est dans la copie de secours
        SUR_ERREUR, // ni le fichier ni une copie : le texte est sur la sortie d'erreur
    };
    Etat etat = AUCUN;
    // Chemin absolu du fichier visé.
    std::string fichier;
    // Chemin absolu de la copie de secours, quand il y en a une.
    std::string copie;
    // Pourquoi le fichier visé n'a pas été écrit.
    std::string raison;
    // L'ancien contenu, différent, a été gardé sous le nom du fichier suivi de "~".
    bool sauvegarde = false;

    bool aEchoue() const { return etat == COPIE || etat == SUR_ERREUR; }
};

// Le résultat de l'export fait par la destruction de la fenêtre éditée.
extern ResultatExport dernierExport;

// Remplace nom par texte d'un bloc : fichier temporaire du même dossier renommé sur nom, si bien
// qu'une écriture interrompue ne laisse jamais un demi-fichier. Un ancien contenu différent est
// d'abord gardé dans nom~ ; un contenu identique laisse les deux fichiers tels quels. Un fichier
// existant en lecture seule, ou autre chose qu'un fichier, n'est pas remplacé. En cas d'échec,
// rien n'est remplacé et le résultat, faux, en donne la raison.
bool ecritFichierSource(const char* nom, const std::string& texte, ResultatExport& resultat);

// Écrit texte dans nom, sinon dans une copie de secours au nom unique finissant par .cpp dans
// $TMPDIR (à défaut /tmp), sinon sur la sortie d'erreur ; la sortie d'erreur dit chaque
// sauvegarde et chaque échec avec sa raison.
ResultatExport exporteTexte(const char* nom, const std::string& texte);

// Le texte de la boîte qui suit un export manqué, en UTF-8 : le fichier non écrit, la raison et
// où se trouve la mise en page.
std::string messageExportManque(const ResultatExport& resultat);
