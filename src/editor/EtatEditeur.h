// EtatEditeur : état global de l'éditeur, partagé par la fenêtre éditée, le menu de sélection
// et l'export.
#pragma once

#include "render/Coord.h"

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

// Codes des touches que lisent l'éditeur, son menu et la fenêtre de message (octet bas du code).
const int TOUCHE_ENTREE = 13;
const int TOUCHE_ECHAP = 27;
const int TOUCHE_ESPACE = 32;
const int TOUCHE_PLUS = 43;
const int TOUCHE_MOINS = 45;
const int TOUCHE_SUPPR = 127;
// Code de touche spéciale de F1.
const int TOUCHE_F1 = 1;

// Le texte de la fenêtre d'aide, balisé, en Windows-1252.
extern const char TEXTE_AIDE[];
