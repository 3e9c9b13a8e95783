/// @file
/// DorsalGL : le seul code qui change une ListeDessin en appels OpenGL 1.1 : projection, y
/// retourné, texels retournés, état connu d'OpenGL, tableaux de sommets.
#pragma once

#include "ListeDessin.h"
#include "RegroupementLots.h"

#include <cstdint>
#include <vector>

/// Hauteur du repère que documentent les gestionnaires de dessin des programmes : ils tracent
/// le point (x, y) de la boîte à outils en (x, 768 - y), quelle que soit la taille de
/// l'affichage.
const int HAUTEUR_REPERE_PROGRAMMES = 768;

/// Envoie les listes à OpenGL, regroupées en tableaux ou commande par commande (le chemin de
/// référence). Le point (x, y) de la liste devient le sommet (x, hauteur - y) sous une
/// projection de l'affichage entier ; un texel (s, t) compté depuis le haut, (s, 1 - t).
class DorsalGL
{
  public:
    /// L'état qu'elle suppose, posé dans un contexte neuf : projection de l'affichage, mélange
    /// alpha, pointillés, fond noir.
    void prepareEtat();
    /// Un contexte neuf : rien de supposé de la texture liée, du texturage ni du trait.
    void oublieEtat();
    /// Envoie la liste, lot après lot (regroupe) ou commande après commande ; à la fin, le
    /// texturage est coupé. Un gestionnaire laisse ensuite l'état qu'il attend et le repère
    /// (x, 768 - y) jusqu'à finGestionnaire.
    void envoie(const ListeDessin& liste, bool regroupe);
    /// Après le gestionnaire d'un programme : plus rien n'est supposé de l'état d'OpenGL ; le
    /// repère de la boîte à outils revient.
    void finGestionnaire();
    /// Compte une image envoyée (avant l'échange des tampons).
    void finImage() { ++images; }
    /// Nombre d'images envoyées depuis le lancement.
    uint64_t imagesEnvoyees() const { return images; }
    /// Témoin des essais et du banc : chaque commande envoyée y est ajoutée dans l'ordre
    /// d'envoi ; nul (le défaut) pour n'en rien garder.
    void temoin(ListeDessin* liste) { copie = liste; }

  private:
    struct SommetGL {
        float s, t;
        float r, g, b, a;
        float x, y;
    };

    void assureProjection();
    void texturage(bool voulu);
    void lie(uint32_t nom);
    void trait(float epaisseur, uint16_t motif, int facteur);
    void gestionnaire(const CommandeDessin& c);
    void seule(const CommandeDessin& c, const ListeDessin& liste);
    void lot(const LotDessin& l, const ListeDessin& liste);
    void videTableau(bool boucles);
    float yGL(float y) const { return float(hauteurRepere) - y; }

    RegroupementLots regroupement;
    std::vector<SommetGL> tableau;   // un morceau de lot, réemployé
    size_t remplis = 0;              // ses sommets remplis
    std::vector<uint32_t> longueurs; // les boucles du morceau
    ListeDessin* copie = nullptr;
    uint64_t images = 0;

    // Le repère : hauteurRepere est celle de l'affichage, ou 768 dans un gestionnaire.
    int hauteurRepere = 768;
    bool dansGestionnaire = false;
    // prepareEtat pose d'abord la projection de l'affichage de 1024 x 768.
    int largeurPosee = 1024, hauteurPosee = 768, repereLePose = 768;

    // L'état d'OpenGL tel qu'on le sait.
    bool texturageAllume = false, texturageConnu = true;
    uint32_t textureLiee = 0;
    bool liaisonConnue = false;
    float epaisseurPosee = 1;
    uint16_t motifPose = 0xFFFF;
    int facteurPose = 1;
    bool traitConnu = false;
};
