// Connexion : la fenêtre dessinée, légendée et nommée dans l'éditeur, reliée par les noms.
#include "CConnexion.h"

#include <iostream>
#include <wexo/Application.h>

int main()
{
    CConnexion* fenetre = new CConnexion;
    CSaisie* nom = fenetre->trouve<CSaisie>("nom");
    CSaisie* motDePasse = fenetre->trouve<CSaisie>("motDePasse");
    CCoche* souvenir = fenetre->trouve<CCoche>("souvenir");
    CTexte* etat = fenetre->trouve<CTexte>("etat");
    CBouton* connexion = fenetre->boutonParDefaut = fenetre->trouve<CBouton>("connexion");
    fenetre->boutonAnnuler = fenetre->trouve<CBouton>("annuler");
    motDePasse->motDePasse = true;
    fenetre->donneFocus(nom);
    ajouteGestionnaire(connexion->evenements[EVT_CLIC_GAUCHE], [=](CObjetGDI*) {
        std::cout << "connexion de " << versUtf8(nom->contenu()) << ", mot de passe de "
                  << motDePasse->contenu().size() << " caract\xC3\xA8res" << std::endl;
        etat->setTexte(souvenir->cochee ? "Connect\xE9, m\xE9moris\xE9" : "Connect\xE9");
    });
    ajouteGestionnaire(fenetre->boutonAnnuler->evenements[EVT_CLIC_GAUCHE], fenetre,
                       &CObjetGDI::demandeFermeture);
    return lanceApplication(fenetre);
}
