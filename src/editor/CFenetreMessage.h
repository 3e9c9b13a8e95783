// CFenetreMessage : fenêtre modale qui montre un texte balisé au-dessus d'un ou deux boutons et
// se ferme sur un clic, Entrée, Espace ou Échap.
#pragma once

#include "containers/CFenetre.h"

class CBouton;

class CFenetreMessage : public CFenetre
{
  public:
    CBouton* boutonValider; // Entrée et Espace l'actionnent
    CBouton* boutonAnnuler; // nul sous la forme à un bouton ; Échap l'actionne

    // texte : balisé, gardé par pointeur ; indiceSkin : ligne de la fenêtre. Créée au coin
    // haut-gauche de son futur parent, qui la centre en l'ajoutant.
    CFenetreMessage(const char* texte, bool deuxBoutons, int indiceSkin);

    void toucheClavier(int touche) override;

  private:
    // Un bouton de la taille de son image, qui ferme la fenêtre après son propre clic.
    CBouton* ajouteBouton(int skinBouton, int x, int y);
    // Appui puis clic déclenchés sur les listes du bouton, sans test de la souris.
    static void simuleClic(CBouton* bouton);
};
