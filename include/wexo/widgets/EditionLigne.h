/// @file
/// EditionLigne : le texte d'une ligne éditable, son curseur, sa sélection et son historique
/// d'annulation, sans dessin ni événement.
#pragma once

#include <string>
#include <vector>

/// Une ligne de texte Windows-1252 bornée à longueurMax octets, avec un curseur et une
/// sélection (de ancre à curseur) toujours dans le texte, et ses étapes d'annulation.
class EditionLigne
{
  public:
    /// Le texte initial, coupé à longueurMax (au moins 0) ; curseur à la fin, sans sélection.
    EditionLigne(const char* texte, int longueurMax);

    /// Le texte.
    const std::string& texte() const { return contenu; }
    /// Octets au plus.
    int longueurMax() const { return maximum; }
    /// Position du curseur, de 0 à la longueur du texte.
    int curseur() const { return position; }
    /// L'autre bout de la sélection ; égal au curseur sans sélection.
    int ancre() const { return bout; }
    /// Début et fin (exclue) de la sélection.
    ///@{
    int debutSelection() const;
    int finSelection() const;
    ///@}
    /// Vrai quand la sélection n'est pas vide.
    bool aSelection() const { return position != bout; }
    /// Le texte sélectionné.
    std::string selection() const;

    /// Remplace le texte (coupé à longueurMax), garde curseur et ancre dans le nouveau texte et
    /// oublie l'historique, qui parlait de l'ancien.
    void remplace(const char* texte);
    /// Place le curseur en p (ramené dans le texte) ; etend garde l'ancre, sinon la sélection
    /// se vide.
    void place(int p, bool etend);
    /// Sélectionne de ancre à curseur, ramenés dans le texte.
    void selectionne(int ancre, int curseur);
    /// Début du mot avant p, fin du mot après p (un mot : lettres, chiffres, '_').
    ///@{
    int motPrecedent(int p) const;
    int motSuivant(int p) const;
    ///@}
    /// Le mot (ou la suite de séparateurs) qui contient p : [debut, fin).
    void motAutour(int p, int& debut, int& fin) const;

    /// Frappe d'un caractère à la place de la sélection ; faux quand la longueur ne le permet
    /// pas. Une suite de frappes sans autre geste entre elles est une seule étape d'annulation.
    bool frappe(unsigned char c);
    /// Colle s à la place de la sélection, coupé à la place restante ; faux quand rien ne change.
    bool colle(const std::string& s);
    /// Efface la sélection, ou le caractère avant (arriere) ou après le curseur ; faux quand rien
    /// n'est effacé.
    bool efface(bool arriere);
    /// Annule ou rétablit une étape ; faux quand il n'y en a pas.
    ///@{
    bool annule();
    bool retablit();
    ///@}
    /// La prochaine frappe ouvre une nouvelle étape (le curseur a bougé, le focus est parti).
    void coupeFrappe() { frappeEnCours = false; }

  private:
    // Ce qu'une étape rend : le texte et la sélection d'avant.
    struct Etape {
        std::string texte;
        int curseur;
        int ancre;
    };
    // Étapes gardées au plus : les plus anciennes s'oublient.
    static const size_t ETAPES_MAX = 100;

    void memorise();
    void remplaceSelection(const std::string& s);
    bool estLettre(int p) const;

    std::string contenu;
    int maximum;
    int position = 0;
    int bout = 0;
    bool frappeEnCours = false;
    std::vector<Etape> annulations;
    std::vector<Etape> retablissements;
};
