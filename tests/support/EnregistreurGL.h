// Enregistreur des appels OpenGL : les tests lient ces définitions à la place d'une vraie
// bibliothèque.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct AppelGL {
    std::string nom;
    std::vector<double> args;

    // Forme lisible, par exemple "glVertex2i(0, 758)".
    std::string texte() const;
};

// Une image envoyée par glTexImage2D, copiée au moment de l'appel.
struct EnvoiTexture {
    uint32_t identifiant; // texture liée au moment de l'envoi
    int composantes;      // format interne (3 ou 4)
    int largeur;
    int hauteur;
    unsigned format; // GL_RGB ou GL_RGBA
    std::vector<uint8_t> octets;
};

namespace enregistreur
{
// Oublie tout ce qui a été enregistré et remet le compteur de noms de textures à 1.
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
} // namespace enregistreur
