// Une fenêtre dessinée de 1600 x 1000, plus grande que l'écran de la boîte à outils, titrée par
// le programme ; son bouton, posé au-delà de (1024, 768), la ferme.
#include <wexo/Application.h>
#include <wexo/Wexo.h>

int main()
{
    CFenetre* f = new CFenetre(CONTAINER_SKIN_BEIGE);
    f->setLimites(MakeRect(0, 0, 1600, 1000));
    CBouton* fermer =
        new CBouton(MakeRect(1300, 850, 1500, 930), "<centre>Fermer", BOUTON_SKIN_ROND_VARIABLE);
    f->ajouteObjetGDI(fermer);
    ajouteGestionnaire(fermer->evenements[EVT_CLIC_GAUCHE], f, &CObjetGDI::demandeFermeture);
    titreApplication("Grande fenetre");
    return lanceApplication(f);
}
