// Enregistreur des appels OpenGL : les tests lient ces définitions à la place d'une vraie
// bibliothèque.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class ListeDessin;

struct AppelGL {
    std::string nom;
    std::vector<double> args;

    // Forme lisible, par exemple "glVertex2i(0, 758)".
    std::string texte() const;
};

// Une image envoyée par glTexImage2D, copiée au moment de l'appel.
struct EnvoiTexture {
    uint32_t nomTexture; // texture liée au moment de l'envoi
    int composantes;      // format interne (3 ou 4)
    int largeur;
    int hauteur;
    unsigned format; // GL_RGB ou GL_RGBA
    std::vector<uint8_t> octets;
};

// Un morceau dessiné, rebâti du journal quel que soit le regroupement des appels : l'état
// qu'il a trouvé (texture, couleur, trait) et ses sommets absolus, translation du repère
// comprise, dans le repère d'OpenGL (y vers le haut).
struct SommetDessine {
    double x, y;
    double s, t; // coordonnées de texture courantes
};
struct MorceauDessine {
    unsigned mode;    // GL_QUADS (un quad, glRecti compris), GL_LINE_LOOP, 0 : un gestionnaire
    uint32_t texture; // 0 quand le texturage est coupé
    double couleur[4];
    double largeur; // trait : épaisseur, facteur et motif du pointillé
    int facteur;
    int motif;
    std::vector<SommetDessine> sommets;

    // Forme lisible, par exemple "quad tex 9 rgba(1, 1, 1, 1) (0,758 : 0,1) ...".
    std::string texte() const;
    bool operator==(const MorceauDessine& m) const;
};

// Les messages d'échec des comparaisons de morceaux les montrent lisibles.
inline std::ostream& operator<<(std::ostream& o, const MorceauDessine& m)
{
    return o << m.texte();
}

// Vrai quand deux suites de morceaux tracent la même image : les mêmes morceaux, et deux
// morceaux qui se recouvrent dans le même ordre ; ceux qui ne se recouvrent pas peuvent
// s'échanger. Sinon faux, et la raison dans ecart.
bool memeImage(const std::vector<MorceauDessine>& obtenus,
               const std::vector<MorceauDessine>& attendus, std::string& ecart);

namespace enregistreur
{
// Oublie tout ce qui a été enregistré et remet le compteur de noms de textures à 1. Un journal
// vierge est un contexte neuf : la boîte à outils oublie aussi l'état qu'elle croyait posé.
void efface();
// Muet, il ne garde plus rien (appels ni envois) et ne coûte presque plus rien : pour les
// longues séances qui ne relisent pas le journal. Les noms de textures restent distribués.
void rendMuet(bool muet);
const std::vector<AppelGL>& appels();
// Les appels d'un seul nom, dans l'ordre.
std::vector<AppelGL> appelsNommes(const std::string& nom);
// Tous les appels sous forme lisible, un par ligne, pour les messages d'échec.
std::string journal();
// Tous les appels sous forme lisible.
std::vector<std::string> textes();
const std::vector<EnvoiTexture>& envois();
// Les morceaux dessinés, lus dans la liste de dessin : chaque commande que le dorsal a envoyée
// depuis efface(), dans l'ordre d'envoi. Ce que la boîte à outils garde encore n'y est pas :
// fermeLotGL() l'envoie.
std::vector<MorceauDessine> morceaux();
// Ces commandes elles-mêmes.
const ListeDessin& listeEnvoyee();
// Pour les essais du dorsal seul : les morceaux rebâtis des appels OpenGL enregistrés, dans
// l'ordre où OpenGL les trace, y compris les quads complets d'un glBegin encore ouvert, et ceux
// des tableaux de glDrawArrays (copiés à l'appel).
std::vector<MorceauDessine> morceauxGL();
// Sous forme lisible, un par ligne, pour les messages d'échec.
std::string journalMorceaux();
} // namespace enregistreur
