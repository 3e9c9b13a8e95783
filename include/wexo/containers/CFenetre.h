/// @file
/// CFenetre : conteneur qui se comporte en fenêtre : taille minimale de son cadre, débords en
/// plein écran, centrage dans son parent, déplacement à la souris et focus du clavier.
#pragma once

#include "CContainer.h"

#include <memory>
#include <vector>

class CBouton;

/// Le conteneur qui se comporte en fenêtre : taille minimale de son cadre, plein écran qui
/// déborde, centrage dans son parent, déplacement à la souris.
class CFenetre : public CContainer
{
  public:
    bool enDeplacement = false; ///< la fenêtre suit la souris
    /// Où un appui gauche peut lancer un déplacement, dans le repère de souris.
    Rect zoneDeplacement = {{0, 0}, {1024, 768}};
    /// Actionné par Entrée quand l'objet qui a le focus ne s'en sert pas ; nul par défaut.
    /// Un bouton de la fenêtre : retiré ou détruit, il est oublié.
    CBouton* boutonParDefaut = nullptr;
    /// Actionné par Échap ; nul par défaut. Un bouton de la fenêtre, oublié comme le précédent.
    CBouton* boutonAnnuler = nullptr;
    /// Posé par toucheClavier et toucheSpeciale de CFenetre quand la touche a servi ; le fond
    /// de lanceApplication le remet à faux avant de passer Échap, qui ne finit le programme que
    /// s'il est resté faux. Une fenêtre dérivée qui garde une touche peut le poser elle-même.
    static bool toucheUtilisee;

    /// skin : une ligne de skinsContainer, ou -1 pour la ligne par défaut.
    explicit CFenetre(int skin);
    /// Oublie le focus et les deux boutons avant que les enfants ne soient détruits.
    ~CFenetre() override;

    /// Range r agrandi au moins aux coins du cadre ; le plein écran déborde de l'écran.
    void setLimites(Rect r) override;
    /// Vrai quand limites couvre tout l'écran.
    bool estPleinEcran();
    /// Centre la fenêtre dans la zone client de son parent ; une fenêtre plein écran reste en
    /// place.
    void centre();
    /// Déplace de d sans sortir de la zone client du parent ; renvoie le déplacement fait.
    Coord deplace(Coord d);
    /// L'enfant de premier plan quand c'est une fenêtre, sinon nul : où une racine passe les
    /// touches.
    CFenetre* fenetreDevant();

    /// Focus du clavier : un objet de la fenêtre (ou d'un conteneur de la fenêtre qui n'est pas
    /// une fenêtre) qui reçoit les touches avant elle.
    ///@{
    /// Donne le focus à objet quand il le prend (accepteFocus, visible, événements actifs) et
    /// qu'il est dans la fenêtre ; sinon, ou nul, la fenêtre n'a plus de focus. L'ancien et le
    /// nouveau sont prévenus par changeFocus.
    void donneFocus(CObjetGDI* objet);
    /// L'objet qui a le focus, ou nul.
    CObjetGDI* focus() const;
    /// Tab : le focus passe à l'objet suivant (précédent en arrière, Maj+Tab) dans l'ordre
    /// d'ajout, en revenant au début ; faux quand la fenêtre n'a aucun objet qui le prenne.
    bool focusSuivant(bool enArriere);
    /// Vrai quand la fenêtre se sert du clavier : un objet qui prend le focus, ou l'un des deux
    /// boutons. Sans cela, Échap ne lui est pas proposé et finit le programme, comme avant.
    bool utiliseClavier();
    /// Les objets de la fenêtre dans l'ordre d'ajout, ceux des conteneurs qui ne sont pas des
    /// fenêtres compris, chacun avant ses enfants : l'ordre de Tab et des groupes de CRadio.
    std::vector<CObjetGDI*> objetsDansLOrdre();
    /// La fenêtre la plus proche au-dessus d'objet, ou nulle : celle dont il peut être le focus.
    static CFenetre* fenetreDe(const CObjetGDI* objet);
    ///@}

    /// Touches : à la fenêtre modale de premier plan s'il y en a une ; sinon d'abord l'objet qui
    /// a le focus ; sinon Tab et Maj+Tab déplacent le focus,
    /// Entrée actionne boutonParDefaut, Échap boutonAnnuler. Une fenêtre sans rien de cela n'en
    /// fait rien, comme avant. Une fenêtre dérivée qui les remplace sans appeler celles-ci garde
    /// ses touches telles quelles.
    ///@{
    void toucheClavier(int touche) override;
    void toucheSpeciale(int touche) override;
    ///@}
    /// Oublie le focus et les boutons qui étaient objet ou dedans.
    void oublie(CObjetGDI* objet) override;

    /// Gestionnaires du déplacement à la souris.
    ///@{
    void debutDeplacement(CObjetGDI* emetteur);
    void finDeplacement(CObjetGDI* emetteur);
    void suitDeplacement(CObjetGDI* emetteur);
    ///@}

  private:
    CObjetGDI* objetFocus = nullptr;
    /// Expire avec la fenêtre : ce qu'une touche a déclenché a pu la détruire.
    std::shared_ptr<char> temoinVie = std::make_shared<char>(0);

    /// Actionne bouton s'il réagit ; faux sans bouton.
    static bool actionne(CBouton* bouton);
};
