// Dessin d'un objet : les gestionnaires de la boîte à outils regroupent, les autres trouvent
// l'état d'origine d'OpenGL.
#include "containers/DessinObjet.h"

#include "containers/CContainer.h"
#include "render/LotGL.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CImage.h"
#include "widgets/CProgression.h"
#include "widgets/CTexte.h"

namespace
{
// Les gestionnaires de dessin de la boîte à outils : ils ne passent que par les primitives.
bool gestionnairePropre(const Gestionnaire& g)
{
    static const MethodeGestionnaire propres[] = {
        static_cast<MethodeGestionnaire>(&CContainer::dessine),
        static_cast<MethodeGestionnaire>(&CBouton::dessine),
        static_cast<MethodeGestionnaire>(&CCoche::dessine),
        static_cast<MethodeGestionnaire>(&CImage::dessine),
        static_cast<MethodeGestionnaire>(&CProgression::dessine),
        static_cast<MethodeGestionnaire>(&CTexte::dessine),
    };
    for (MethodeGestionnaire m : propres)
        if (g.methode == m)
            return true;
    return false;
}
} // namespace

void declencheDessin(CObjetGDI* objet)
{
    ListeGestionnaires& liste = objet->evenements[EVT_DESSIN];
    // Comme declenche : le suivant n'est lu qu'après le retour de l'appel.
    for (Noeud<Gestionnaire*>* n = liste.tete; n; n = n->suivant) {
        Gestionnaire* g = n->element;
        if (gestionnairePropre(*g)) {
            (g->objet->*(g->methode))(objet);
            continue;
        }
        entreDessinEtranger();
        (g->objet->*(g->methode))(objet);
        sortDessinEtranger();
    }
}
