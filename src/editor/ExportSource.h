// ExportSource : écriture sûre du source de l'éditeur (d'un bloc, ancien contenu gardé, copie de
// secours) ; le texte lui-même vient de GenerateurSource.
#pragma once

#include <cstddef>
#include <string>

// Le fichier qu'écrit l'éditeur en le quittant, dans le dossier de travail.
extern const char NOM_FICHIER_SOURCE[];

// Chemin absolu d'un nom relatif au dossier de travail.
std::string cheminAbsolu(const std::string& nom);

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

// Au-delà, un fichier n'est pas lu : ce n'est pas un source de l'éditeur.
const size_t TAILLE_SOURCE_MAX = size_t(16) << 20;

// Un fichier source tel qu'il est sur le disque.
struct LectureSource {
    bool absent = false; // aucun fichier de ce nom
    std::string texte;
    std::string raison; // pourquoi il n'a pas été lu ; vide s'il l'a été, ou s'il est absent
};
// Lit nom sans attendre (un tube nommé n'est pas ouvert pour lire), s'il est un fichier
// ordinaire de TAILLE_SOURCE_MAX octets au plus.
LectureSource litSource(const char* nom);

// Dit sur la sortie d'erreur où est la mise en page après un export, précédé de cause.
void ditOuEstLaMiseEnPage(const char* cause, const ResultatExport& r);

// Le texte de la boîte qui suit un export manqué, en UTF-8 : le fichier non écrit, la raison et
// où se trouve la mise en page.
std::string messageExportManque(const ResultatExport& resultat);
