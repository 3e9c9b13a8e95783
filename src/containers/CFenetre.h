/// @file
/// CFenetre : conteneur qui se comporte en fenêtre : taille minimale de son cadre, débords en
/// plein écran, centrage dans son parent et déplacement à la souris.
#pragma once

#include "CContainer.h"

/// Le conteneur qui se comporte en fenêtre : taille minimale de son cadre, plein écran qui
/// déborde, centrage dans son parent, déplacement à la souris.
class CFenetre : public CContainer
{
  public:
    bool enDeplacement = false; ///< la fenêtre suit la souris
    /// Où un appui gauche peut lancer un déplacement, dans le repère de souris.
    Rect zoneDeplacement = {{0, 0}, {1024, 768}};

    /// skin : une ligne de skinsContainer, ou -1 pour la ligne par défaut.
    explicit CFenetre(int skin);

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

    /// Gestionnaires du déplacement à la souris.
    ///@{
    void debutDeplacement(CObjetGDI* emetteur);
    void finDeplacement(CObjetGDI* emetteur);
    void suitDeplacement(CObjetGDI* emetteur);
    ///@}
};
