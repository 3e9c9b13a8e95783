// CFondApplication : la racine de lanceApplication et de la boucle d'un programme, un fond qui
// porte la fenêtre du programme ; Échap ou le départ de sa dernière fenêtre arrête la boucle.
#pragma once

#include "containers/CFenetre.h"

class CFondApplication : public CFenetre
{
  public:
    // Ligne par défaut : ni cadre ni marge, la zone client est l'écran.
    CFondApplication();
    // Porte fenetre : sur l'écran entier, qui la centre ; sinon à la taille de l'affichage
    // qu'elle demande (tailleAffichage), elle en (0,0).
    CFondApplication(CFenetre* fenetre, bool ecranEntier);

    // L'affichage retaillé : hors de l'écran entier, le fond le couvre, la fenêtre reste en (0,0).
    void suitAffichage(int largeur, int hauteur);

    // Les touches vont à la fenêtre de premier plan ; Échap arrête la boucle quand elle ne
    // s'en est pas servie.
    void toucheClavier(int touche) override;
    void toucheSpeciale(int touche) override;

    // Gestionnaire de mise à jour, après celui du conteneur : la dernière fenêtre détruite
    // (demandeFermeture), la boucle s'arrête.
    void finSansEnfant(CObjetGDI* emetteur);

  private:
    bool couvreEcran = false; // mode jeu ou fenêtre plein écran : le fond garde l'écran
};

// Vrai pour une fenêtre posée sur PLEIN_ECRAN (ses limites sont l'écran et ses débords) ; une
// fenêtre plus grande que l'écran, posée en (0,0), n'en est pas une.
bool demandeEcranEntier(const CFenetre& fenetre);

// Le fond de lanceApplication ou de la boucle d'un programme, s'il est la racine, suit
// l'affichage retaillé ; la racine de l'éditeur garde l'écran.
void suitTailleAffichage(int largeur, int hauteur);
