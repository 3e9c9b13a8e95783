// Programme d'essai du paquet installé : <wexo/Wexo.h>, wexo::wexo, et deux fenêtres de
// l'éditeur ajoutées par wexo_fenetre_generee, CFenetre1 et CConnexion.
#include "CConnexion.h"
#include <wexo/Fenetre1.h>
#include <wexo/Wexo.h>

#include <GL/glu.h>

#include <cstdio>
#include <string_view>

int main()
{
    // Un conteneur et un enfant : lier le dessin du conteneur tire les appels OpenGL.
    CContainer* boite = new CContainer(-1);
    CObjetGDI* enfant = new CObjetGDI;
    enfant->setLimites(MakeRect(10, 20, 30, 45));
    boite->ajouteObjetGDI(enfant);
    const bool possede = boite->enfants.tete && boite->enfants.tete->element == enfant &&
                         enfant->parent == boite && enfant->limites.largeur() == 20;
    delete boite;

    // GLU doit être lié aussi : prendre l'adresse d'une fonction suffit, sans contexte.
    void (*volatile projection)(GLdouble, GLdouble, GLdouble, GLdouble) = &gluOrtho2D;

    // La fenêtre générée : tous ses objets, et ses images sur la texture par défaut, "Moi".
    CFenetre* fond = new CFenetre(-1);
    CFenetre1* fenetre = new CFenetre1;
    fond->ajouteObjetGDI(fenetre);
    int images = 0;
    bool imagesParDefaut = true;
    for (Noeud<CObjetGDI*>* n = fenetre->enfants.tete; n; n = n->suivant) {
        if (CImage* image = dynamic_cast<CImage*>(n->element)) {
            ++images;
            imagesParDefaut = imagesParDefaut && image->texture == TEXTURE_MOI;
        }
    }
    const int objets = fenetre->enfants.nombre;

    // La deuxième fenêtre du programme : son bouton trouvé par son nom, pas par sa légende.
    CConnexion* connexion = new CConnexion;
    fond->ajouteObjetGDI(connexion);
    CBouton* bouton = connexion->trouve<CBouton>("connexion");
    const bool nomme = bouton && bouton->nom == "connexion" &&
                       bouton != connexion->trouve<CBouton>("Annuler") &&
                       connexion->trouveNomme<CBouton>("Annuler") == nullptr;
    delete fond;

    constexpr std::string_view nom = "paquet installé"; // C++17, que le paquet doit apporter
    if (!possede || !projection || objets != OBJETS_ATTENDUS || images == 0 || !imagesParDefaut ||
        !nomme) {
        std::printf("%s : %d objets sur %d, %d images, par défaut : %d, bouton nommé : %d\n",
                    nom.data(), objets, OBJETS_ATTENDUS, images, imagesParDefaut, nomme);
        return 1;
    }
    return 0;
}
