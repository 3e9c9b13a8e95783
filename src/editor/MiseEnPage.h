// MiseEnPage : la fenêtre éditée et ses objets comme une valeur, que l'export écrit, que la
// lecture d'un source rend, que l'annulation garde et que la duplication copie.
#pragma once

#include "render/Coord.h"

#include <map>
#include <string>
#include <vector>

class CFenetre;
class CObjetGDI;

// Ce que l'objet vivant ne garde pas : l'argument d'habillage ou d'image tel qu'écrit, et la
// forme du bouton (avec ou sans légende).
struct ArgumentsEcrits {
    std::string argument;
    bool legende = true;
};
using ArgumentsParObjet = std::map<const CObjetGDI*, ArgumentsEcrits>;

// Un objet posé, avec chaque champ qu'écrit l'export. Genre : une valeur TYPE_* (1 à 5).
struct ObjetPlace {
    int genre = 0;
    // Rectangle (texte, bouton, image) ; pour la case et la barre, seul le coin haut-gauche
    // compte et le coin bas-droit lui est égal.
    Rect limites = {{0, 0}, {0, 0}};
    int largeur = 0; // barre
    std::string texte;
    bool legende = true; // bouton
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
    bool pleinEcran = true;
    Rect limites = PLEIN_ECRAN; // la fenêtre, quand elle n'est pas plein écran
    std::string habillage = "CONTAINER_SKIN_BEIGE";
    std::vector<ObjetPlace> objets; // de l'arrière vers le premier plan

    bool operator==(const MiseEnPage& m) const;
    bool operator!=(const MiseEnPage& m) const { return !(*this == m); }

    // Ce que tient la fenêtre vivante ; les arguments des objets qui n'ont pas d'entrée dans
    // ecrits sont les identifiants fixes que l'éditeur écrit.
    static MiseEnPage prends(CFenetre& fenetre, const ArgumentsParObjet* ecrits = nullptr);
    // La ligne d'un objet vivant ; faux pour ce qui n'est pas un objet posé (menu, aide).
    static bool prendsObjet(CObjetGDI* objet, const ArgumentsParObjet* ecrits, ObjetPlace& o);
    // L'objet vivant, par les constructeurs de la pose, événements désactivés ; ses arguments
    // écrits notés dans ecrits.
    static CObjetGDI* creeObjet(const ObjetPlace& o, ArgumentsParObjet& ecrits);
    // Remplace les objets posés de la fenêtre par ceux-ci, derrière les fenêtres ouvertes, et
    // lui donne son rectangle ; rend les objets créés, de l'arrière vers l'avant.
    std::vector<CObjetGDI*> batis(CFenetre& fenetre, ArgumentsParObjet& ecrits) const;
    // La ligne d'un objet dans le source.
    static std::string ligne(const ObjetPlace& o);
    // Le source, tel que l'export l'écrit.
    std::string source() const;
};

// La valeur d'un argument d'habillage ou d'image : identifiant de la boîte à outils ou entier.
// Faux pour un nom inconnu.
bool valeurArgument(const std::string& argument, int& valeur);
// Un texte gardé jusqu'à la fin du processus : les objets vivants n'en gardent qu'un pointeur.
const char* texteDurable(const std::string& texte);
