// CFenetrePrincipale : la fenêtre éditée, ses commandes au clavier, l'édition à la souris et
// l'écriture du source à sa destruction.
#pragma once

#include "containers/CFenetre.h"

#include <cstdint>

// Genres d'objets créés, par valeur de typeAAjouter ; 0 est le mode sélection.
enum {
    TYPE_SELECTION = 0,
    TYPE_TEXTE = 1,
    TYPE_BOUTON = 2,
    TYPE_COCHE = 3,
    TYPE_IMAGE = 4,
    TYPE_PROGRESSION = 5
};

// Distance à un bord, en pixels, en deçà de laquelle un appui saisit ce bord.
const int TOLERANCE_POIGNEE = 5;
// Largeur et hauteur minimales d'un glissement de création et d'un objet redimensionné.
const int TAILLE_MINIMALE = 11;
// Le contour de la sélection est tracé ce nombre de pixels plus haut et plus à gauche.
const int DECALAGE_CONTOUR = 4;

// Textes des objets créés ; les objets gardent ces pointeurs.
extern const char TEXTE_ZONE_CREEE[];
extern const char TEXTE_BOUTON_CREE[];

class CFenetrePrincipale : public CFenetre
{
  public:
    // Genre du prochain objet créé par un glissement : 0 aucun, 1 à 5 (voir TYPE_*).
    int32_t typeAAjouter = TYPE_SELECTION;

    // Plein écran, beige, jamais déplacée comme une fenêtre ; ouvre l'aide.
    CFenetrePrincipale();
    // Écrit le source, puis détruit ses enfants comme toute fenêtre.
    ~CFenetrePrincipale() override;

    void toucheClavier(int touche) override;
    void toucheSpeciale(int touche) override;

    // Ouvre la fenêtre d'aide, centrée au premier plan.
    void afficheAide();
    // Écrit le fichier source qui rebâtit la fenêtre et ses objets (ou sa copie de secours) ;
    // le résultat reste dans dernierExport.
    void exporteSource();

    // Édition à la souris, inscrite après les gestionnaires du conteneur et de la fenêtre.
    void appuiEdition(CObjetGDI* emetteur);
    void relacheEdition(CObjetGDI* emetteur);
    // Relâchement hors de la fenêtre (réduite) : le glissement finit sans rien créer, au lieu
    // de suivre la souris bouton levé jusqu'au prochain clic.
    void relacheDehorsEdition(CObjetGDI* emetteur);
    void miseAJourEdition(CObjetGDI* emetteur);
    void dessineEdition(CObjetGDI* emetteur);

  private:
    // Le menu ou une fenêtre (l'aide) est au premier plan : l'éditeur n'agit pas.
    bool menuOuFenetreDevant();
    // Décalage des coordonnées client dans celles de la fenêtre.
    Coord marges() const;
    // Crée l'objet de typeAAjouter pour le glissement de a à b (coordonnées fenêtre).
    CObjetGDI* creeObjet(Coord a, Coord b);
    // Retire et détruit la sélection sans laisser de pointeur vers elle.
    void supprimeSelection();
    void redimensionneFenetre(Coord m);
    void redimensionneObjet(CObjetGDI* objet, Coord m);
};
