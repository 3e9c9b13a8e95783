// Dossier de travail jetable avec son sous-dossier Data, pour les tests comme pour les cibles de
// fuzzing, et écriture de petits fichiers TGA.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Le contenu d'un fichier, octet pour octet ; vide s'il est absent.
std::string lit(const std::string& nom);

// Crée un dossier temporaire contenant Data/ (en mémoire dans /dev/shm quand c'est possible,
// sinon dans /tmp), s'y place, et revient au dossier d'origine en l'effaçant à la destruction.
class DossierTemporaire
{
  public:
    explicit DossierTemporaire(const std::string& prefixe = "wexo-test");
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    // Écrit Data/<nom>.tga avec ces octets exacts.
    void ecrit(const std::string& nom, const std::vector<uint8_t>& octets) const;
    const std::string& chemin() const { return dossier; }

    // Rend absolus les chemins relatifs d'une ligne de commande de libFuzzer (corpus, artefacts,
    // dictionnaire), pour qu'ils restent valables une fois dans le dossier ; à appeler avant de
    // le créer. Sans préfixe d'artefacts donné, les cas fautifs vont dans le dossier de
    // lancement.
    static void absolutiseArguments(int* argc, char*** argv);

  private:
    std::string dossier;
    std::string origine;
};

// Les 18 octets d'en-tête qu'accepte le lecteur (type 10, origine nulle).
std::vector<uint8_t> enteteTGA(int largeur, int hauteur, int bits);

// Un fichier TGA compressé complet, en paquets bruts d'au plus 128 pixels ;
// pixels en R, G, B[, A], lignes dans l'ordre du fichier (de bas en haut).
std::vector<uint8_t> fichierTGA(int largeur, int hauteur, int bits,
                                const std::vector<uint8_t>& pixels);
