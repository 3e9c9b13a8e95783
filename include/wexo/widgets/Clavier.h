/// @file
/// Clavier : les modificateurs de la touche en cours de livraison et les codes des touches que
/// le focus du clavier emploie.
#pragma once

/// Les modificateurs d'une touche, aux valeurs de GLUT ; plusieurs s'ajoutent.
enum Modificateur {
    MODIFICATEUR_MAJ = 1,  ///< Maj
    MODIFICATEUR_CTRL = 2, ///< Ctrl
    MODIFICATEUR_ALT = 4   ///< Alt
};

/// Les modificateurs tenus pendant la touche ou le bouton en cours de livraison ; 0 hors d'une
/// livraison.
int modificateursClavier();
/// Le caractère tel que GLUT le livre : avec Ctrl, une lettre a-z ou A-Z devient son octet de
/// commande (Ctrl+A 1 ... Ctrl+Z 26) ; le reste ne change pas.
unsigned char caractereAvecModificateurs(unsigned char touche, int modificateurs);
/// @cond INTERNE
/// Les entrées : posés avant de livrer une touche ou un bouton, remis à 0 après.
void poseModificateursClavier(int modificateurs);
/// @endcond
