/// @file
/// CObjetGDI : objet de base de l'arbre, avec son rectangle, ses drapeaux et ses treize listes
/// d'événements.
#pragma once

#include "../render/Coord.h"
#include "Gestionnaire.h"

#include <string>

class CContainer;

/// L'indice de chaque liste dans evenements.
enum TypeEvenement {
    EVT_APPUI_GAUCHE = 0,
    EVT_APPUI_DROIT = 1,
    EVT_RELACHE_GAUCHE_DESSUS = 2,
    EVT_RELACHE_DROIT_DESSUS = 3,
    EVT_CLIC_GAUCHE = 4,
    EVT_CLIC_DROIT = 5,
    EVT_RELACHE_GAUCHE_DEHORS = 6,
    EVT_RELACHE_DROIT_DEHORS = 7,
    EVT_SURVOL = 8,
    EVT_SURVOL_APPUYE = 9,
    EVT_APPUYE_DEHORS = 10,
    EVT_MISE_A_JOUR = 11,
    EVT_DESSIN = 12,
    NOMBRE_EVENEMENTS = 13
};

/// L'objet de base de l'arbre : un rectangle dans son conteneur, la position de la souris
/// relative à lui et une liste de gestionnaires par genre d'événement.
class CObjetGDI
{
  public:
    CContainer* parent = nullptr;    ///< le conteneur qui possède l'objet
    bool visible = true;             ///< le dessin n'est déclenché que s'il est vrai
    bool ignoreSouris = false;       ///< jamais trouvé sous la souris
    Coord souris = {0, 0};           ///< souris relative au coin haut-gauche de l'objet
    Coord ancre = {0, 0};            ///< souris au début d'un glissement
    Rect limites = {{0, 0}, {0, 0}}; ///< rectangle dans la zone client du conteneur
    bool aDetruire = false;          ///< le conteneur le détruira à sa prochaine mise à jour
    /// Rang d'arrivée dans le parent, croissant à chaque ajout : l'ordre des lignes du fichier
    /// de l'éditeur, que le premier plan ne change pas.
    uint32_t numeroAjout = 0;
    /// Posé par desactiveEvenements : l'objet ne prend plus jamais le focus du clavier.
    bool evenementsCoupes = false;
    /// Nom donné par ajouteObjetGDI(objet, nom), que trouve cherche avant les textes ; vide :
    /// sans nom. Copié : il ne dépend d'aucun texte de l'appelant.
    std::string nom;
    ListeGestionnaires evenements[NOMBRE_EVENEMENTS]; ///< une liste par TypeEvenement

    /// Un objet vide en (0,0)-(0,0), visible, sans parent ni gestionnaire.
    CObjetGDI() = default;
    CObjetGDI(const CObjetGDI&) = delete;
    CObjetGDI& operator=(const CObjetGDI&) = delete;
    /// Se retire de son parent, puis vide ses listes de la dernière à la première.
    virtual ~CObjetGDI();

    /// Range r tel quel dans limites ; les fenêtres l'ajustent à leur cadre.
    virtual void setLimites(Rect r);
    /// Vrai quand souris tombe dans [0, largeur) x [0, hauteur).
    virtual bool contientSouris();

    /// Gestionnaire : demande au conteneur de détruire l'objet récepteur (et une image).
    void demandeFermeture(CObjetGDI* emetteur);
    /// Vide les listes d'entrée et garde le dessin : l'objet s'affiche mais ne réagit plus, ne
    /// prend plus le focus et le perd s'il l'avait.
    void desactiveEvenements();

    /// Focus du clavier, un par fenêtre (voir CFenetre::donneFocus).
    ///@{
    /// Vrai pour un objet qui prend le focus (champ, bouton, case) ; faux par défaut.
    virtual bool accepteFocus();
    /// Un caractère pour l'objet qui a le focus ; vrai quand il s'en est servi, sinon la
    /// touche continue vers la fenêtre.
    virtual bool toucheFocus(int touche, int modificateurs);
    /// Une touche spéciale (codes de GLUT) pour l'objet qui a le focus ; vrai quand utilisée.
    virtual bool toucheSpecialeFocus(int touche, int modificateurs);
    /// Le focus vient d'arriver (vrai) ou de partir (faux).
    virtual void changeFocus(bool aLeFocus);
    /// Vrai quand l'objet est le focus de sa fenêtre : ce que son dessin montre.
    bool aLeFocus() const;
    ///@}

  protected:
    /// Range r dans limites ; une image est demandée quand il change (setLimites des objets).
    void rangeLimites(Rect r);
};
