/// @file
/// CSaisie : champ de saisie d'une ligne, avec curseur, sélection, presse-papiers, annulation,
/// masque de mot de passe et filtre des caractères.
#pragma once

#include "../render/SkinSaisie.h"
#include "CObjetGDI.h"
#include "EditionLigne.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

/// Le champ de saisie d'une ligne. Il possède son texte (Windows-1252), dessiné tel quel, jamais
/// lu comme un balisage. Il prend le focus du clavier tant que ses événements sont en service :
/// desactiveEvenements() le rend inactif (dessiné grisé, ni souris ni focus). Son cadre dit son
/// état : brun au repos, sarcelle sous la souris, sarcelle foncée et double sous le focus, où le
/// curseur clignote 10 s après la dernière touche, le dernier clic ou l'arrivée du focus, puis
/// reste allumé ; le texte plus large que le champ défile pour garder le curseur en vue.
///
/// Touches, le focus tenu : caractères imprimables (32 et plus, sauf 127) à la place de la
/// sélection ; Retour arrière (8) et Suppr (127) ; flèches gauche et droite, Début, Fin, avec
/// Ctrl d'un mot à l'autre et Maj pour étendre la sélection ; Ctrl+A tout sélectionner, Ctrl+C
/// copier, Ctrl+X couper, Ctrl+V coller, Ctrl+Z annuler, Ctrl+Y rétablir (les octets de
/// contrôle 1, 3, 24, 22, 26 et 25 que donne GLUT). Entrée et Tab déclenchent validation et
/// continuent vers la fenêtre (bouton par défaut, focus suivant), comme Échap, haut, bas, les
/// autres touches spéciales et les caractères tapés avec Ctrl sans Alt (raccourcis du programme).
/// Un caractère que le filtre refuse, ou qui passerait longueurMax, est ignoré.
///
/// Exemple :
/// @code
/// CSaisie* nom = new CSaisie(MakeRect(20, 20, 220, 46), "", 32);
/// ajouteGestionnaire(nom->validation, [nom](CObjetGDI*) { std::puts(nom->contenu().c_str()); });
/// fenetre->ajouteObjetGDI(nom);
/// @endcode
class CSaisie : public CObjetGDI
{
  public:
    /// Dit, pour chaque caractère tapé ou collé, s'il est accepté.
    typedef std::function<bool(unsigned char c)> Filtre;
    /// Filtres tout faits pour filtre.
    ///@{
    static bool tousCaracteres(unsigned char c);    ///< tout caractère imprimable
    static bool chiffresSeulement(unsigned char c); ///< '0' à '9'
    ///@}

    SkinSaisie skin; ///< copie de la ligne SAISIE_SKIN_DEFAUT : cadre et couleurs
    /// Chaque caractère est montré par une puce (0x95 de Windows-1252) ; le texte ne se copie ni
    /// ne se coupe, et les sauts de mot vont aux bouts.
    bool motDePasse = false;
    /// Filtre des caractères tapés ou collés ; vide : tous. Un caractère refusé est ignoré.
    Filtre filtre;
    /// Prévenus de chaque changement du texte fait au clavier ou par le presse-papiers (pas par
    /// setContenu) ; l'émetteur est le champ.
    ListeGestionnaires changementTexte;
    /// Prévenus quand la saisie est validée : Entrée, Tab, ou le focus perdu après un changement.
    ListeGestionnaires validation;

    /// limites : rectangle dans la zone client du parent ; texte copié, coupé à longueurMax
    /// octets ; longueurMax : octets au plus (un caractère de plus est refusé).
    CSaisie(Rect limites, const char* texte = "", int longueurMax = 255);
    ~CSaisie() override;

    /// Le texte, en Windows-1252.
    const std::string& contenu() const;
    /// Remplace le texte depuis le code, à tout moment, focus tenu ou non : coupé à longueurMax,
    /// curseur et sélection ramenés dans le nouveau texte, historique d'annulation oublié ;
    /// changementTexte n'est pas déclenchée.
    void setContenu(const char* texte);
    /// Octets au plus.
    int longueurMax() const;
    /// Position du curseur, en octets depuis le début (0 à la longueur du texte).
    int curseur() const;
    /// Début et fin (exclue) de la sélection ; égaux sans sélection.
    ///@{
    int debutSelection() const;
    int finSelection() const;
    ///@}
    /// Sélectionne de ancre à curseur (le curseur se place au second), ramenés dans le texte.
    void selectionne(int ancre, int curseur);
    /// Vrai tant que ses événements sont en service (pas de desactiveEvenements).
    bool actif() const;
    /// Vrai : dessiné comme en service même ses événements coupés, sans focus ni curseur ;
    /// l'aperçu d'un éditeur de fenêtres, où le champ posé ne répond pas mais paraît tel que
    /// le programme le montrera.
    bool apercu = false;

    /// Le focus du clavier (voir CObjetGDI).
    ///@{
    bool accepteFocus() override;
    bool toucheFocus(int touche, int modificateurs) override;
    bool toucheSpecialeFocus(int touche, int modificateurs) override;
    void changeFocus(bool aLeFocus) override;
    ///@}

    /// Gestionnaires inscrits par le constructeur.
    ///@{
    void appuie(CObjetGDI* emetteur);    ///< place le curseur ; double clic : le mot
    void glisse(CObjetGDI* emetteur);    ///< étend la sélection tant que l'appui est tenu
    void survol(CObjetGDI* emetteur);    ///< la souris est sur le champ
    void finSurvol(CObjetGDI* emetteur); ///< au début de chaque mise à jour
    void dessine(CObjetGDI* emetteur);   ///< cadre, sélection, texte, curseur
                                         ///@}

  private:
    // Le cadre de l'état du moment, découpé en neuf.
    void dessineCadre(bool enService);
    // Le texte tel qu'il est montré : lui-même, ou une puce par caractère.
    std::string montre() const;
    // Position du texte la plus proche de l'abscisse x du champ.
    int positionSous(int x);
    // Garde le curseur dans la zone visible ; rend la largeur de cette zone.
    int ajusteDefilement();
    // Après un geste : curseur plein, image demandée ; edite dit si le texte a changé.
    void apresGeste(bool edite);
    bool touchePresse(unsigned char controle);
    bool accepte(unsigned char c) const;

    EditionLigne edition;
    int defilement = 0; // pixels du texte cachés à gauche
    bool survole = false;
    bool modifie = false; // changé depuis la dernière validation
    int32_t debutClignotement = 0;
    int32_t dernierAppui = -100000;
    int positionAppui = -1;
    bool glisseDepuisAppui = false;
};
