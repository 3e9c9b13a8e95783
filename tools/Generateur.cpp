// Générateur des huit images de Data et de la table des caractères attendue par les tests.
#include "Dessins.h"
#include "EcritureTGA.h"

#include <cstdio>
#include <string>

namespace
{

bool ecrit(const std::string& dossier, const char* nom, const CToile& toile)
{
    std::string chemin = dossier + "/" + nom + ".tga";
    if (!ecritFichier(chemin, codeTGA(toile.largeur(), toile.hauteur(), toile.octets()))) {
        std::fprintf(stderr, "impossible d'écrire %s\n", chemin.c_str());
        return false;
    }
    return true;
}

// Une ligne par code : code, colonne, haut de bande, largeur, 1 pour un caractère sans dessin,
// avance de la police TrueType.
bool ecritTable(const std::string& chemin, const std::vector<GlypheGenere>& table)
{
    FILE* f = std::fopen(chemin.c_str(), "w");
    if (!f)
        return false;
    for (const GlypheGenere& g : table)
        std::fprintf(f, "%d %d %d %d %d %d\n", g.code, g.x, g.y, g.largeur, g.vide ? 1 : 0,
                     g.avance);
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage : %s dossierData dossierGenere police.ttf police-grasse.ttf\n",
                     argv[0]);
        return 2;
    }
    std::string data = argv[1], genere = argv[2];
    Polices polices{argv[3], argv[4]};
    for (const std::string& p : {polices.normale, polices.grasse})
        if (!CPoliceFreeType(p, 12).valide()) {
            std::fprintf(stderr, "police illisible : %s\n", p.c_str());
            return 1;
        }
    std::vector<GlypheGenere> table;
    bool ok =
        ecrit(data, "Boutons", dessineBoutons(polices)) &&
        ecrit(data, "ObjetGDIs", dessineObjetGDIs(polices)) &&
        ecrit(data, "Containers", dessineContainers()) &&
        ecrit(data, "Curseurs", dessineCurseurs()) && ecrit(data, "Coches", dessineCoches()) &&
        ecrit(data, "Progressions", dessineProgressions()) && ecrit(data, "Moi", dessineMoi()) &&
        ecrit(data, "Police0", dessinePolice0(polices, table)) &&
        ecritTable(genere + "/Police0.txt", table);
    return ok ? 0 : 1;
}
