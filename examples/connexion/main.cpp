// Connexion : la fenêtre dessinée dans l'éditeur, deux champs ajoutés, Entrée et Échap reliés.
#include <iostream>
#include <wexo/Application.h>
#include <wexo/Fenetre1.h>
int main()
{
    CFenetre1* fenetre = new CFenetre1;
    const char* textes[] = {"<centre><b>Identifiez-vous</b>", "Utilisateur", "Mot de passe",
                            "Se souvenir de moi", ""};
    for (int i = 0; i < 5; ++i)
        fenetre->trouve<CTexte>(i)->setTexte(textes[i]);
    CSaisie* nom = new CSaisie(MakeRect(160, 56, 463, 84), "", 32);
    CSaisie* motDePasse = new CSaisie(MakeRect(160, 96, 463, 124), "", 32);
    motDePasse->motDePasse = true;
    fenetre->ajouteObjetGDI(nom);
    fenetre->ajouteObjetGDI(motDePasse);
    fenetre->donneFocus(nom);
    CBouton* connexion = fenetre->boutonParDefaut = fenetre->trouve<CBouton>(0);
    CBouton* annuler = fenetre->boutonAnnuler = fenetre->trouve<CBouton>(1);
    connexion->setTexte("<centre>Connexion");
    annuler->setTexte("<centre>Annuler");
    ajouteGestionnaire(connexion->evenements[EVT_CLIC_GAUCHE], [=](CObjetGDI*) {
        std::cout << "connexion de " << versUtf8(nom->contenu()) << ", mot de passe de "
                  << motDePasse->contenu().size() << " caract\xC3\xA8res" << std::endl;
        fenetre->trouve<CTexte>(4)->setTexte(
            fenetre->trouve<CCoche>(0)->cochee ? "Connect\xE9, m\xE9moris\xE9" : "Connect\xE9");
    });
    ajouteGestionnaire(annuler->evenements[EVT_CLIC_GAUCHE], fenetre, &CObjetGDI::demandeFermeture);
    return lanceApplication(fenetre);
}
