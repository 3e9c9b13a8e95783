// Programme en un seul fichier : la déclaration de CFenetre1, puis "Fenetre1.cpp" tel que
// l'éditeur l'écrit ; construit par la seule ligne de pkg-config.
#include <wexo/Fenetre1.h>

// Après la déclaration, qu'il ne contient pas.
#include "Fenetre1.cpp"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Le nombre d'objets que le fichier ajoute, compté par le script de test.
    const int attendus = argc == 2 ? std::atoi(argv[1]) : -1;
    CFenetre* fond = new CFenetre(-1);
    CFenetre1* fenetre = new CFenetre1;
    fond->ajouteObjetGDI(fenetre);
    int objets = 0, imagesAutres = 0;
    for (Noeud<CObjetGDI*>* n = fenetre->enfants.tete; n; n = n->suivant) {
        ++objets;
        if (CImage* image = dynamic_cast<CImage*>(n->element))
            imagesAutres += image->texture != TEXTURE_MOI;
    }
    delete fond;
    if (objets != attendus || imagesAutres != 0) {
        std::printf("%d objets sur %d, %d images hors de la texture par défaut\n", objets, attendus,
                    imagesAutres);
        return 1;
    }
    return 0;
}
