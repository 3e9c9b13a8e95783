// LecteurSource : relit un source écrit par l'éditeur, retouches à la main comprises, en mise en
// page ; tout autre texte est refusé avec la ligne, la colonne et ce qui était attendu.
#pragma once

#include "editor/MiseEnPage.h"

#include <map>
#include <string>

// Où et pourquoi la lecture s'est arrêtée ; ligne et colonne comptées de 1, la colonne en octets.
struct ErreurLecture {
    int ligne = 0;
    int colonne = 0;
    std::string message;
};

class LecteurSource
{
  public:
    // Accepte ce qu'écrit l'export et ce qu'on y retouche : espaces et fins de ligne entre les
    // éléments, commentaires // et /* */, textes aux échappements C (\" \\ \n \t \xNN octal...)
    // et littéraux accolés, bouton sans légende, entier ou identifiant de la boîte à outils à la
    // place des habillages et de l'image, classe d'un autre nom, objets nommés, champ aux
    // arguments par défaut. Faux, erreur remplie, pour tout le reste.
    static bool lis(const std::string& texte, MiseEnPage& miseEnPage, ErreurLecture& erreur);

  private:
    enum Genre { FIN, MOT, NOMBRE, CHAINE, SIGNE };
    struct Jeton {
        Genre genre = FIN;
        std::string texte; // le mot, les chiffres, le texte décodé ou le signe ("::" compris)
        int ligne = 1;
        int colonne = 1;
    };

    explicit LecteurSource(const std::string& texte) : source(texte) {}

    bool fichier(MiseEnPage& m);
    bool objet(ObjetPlace& o);
    // Les arguments du champ après son rectangle.
    bool saisie(ObjetPlace& o);
    // Le nom de la classe, deux fois, et le début du constructeur jusqu'à son habillage.
    bool constructeur(MiseEnPage& m);
    // Le second argument de ajouteObjetGDI : un identifiant C, unique dans la fenêtre.
    bool nomObjet(ObjetPlace& o);
    // Jeton suivant dans courant ; faux sur un caractère ou un texte que rien n'accepte.
    bool avance();
    bool chaineLitterale(Jeton& j);
    void passeBlancs();
    char octet(size_t decalage = 0) const;
    void consomme(size_t n);

    bool refuse(const Jeton& j, const std::string& message);
    bool refuseIci(const std::string& message);
    bool signe(const char* s);
    bool mot(const char* s);
    bool entier(int& valeur);
    bool booleen(bool& valeur);
    bool texte(std::string& valeur);
    bool argument(std::string& valeur, const char* quoi);
    bool rectangle(Rect& r);
    bool coin(Coord& c);

    const std::string& source;
    size_t pos = 0;
    int ligne = 1;
    int colonne = 1;
    Jeton courant;
    ErreurLecture erreur;
    std::map<std::string, int> lignesDesNoms; // la ligne où chaque nom est donné
};
