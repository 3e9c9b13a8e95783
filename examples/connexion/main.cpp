// Connexion : la fenêtre dessinée dans l'éditeur, ses objets atteints et reliés depuis le code.
#include <wexo/Application.h>
#include <wexo/Fenetre1.h>
int main()
{
    CFenetre1* fenetre = new CFenetre1;
    CProgression* barre = fenetre->trouve<CProgression>(0);
    CTexte* message = fenetre->trouve<CTexte>(2);
    CBouton* connexion = fenetre->trouve<CBouton>(0);
    fenetre->trouve<CTexte>(0)->setTexte("<centre><b>Identifiez-vous</b>");
    fenetre->trouve<CTexte>(1)->setTexte("Se souvenir de moi");
    message->setTexte("<couleur='rouge'>Pas encore connect\xE9");
    connexion->setTexte("<centre>Connexion");
    fenetre->trouve<CBouton>(1)->setTexte("<centre>Annuler");
    barre->modifiable = false;
    barre->setValeur(barre->minimum);
    ajouteGestionnaire(connexion->evenements[EVT_CLIC_GAUCHE], [=](CObjetGDI*) {
        barre->setValeur(barre->maximum);
        message->setTexte(fenetre->trouve<CCoche>(0)->cochee ? "Connect\xE9, m\xE9moris\xE9"
                                                             : "Connect\xE9");
    });
    ajouteGestionnaire(fenetre->trouve<CBouton>(1)->evenements[EVT_CLIC_GAUCHE],
                       [](CObjetGDI*) { quitteApplication(); });
    return lanceApplication(fenetre);
}
