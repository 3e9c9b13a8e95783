// CFenetrePrincipale : la fenêtre éditée, ses commandes au clavier, l'édition à la souris et
// l'écriture du source à sa destruction.
#pragma once

#include "containers/CFenetre.h"
#include "editor/Document.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Distance à un bord, en pixels, en deçà de laquelle un appui saisit ce bord.
const int TOLERANCE_POIGNEE = 5;
// Largeur et hauteur minimales d'un glissement de création et d'un objet redimensionné.
const int TAILLE_MINIMALE = 11;
// Le contour de la sélection est tracé ce nombre de pixels plus haut et plus à gauche.
const int DECALAGE_CONTOUR = 4;

// Pas d'une flèche, sans et avec Maj, et décalage d'une copie vers la droite et le bas.
const int PAS_FLECHE = 1;
const int PAS_FLECHE_MAJ = 10;
const int DECALAGE_COPIE = 10;

// Textes des objets créés ; les objets gardent ces pointeurs.
extern const char TEXTE_ZONE_CREEE[];
extern const char TEXTE_BOUTON_CREE[];
extern const char TEXTE_CASE_CREEE[];
extern const char TEXTE_CHOIX_CREE[];
// Octets au plus d'un champ créé, ceux du constructeur par défaut.
const int LONGUEUR_CHAMP_CREE = 255;

class CFenetreMessage;
class CSelectionObjetGDI;

class CFenetrePrincipale : public CFenetre
{
  public:
    // Genre du prochain objet créé par un glissement : 0 aucun, 1 à 8 (voir TYPE_*).
    int32_t typeAAjouter = TYPE_SELECTION;

    // Plein écran, beige, jamais déplacée comme une fenêtre ; ouvre l'aide.
    CFenetrePrincipale();
    // Écrit le source, puis détruit ses enfants comme toute fenêtre.
    ~CFenetrePrincipale() override;

    void toucheClavier(int touche) override;
    void toucheSpeciale(int touche) override;

    // Ouvre la fenêtre d'aide, centrée au premier plan.
    void afficheAide();
    // Écrit le fichier source qui rebâtit la fenêtre et ses objets (ou sa copie de secours) ;
    // le résultat reste dans dernierExport. Rien n'est écrit quand la mise en page et le
    // fichier sont tels que lus ou enregistrés ; un fichier disparu ou changé depuis reçoit
    // le texte lu, le changé gardé dans sa sauvegarde.
    void exporteSource();
    // Ctrl+S : écrit maintenant, aux mêmes règles, et la séance continue ; la sortie d'erreur
    // dit où, et un échec s'affiche aussi dans un message.
    void enregistre();

    // Édition à la souris, inscrite après les gestionnaires du conteneur et de la fenêtre.
    void appuiEdition(CObjetGDI* emetteur);
    void relacheEdition(CObjetGDI* emetteur);
    // Relâchement hors de la fenêtre (réduite) : le glissement finit sans rien créer, au lieu
    // de suivre la souris bouton levé jusqu'au prochain clic.
    void relacheDehorsEdition(CObjetGDI* emetteur);
    void miseAJourEdition(CObjetGDI* emetteur);
    void dessineEdition(CObjetGDI* emetteur);

    // Rebâtit une mise en page relue de texte, objets derrière l'aide, recentrée dans la
    // fenêtre à sa nouvelle taille ; retrouver la mise en page et le texte en quittant n'écrit
    // rien. Une fois la fenêtre à sa place : l'ajout à la racine la centrerait.
    void ouvreMiseEnPage(const MiseEnPage& m, const std::string& texte = std::string());
    // La mise en page que tient la fenêtre, arguments écrits des objets relus compris.
    MiseEnPage miseEnPage();
    // Ctrl+Z et Ctrl+Y : sans effet bouton tenu ou sans étape ; la sélection revient avec.
    void annule();
    void retablit();
    size_t etapesAnnulables() const { return document.historique.annulables(); }
    size_t etapesRetablissables() const { return document.historique.retablissables(); }
    // La mise en page éditée, à part de la fenêtre.
    Document document;
    // Ctrl+D : une copie de la sélection, décalée, au premier plan et sélectionnée.
    void duplique();
    // Déplace la sélection, sans qu'elle quitte ce que la souris peut atteindre : l'écran.
    void decale(int dx, int dy);
    // Le panneau des propriétés validé : e devient la mise en page en une étape, sa sélection
    // gardée sur l'objet édité.
    void appliqueProprietes(const Etape& e);

  private:
    // Ajoute un message devant, centré, dans la vue d'une fenêtre sortie de l'écran.
    void ouvreMessage(CFenetreMessage* message);
    Etape etat();
    void restaure(const Etape& etape);
    // L'écriture de m (voir exporteSource) ; rend le texte que tient désormais le fichier.
    std::string exporte(const MiseEnPage& m);
    // Garde avant comme étape si la mise en page a changé depuis ; vrai si elle est gardée.
    bool noteEtape(const Etape& avant);
    // La fin d'un geste (appui puis relâchement) : une étape s'il a changé quelque chose.
    void fermeGeste();
    // Une flèche : toute une suite de flèches ne fait qu'une étape.
    void fleche(int dx, int dy);
    // Une commande du clavier qui change la mise en page, en une étape.
    template <typename F> void commande(F action);

    std::optional<Etape> avantGeste;
    bool suiteFleches = false;

    // Ouvre un menu de genres au premier plan, entier dans la zone client.
    void ouvreMenu(CSelectionObjetGDI* menu);
    // Le menu ou une fenêtre (l'aide) est au premier plan : l'éditeur n'agit pas.
    bool menuOuFenetreDevant();
    // Décalage des coordonnées client dans celles de la fenêtre.
    Coord marges() const;
    // Crée l'objet de typeAAjouter pour le glissement de a à b (coordonnées fenêtre).
    CObjetGDI* creeObjet(Coord a, Coord b);
    // Retire et détruit la sélection sans laisser de pointeur vers elle.
    void supprimeSelection();
    void redimensionneFenetre(Coord m);
    void redimensionneObjet(CObjetGDI* objet, Coord m);
};
