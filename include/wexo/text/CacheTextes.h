/// @file
/// CacheTextes : les appels de dessin d'un texte déjà disposé, redonnés tels quels quand tout ce
/// dont sa mise en page dépend est identique.
#pragma once

#include "../render/Coord.h"
#include "../render/Couleur.h"
#include "../render/ListeDessin.h"
#include "Police.h"
#include "StyleTexte.h"

#include <cstddef>
#include <cstdint>
#include <vector>

/// Un appel d'un texte à la liste de dessin : un glyphe (copie) ou un trait de décoration.
struct AppelTexte {
    /// Copie : ses bords comme ListeDessin::copie ; trait : ses deux sommets (x1, y1), (x2, y2).
    ///@{
    float x1, y1, x2, y2;
    ///@}
    QuadDessin quad;  ///< texels et pente d'une copie
    uint32_t texture; ///< texture d'une copie
    Couleur couleur;  ///< couleur du glyphe ou du trait
    bool trait;       ///< vrai pour un trait d'un pixel, plein
    /// Ajoute l'appel à la liste courante.
    void envoie() const;
};

/// Ce dont dépend la mise en page d'un texte, hors pile des styles et polices.
struct CleTexte {
    const char* texte;    ///< ses octets, jusqu'au zéro
    std::size_t longueur; ///< leur nombre
    Coord hautGauche;     ///< rectangle du texte, origine comprise
    Coord basDroite;      ///< rectangle du texte, origine comprise
    Rect decoupage;       ///< le découpage courant
};

/// Les textes disposés : pour chacun, sa clé, l'entrée de la pile des styles jusqu'à la plus
/// grande profondeur qu'il a atteinte (rien au-delà n'est lu ni écrit), l'état de la pile qu'il
/// laisse et ses appels. La mémoire est réservée une fois ; pleine, tout est oublié.
class CacheTextes
{
  public:
    /// Réserve toute la mémoire du cache.
    CacheTextes();
    /// Le cache des textes de la boîte à outils.
    static CacheTextes& commun();

    /// Redonne les appels et l'état final des styles d'un texte connu et renvoie vrai ; sinon
    /// prépare son enregistrement (note, puis termine) et renvoie faux.
    bool rejoue(const CleTexte& cle);
    /// Garde un appel du texte en cours d'enregistrement.
    void note(const AppelTexte& appel);
    /// Le texte enregistré est fini : haute est la plus grande profondeur de styles atteinte.
    void termine(int haute);
    /// Oublie tous les textes : le suivant est disposé à neuf.
    void oublie();

  private:
    struct Entree {
        uint64_t empreinte = 0;
        uint64_t usage = 0; // le dernier service, au compte des recherches
        bool valide = false;
        CleTexte cle{}; // texte : dans octets
        std::size_t texte = 0;
        int profondeur = 0; // de la pile à l'entrée
        int horsPile = 0;
        int haute = 0;
        std::size_t styles = 0; // dans pile : haute + 1 entrées, puis haute + 1 entrées laissées
        std::size_t premier = 0, nombre = 0; // dans appels
    };

    void reserve();
    bool policesInchangees(const CleTexte& cle) const;
    static uint64_t empreinteDe(const CleTexte& cle);
    bool egale(const Entree& e, const CleTexte& cle, uint64_t empreinte) const;

    std::vector<Entree> entrees; // par groupes de VOIES
    uint64_t usages = 0;
    std::vector<char> octets;
    std::vector<StyleTexte> pile;
    std::vector<AppelTexte> appels;
    Police policesConnues[NOMBRE_POLICES] = {}; // celles des entrées gardées

    // L'enregistrement en cours.
    bool enregistre = false;
    bool debordement = false;
    Entree nouvelle;
    StyleTexte entree[TAILLE_PILE_STYLES] = {};
};
