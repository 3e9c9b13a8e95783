// MiseEnPage : la fenêtre éditée et ses objets comme une valeur, que l'export écrit, que la
// lecture d'un source rend, que l'annulation garde et que la duplication copie.
#pragma once

#include "render/Coord.h"

#include <map>
#include <string>
#include <vector>

class CObjetGDI;

// Genres des objets posés, qui sont aussi les valeurs de typeAAjouter ; 0 est le mode
// sélection. Les trois derniers se posent depuis le second menu.
enum {
    TYPE_SELECTION = 0,
    TYPE_TEXTE = 1,
    TYPE_BOUTON = 2,
    TYPE_COCHE = 3,
    TYPE_IMAGE = 4,
    TYPE_PROGRESSION = 5,
    TYPE_SAISIE = 6,
    TYPE_COCHE_LEGENDEE = 7,
    TYPE_RADIO = 8,
    NOMBRE_GENRES = 9
};

// La classe d'une fenêtre neuve.
extern const char CLASSE_PAR_DEFAUT[];

// Ce que l'objet vivant ne garde pas : l'argument d'habillage ou d'image tel qu'écrit, la
// forme du bouton (avec ou sans légende) ; pour la fenêtre, le nom de sa classe.
struct ArgumentsEcrits {
    std::string argument;
    bool legende = true;
    std::string classe;
};
using ArgumentsParObjet = std::map<const CObjetGDI*, ArgumentsEcrits>;

// Un objet posé, avec chaque champ qu'écrit l'export. Genre : une valeur TYPE_* (1 à 8).
struct ObjetPlace {
    int genre = 0;
    // Rectangle (texte, bouton, image, champ) ; pour les cases, le choix et la barre, seul le
    // coin haut-gauche compte et le coin bas-droit lui est égal.
    Rect limites = {{0, 0}, {0, 0}};
    int largeur = 0;       // barre
    std::string texte;     // texte, légende ou contenu du champ
    std::string nom;       // vide : sans nom
    bool legende = true;   // bouton
    int longueurMax = 255; // champ
    int groupe = 0;        // choix exclusif
    bool cochee = false;
    bool modifiable = true;
    int minimum = 0;
    int valeur = 0;
    int maximum = 0;
    std::string argument; // habillage, ou image, tel qu'écrit

    bool operator==(const ObjetPlace& o) const;
    bool operator!=(const ObjetPlace& o) const { return !(*this == o); }
    // Le même objet déplacé de d (arithmétique sur 16 bits, comme les coordonnées).
    ObjetPlace deplace(Coord d) const;
};

struct MiseEnPage {
    std::string classe = CLASSE_PAR_DEFAUT;
    bool pleinEcran = true;
    Rect limites = PLEIN_ECRAN; // la fenêtre, quand elle n'est pas plein écran
    std::string habillage = "CONTAINER_SKIN_BEIGE";
    std::vector<ObjetPlace> objets; // de l'arrière vers le premier plan

    bool operator==(const MiseEnPage& m) const;
    bool operator!=(const MiseEnPage& m) const { return !(*this == m); }
};

// L'argument d'habillage ou d'image que l'éditeur écrit pour chaque genre, quand l'objet n'en a
// pas d'autre ; vide pour un genre qui n'en a pas.
const char* argumentFixe(int genre);
// La valeur d'un argument d'habillage ou d'image : identifiant de la boîte à outils ou entier.
// Faux pour un nom inconnu.
bool valeurArgument(const std::string& argument, int& valeur);
// Vrai pour un identifiant C : une lettre ou _, puis lettres, chiffres ou _ ; ce que doivent
// être un nom d'objet et un nom de classe, écrits tels quels dans le programme de l'utilisateur.
bool identifiantC(const std::string& nom);
// Vrai pour un nom que la boîte à outils ou le C++ prend déjà (CFenetre, CBouton, new...) : une
// classe de l'utilisateur ne peut pas le porter.
bool nomReserve(const std::string& nom);
// Un texte gardé jusqu'à la fin du processus : les objets vivants n'en gardent qu'un pointeur.
const char* texteDurable(const std::string& texte);
