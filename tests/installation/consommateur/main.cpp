// Programme d'essai du paquet installé : <wexo/Wexo.h>, wexo::wexo, et la fenêtre d'un
// "Fenetre1.cpp" intouché ajoutée par wexo_fenetre_generee.
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
    delete fond;

    constexpr std::string_view nom = "paquet installé"; // C++17, que le paquet doit apporter
    if (!possede || !projection || objets != OBJETS_ATTENDUS || images == 0 || !imagesParDefaut) {
        std::printf("%s : %d objets sur %d, %d images, par défaut : %d\n", nom.data(), objets,
                    OBJETS_ATTENDUS, images, imagesParDefaut);
        return 1;
    }
    return 0;
}
