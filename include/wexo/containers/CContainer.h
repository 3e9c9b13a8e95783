/// @file
/// CContainer : objet qui possède des enfants, rangés du premier plan vers l'arrière, leur
/// transmet la souris et les dessine dans sa zone client sous un cadre habillé.
#pragma once

#include "../render/SkinContainer.h"
#include "../widgets/CObjetGDI.h"

/// L'objet qui possède d'autres objets : il les détruit avec lui, leur transmet la souris et
/// les dessine, de l'arrière vers le premier plan, dans sa zone client.
class CContainer : public CObjetGDI
{
  public:
    SkinContainer skin;           ///< copie de la ligne choisie
    CObjetGDI* capture = nullptr; ///< l'enfant qui tient l'appui en cours
    Liste<CObjetGDI*> enfants;    ///< tete : premier plan ; queue : arrière-plan
    uint16_t boutonCapture = 0;   ///< bouton du dernier appui traité : 0 gauche, 1 droit
    bool modal = false;           ///< au premier plan, il est seul à recevoir la souris
    uint32_t nombreAjouts = 0;    ///< ajouts faits, d'où vient le numeroAjout du suivant

    /// indiceSkin : une ligne de skinsContainer, ou -1 pour la ligne par défaut.
    explicit CContainer(int indiceSkin);
    /// Détruit chaque enfant, du premier plan vers l'arrière, avant la partie de base.
    ~CContainer() override;

    /// Ajoute au premier plan et devient le parent de l'objet ; une fenêtre est centrée et
    /// la capture oubliée.
    void ajouteObjetGDI(CObjetGDI* objet);
    /// Le même ajout, l'objet nommé : `ajouteObjetGDI(new CBouton(...), "connexion")` ; un nom
    /// nul ou vide laisse l'objet sans nom.
    void ajouteObjetGDI(CObjetGDI* objet, const char* nom);
    /// Ajoute à l'arrière-plan, sans rien changer à la capture.
    void ajouteObjetGDIDerriere(CObjetGDI* objet);
    /// Retire l'objet de la liste sans le détruire ; chaque fenêtre au-dessus oublie le focus
    /// ou le bouton qu'il était ou contenait.
    void retireObjetGDI(CObjetGDI* objet);
    /// Ce que retireObjetGDI dit à chaque conteneur au-dessus : rien ici, une fenêtre oublie.
    virtual void oublie(CObjetGDI* objet);

    /// Retient l'enfant qui tient l'appui ; une fenêtre passe au premier plan. Vrai quand
    /// une fenêtre vient d'être montée devant les autres.
    bool setCapture(CObjetGDI* enfant);
    /// L'enfant sous la souris, ou nul ; le souris des enfants doit être à jour.
    CObjetGDI* objetSousSouris();
    /// La zone client, en coordonnées client : (0,0) jusqu'à la taille moins les marges.
    Rect zoneClient();

    /// L'enfant de genre T de rang rang (0 le premier), comptés dans l'ordre où ils ont été
    /// ajoutés, qui est celui des lignes du fichier de l'éditeur ; nul s'il n'y en a pas.
    /// Exemple : `fenetre->trouve<CBouton>(1)`, le deuxième bouton.
    template <class T> T* trouve(int rang)
    {
        return dynamic_cast<T*>(trouveParRang(rang, &estDuGenre<T>));
    }
    /// Le premier enfant de genre T, dans l'ordre d'ajout, nommé nom par
    /// ajouteObjetGDI(objet, nom) ; s'il n'y en a aucun de ce genre, le premier enfant de genre
    /// T dont le texte (légende d'un bouton, d'une case ou d'un choix, texte d'une zone) se lit
    /// nom une fois les balises ôtées ; nul sinon. Le nom compte avant le texte : un bouton
    /// nommé "Annuler" passe avant un autre dont la légende est "<centre>Annuler", même ajouté
    /// après lui. Un nom d'un autre genre n'arrête pas la recherche par texte.
    /// Exemples : `fenetre->trouve<CBouton>("connexion")`, `fenetre->trouve<CBouton>("Annuler")`.
    template <class T> T* trouve(const char* nom)
    {
        CObjetGDI* objet = trouveParNom(nom, &estDuGenre<T>);
        if (!objet)
            objet = trouveParTexte(nom, &estDuGenre<T>);
        return dynamic_cast<T*>(objet);
    }
    /// Le premier enfant de genre T, dans l'ordre d'ajout, nommé exactement nom (casse
    /// comprise), sans jamais lire les textes ; nul s'il n'y en a pas, et pour un nom nul ou
    /// vide, que portent les objets sans nom. Exemple : `fenetre->trouveNomme<CBouton>("ok")`.
    template <class T> T* trouveNomme(const char* nom)
    {
        return dynamic_cast<T*>(trouveParNom(nom, &estDuGenre<T>));
    }
    /// Ce que trouve<T>(rang) parcourt : genre dit si un enfant est du genre cherché.
    CObjetGDI* trouveParRang(int rang, bool (*genre)(CObjetGDI*));
    /// La recherche par nom de trouve<T>(nom) et trouveNomme<T>(nom) : genre dit si un enfant
    /// est du genre cherché.
    CObjetGDI* trouveParNom(const char* nom, bool (*genre)(CObjetGDI*));
    /// La recherche par texte de trouve<T>(nom), quand aucun enfant du genre n'a ce nom.
    CObjetGDI* trouveParTexte(const char* texte, bool (*genre)(CObjetGDI*));
    /// Vrai quand objet est un T : le filtre que trouve passe aux parcours.
    template <class T> static bool estDuGenre(CObjetGDI* objet)
    {
        return dynamic_cast<T*>(objet) != nullptr;
    }

    /// Touches : rien par défaut ; le conteneur ne les transmet pas à ses enfants.
    ///@{
    virtual void toucheClavier(int touche);
    virtual void toucheSpeciale(int touche);
    ///@}

    /// Gestionnaires inscrits par le constructeur sur les listes du conteneur.
    ///@{
    void appuiGauche(CObjetGDI* emetteur);
    void appuiDroit(CObjetGDI* emetteur);
    void clicGauche(CObjetGDI* emetteur);
    void clicDroit(CObjetGDI* emetteur);
    void relacheGaucheDehors(CObjetGDI* emetteur);
    void relacheDroitDehors(CObjetGDI* emetteur);
    void miseAJour(CObjetGDI* emetteur);
    void dessine(CObjetGDI* emetteur);
    ///@}

  private:
    void appui(uint16_t bouton, TypeEvenement appui);
    void relache(uint16_t bouton, TypeEvenement clic, TypeEvenement dessus, TypeEvenement dehors);
    void relacheDehors(uint16_t bouton, TypeEvenement dehors);
    void dessineHabillage();
};
