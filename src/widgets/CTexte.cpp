// CTexte : construction des deux formes de zone de texte et dessin du texte conservé.
#include "widgets/CTexte.h"

#include "render/PorteeDessin.h"
#include "text/Texte.h"
#include "widgets/DemandeImage.h"

CTexte::CTexte(Rect limites, const char* texte) : texte(texte)
{
    this->limites = limites;
    ajouteGestionnairePropre(evenements[EVT_DESSIN], this, &CTexte::dessine);
}

CTexte::CTexte(Coord position, const char* texte) : texte(texte)
{
    limites = mesureTexte(position, texte);
    ajouteGestionnairePropre(evenements[EVT_DESSIN], this, &CTexte::dessine);
}

void CTexte::setTexte(const char* nouveau)
{
    texte = nouveau;
    // Même pointeur, le texte a pu changer dedans : l'image est demandée tout de même.
    demandeImage();
}

void CTexte::dessine(CObjetGDI* /*emetteur*/)
{
    const PorteeDessin portee;
    // Texte conservé : un '%' s'y dessine tel quel, jamais lu comme un format.
    afficheTexteLitteral(limites.hautGauche, limites.basDroite, texte);
}
