// CTexte : construction des deux formes de zone de texte et dessin du texte conservé.
#include "widgets/CTexte.h"

#include "render/PorteeDessin.h"
#include "text/Texte.h"

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
}

void CTexte::dessine(CObjetGDI* /*emetteur*/)
{
    const PorteeDessin portee;
    // Texte conservé : un '%' s'y dessine tel quel, jamais lu comme un format.
    afficheTexteLitteral(limites.hautGauche, limites.basDroite, texte);
}
