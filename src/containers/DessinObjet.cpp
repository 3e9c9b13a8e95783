// Dessin d'un objet : les gestionnaires de la boîte à outils regroupent, les autres trouvent
// l'état d'origine d'OpenGL.
#include "containers/DessinObjet.h"

#include "render/LotGL.h"
#include "widgets/CObjetGDI.h"

void declencheDessin(CObjetGDI* objet)
{
    ListeGestionnaires& liste = objet->evenements[EVT_DESSIN];
    // Comme declenche : le suivant n'est lu qu'après le retour de l'appel.
    for (Noeud<Gestionnaire*>* n = liste.tete; n; n = n->suivant) {
        Gestionnaire* g = n->element;
        if (g->drapeaux & GESTIONNAIRE_PROPRE) {
            (g->objet->*(g->methode))(objet);
            continue;
        }
        entreDessinEtranger();
        (g->objet->*(g->methode))(objet);
        sortDessinEtranger();
    }
}
