// CContainer : objet qui possède des enfants, rangés du premier plan vers l'arrière.
#pragma once

#include "render/SkinContainer.h"
#include "widgets/CObjetGDI.h"

class CContainer : public CObjetGDI
{
  public:
    SkinContainer skin;           // copie de la ligne choisie
    CObjetGDI* capture = nullptr; // l'enfant qui tient l'appui en cours
    Liste<CObjetGDI*> enfants;    // tete : premier plan ; queue : arrière-plan
    uint16_t boutonCapture = 0;   // 0 gauche, 1 droit
    bool modal = false;

    // indiceSkin : une ligne de skinsContainer, ou -1 pour la ligne par défaut.
    explicit CContainer(int indiceSkin);
    // Détruit chaque enfant avant la partie de base.
    ~CContainer() override;

    // Ajoute au premier plan et devient le parent de l'objet.
    void ajouteObjetGDI(CObjetGDI* objet);
    // Ajoute à l'arrière-plan, sans rien changer à la capture.
    void ajouteObjetGDIDerriere(CObjetGDI* objet);
    // Retire l'objet de la liste sans le détruire.
    void retireObjetGDI(CObjetGDI* objet);

    virtual void toucheClavier(int touche);
    virtual void toucheSpeciale(int touche);
};
