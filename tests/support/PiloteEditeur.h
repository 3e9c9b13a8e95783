// PiloteEditeur : l'arbre réel de l'éditeur mené par les rappels de l'application, chaque suite
// d'octets devenant mouvements, appuis et relâchements des trois boutons, touches et touches
// spéciales (jamais Échap), tours d'inactivité et images.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class PiloteEditeur
{
  public:
    // Prend l'arbre déjà construit (racine) : la fin du processus devient sans effet et Échap
    // passe par quitte().
    PiloteEditeur();
    // Détruit ce qui reste de l'arbre et rend la plateforme par défaut.
    ~PiloteEditeur();
    PiloteEditeur(const PiloteEditeur&) = delete;
    PiloteEditeur& operator=(const PiloteEditeur&) = delete;

    // Joue l'événement décrit au début des octets et rend le nombre d'octets lus, 0 quand il
    // en manque. Après chaque image, vérifie que les piles d'origines, de découpages et de
    // styles sont vides ; la première anomalie est gardée.
    size_t joue(const uint8_t* octets, size_t taille);
    // Joue toute la suite.
    void joueTout(const uint8_t* octets, size_t taille);

    // Échap, suivi d'un tour d'inactivité, jusqu'à la destruction de l'arbre (au plus
    // limite appuis) ; vrai si l'arbre est détruit.
    bool quitteParEchap(int limite);

    // Vide tant que tout va bien.
    const std::string& anomalie() const { return premiereAnomalie; }
    long evenements() const { return nombreEvenements; }
    long images() const { return nombreImages; }

    // Les lignes du source exporté qui ne suivent aucune des formes qu'écrit l'éditeur (en
    // tête, rectangle de la fenêtre, un objet par ligne, fin) ; vide si tout est bien formé.
    static std::vector<std::string> lignesMalFormees(const std::string& source);

  private:
    void signale(const std::string& quoi);
    void verifiePiles(const char* quand);
    // Va au centre de l'icône k du menu s'il est ouvert ; faux sinon.
    bool versIcone(int k);

    int x = 512;
    int y = 384;
    long nombreEvenements = 0;
    long nombreImages = 0;
    std::string premiereAnomalie;
};
