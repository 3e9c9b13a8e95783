// Conteneur : propriété des enfants et ordre d'empilement.
#include "containers/CContainer.h"

CContainer::CContainer(int indiceSkin) : skin(skinContainer(indiceSkin))
{
}

CContainer::~CContainer()
{
    // Chaque enfant se retire lui-même de la liste dans son destructeur.
    while (enfants.tete) {
        CObjetGDI* enfant = enfants.tete->element;
        if (enfant->parent != this) {
            enfants.retire(enfant);
            continue;
        }
        delete enfant;
    }
    capture = nullptr;
}

void CContainer::ajouteObjetGDI(CObjetGDI* objet)
{
    enfants.insereEnTete(objet);
    objet->parent = this;
}

void CContainer::ajouteObjetGDIDerriere(CObjetGDI* objet)
{
    enfants.ajoute(objet);
    objet->parent = this;
}

void CContainer::retireObjetGDI(CObjetGDI* objet)
{
    enfants.retire(objet);
}

void CContainer::toucheClavier(int /*touche*/)
{
}
void CContainer::toucheSpeciale(int /*touche*/)
{
}
