// MessageErreur : la boîte d'erreur du démarrage, son titre et son texte.
#pragma once

#include <string>

// Titre et texte tels que stockés, en Windows-1252.
extern const char* const TITRE_ERREUR;
extern const char* const TEXTE_ERREUR;

// Convertit un texte Windows-1252 en UTF-8 ; les cinq octets sans caractère deviennent U+FFFD.
std::string windows1252VersUtf8(const char* texte);

// Écrit titre et texte en UTF-8 sur la sortie d'erreur, chacun sur sa ligne.
void ecritErreur();

// Écrit titre et texte sur la sortie d'erreur, quitte le mode jeu (qui retient clavier et
// souris) puis montre la boîte jusqu'à la réponse, ignorée. avecAnnuler : "OK" et "Annuler",
// sinon "OK" seul.
void afficheErreur(bool avecAnnuler);
