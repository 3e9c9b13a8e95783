// CPanneauProprietes : fenêtre modale, ouverte par F2, qui édite l'objet sélectionné ou la
// fenêtre éditée ; OK (Entrée) applique tout en une étape d'annulation, Annuler (Échap) rien.
#pragma once

#include "containers/CFenetre.h"
#include "editor/Historique.h"

#include <string>
#include <vector>

class CFenetrePrincipale;
class CSaisie;
class CCoche;
class CTexte;

// Les champs que le panneau peut montrer ; chaque genre n'en montre qu'une partie, dans son
// propre ordre de Tab (voir champsDuGenre).
enum ChampPanneau {
    CHAMP_TEXTE, // texte, légende ou contenu, balises comprises
    CHAMP_NOM,
    CHAMP_X,
    CHAMP_Y,
    CHAMP_LARGEUR,
    CHAMP_HAUTEUR,
    CHAMP_COCHEE,
    CHAMP_MINIMUM,
    CHAMP_VALEUR,
    CHAMP_MAXIMUM,
    CHAMP_MODIFIABLE,
    CHAMP_LONGUEUR_MAX,
    CHAMP_GROUPE,
    CHAMP_CLASSE,
    NOMBRE_CHAMPS_PANNEAU
};

class CPanneauProprietes : public CFenetre
{
  public:
    // Le panneau de l'objet de rang etape.selection parmi etape.miseEnPage.objets, ou de la
    // fenêtre éditée sans sélection. Les changements passent par editeur à la validation.
    CPanneauProprietes(CFenetrePrincipale& editeur, const Etape& etape);

    // Crée le panneau devant l'éditeur, le place, et donne le focus à son premier champ, texte
    // sélectionné.
    static CPanneauProprietes* ouvre(CFenetrePrincipale& editeur, const Etape& etape);
    // Les champs d'un objet, ou de la fenêtre éditée pour nul, dans l'ordre de Tab.
    static std::vector<ChampPanneau> champsDuGenre(const ObjetPlace* objet);

    // Centré dans ce que l'écran montre de l'éditeur (voir placeDansLaVue).
    void place();
    // Les champs montrés, dans l'ordre de Tab.
    const std::vector<ChampPanneau>& champs() const { return ordre; }
    // Le champ de saisie ou la case d'un champ montré ; nul sinon.
    CSaisie* saisie(ChampPanneau c) const;
    CCoche* coche(ChampPanneau c) const;
    // Le dernier refus (« X : hors de ... »), vide tant que rien n'est refusé.
    const std::string& erreur() const { return messageErreur; }

    // Les champs appliqués à m, la mise en page actuelle ; faux, m intact, avec le message et
    // le champ fautif. Un champ que l'on n'a pas changé garde la valeur de m telle quelle.
    bool lis(MiseEnPage& m, std::string& message, ChampPanneau& fautif) const;

    // Gestionnaires des boutons OK et Annuler.
    void valide(CObjetGDI* emetteur);
    void abandonne(CObjetGDI* emetteur);

  private:
    CFenetrePrincipale& editeur;
    Etape origine;
    std::vector<ChampPanneau> ordre;
    CObjetGDI* objets[NOMBRE_CHAMPS_PANNEAU] = {};
    std::string initial[NOMBRE_CHAMPS_PANNEAU]; // textes à l'ouverture
    const char* libelles[NOMBRE_CHAMPS_PANNEAU] = {};
    std::string messageErreur;
    std::string texteErreur; // balisé : la zone n'en garde que le pointeur
    CTexte* zoneErreur = nullptr;
    bool erreurMontree = false;
    // Montre texteErreur, en faisant sa place au premier refus.
    void montreErreur();

    // Le texte d'un champ montré ; "1" ou "0" pour une case.
    std::string valeurChamp(ChampPanneau c) const;
    bool change(ChampPanneau c) const { return objets[c] && valeurChamp(c) != initial[c]; }
    // La sélection d'avant l'ouverture, qu'un clic dans le panneau a pu ôter.
    void reselectionne();
};
