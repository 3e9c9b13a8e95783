// EtatEditeur : état global de l'éditeur, partagé par la fenêtre éditée, le menu de sélection
// et l'export.
#pragma once

#include "editor/MiseEnPage.h"
#include "render/Coord.h"

#include <optional>
#include <string>

class CBouton;
class CFenetrePrincipale;
class CObjetGDI;

// Nombre de modes du menu : 0 sélection, puis un par genre d'objet créé.
const int NOMBRE_TYPES_OBJETS = 6;

// La fenêtre éditée ; posée par son constructeur, remise à nul par son destructeur.
extern CFenetrePrincipale* fenetrePrincipale;
// Un objet de la fenêtre éditée, ou la fenêtre elle-même pendant le glissement de son bord.
extern CObjetGDI* objetSelectionne;
// Vrai d'un appui gauche sur la fenêtre éditée jusqu'au clic suivant sur elle.
extern bool boutonEnfonce;
// Bords que déplace un glissement : -1 gauche ou haut, 1 droit ou bas, 0 aucun.
extern Coord poignee;
// Les six icônes du dernier menu ouvert ; seulement comparées une fois le menu fermé.
extern CBouton* boutonsSelection[NOMBRE_TYPES_OBJETS];
// Quitte l'application ; nul tant que l'application ne l'a pas branché.
extern void (*quitterEditeur)();
// Vrai quand Maj est tenue pendant la touche en cours ; nul, Maj n'est jamais vue.
extern bool (*majTenue)();

// Le fichier que l'éditeur écrit en quittant : "Fenetre1.cpp", ou celui qu'il a rouvert.
extern std::string fichierEdite;
// La mise en page lue dans fichierEdite, que la fenêtre éditée rebâtit à sa construction ;
// vide sans fichier rouvert ou quand il n'existait pas.
extern std::optional<MiseEnPage> miseEnPageOuverte;
// Le texte lu dans fichierEdite, octet pour octet : le retrouver sur le disque en quittant
// sans rien avoir changé n'écrit rien.
extern std::string texteOuvert;

// Codes des touches que lisent l'éditeur, son menu et la fenêtre de message (octet bas du code).
const int TOUCHE_ENTREE = 13;
const int TOUCHE_ECHAP = 27;
const int TOUCHE_ESPACE = 32;
const int TOUCHE_PLUS = 43;
const int TOUCHE_MOINS = 45;
const int TOUCHE_SUPPR = 127;
// Ctrl+Z, Ctrl+Y, Ctrl+D et Ctrl+S, tels que les rapporte le clavier.
const int TOUCHE_ANNULE = 26;
const int TOUCHE_RETABLIT = 25;
const int TOUCHE_DUPLIQUE = 4;
const int TOUCHE_ENREGISTRE = 19;
// Codes de touches spéciales : F1, F2 (le panneau des propriétés), Inser (le second menu) et
// les quatre flèches.
const int TOUCHE_F1 = 1;
const int TOUCHE_F2 = 2;
const int TOUCHE_INSER = 108;
const int TOUCHE_GAUCHE = 100;
const int TOUCHE_HAUT = 101;
const int TOUCHE_DROITE = 102;
const int TOUCHE_BAS = 103;

// Le texte de la fenêtre d'aide, balisé, en Windows-1252.
extern const char TEXTE_AIDE[];
