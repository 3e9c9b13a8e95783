// Redessine la fenêtre que construit le code généré et compare ses morceaux dessinés, ligne à
// ligne, à ceux de la fenêtre éditée, une fois la fenêtre ramenée à la place de celle de l'éditeur.
#include <wexo/Fenetre1.h>

#include "EnregistreurGL.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage : essai <morceaux de l'éditeur>, là où se trouve Data/\n", stderr);
        return 2;
    }
    std::ifstream f(argv[1]);
    std::string ligne;
    std::vector<std::string> attendus;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!std::getline(f, ligne) ||
        std::sscanf(ligne.c_str(), "# limites %d %d %d %d", &x1, &y1, &x2, &y2) != 4) {
        std::fprintf(stderr, "%s : pas de limites en tête\n", argv[1]);
        return 1;
    }
    while (std::getline(f, ligne))
        attendus.push_back(ligne);

    if (!chargeTextures() || !chargePolices()) {
        std::fputs("images de Data/ illisibles\n", stderr);
        return 1;
    }
    // Comme l'éditeur : un fond plein écran sans cadre, la fenêtre ajoutée devant, centrée.
    CFenetre* fond = new CFenetre(-1);
    CFenetre1* fenetre = new CFenetre1;
    fond->ajouteObjetGDI(fenetre);
    const Rect l = fenetre->limites;
    if (l.largeur() != x2 - x1 || l.hauteur() != y2 - y1) {
        std::fprintf(stderr, "taille reconstruite %dx%d, éditée %dx%d\n", l.largeur(), l.hauteur(),
                     x2 - x1, y2 - y1);
        return 1;
    }
    const int cx = (fond->zoneClient().largeur() - l.largeur()) / 2;
    const int cy = (fond->zoneClient().hauteur() - l.hauteur()) / 2;
    if (l.hautGauche.x != cx || l.hautGauche.y != cy) {
        std::fprintf(stderr, "fenêtre en (%d,%d), pas centrée en (%d,%d)\n", l.hautGauche.x,
                     l.hautGauche.y, cx, cy);
        return 1;
    }
    // Seule la place de la fenêtre diffère : on la ramène là où l'éditeur avait la sienne.
    fenetre->setLimites(MakeRect(x1, y1, x2, y2));

    enregistreur::efface();
    declenche(fond->evenements[EVT_DESSIN], fond);
    std::vector<std::string> obtenus;
    for (const MorceauDessine& m : enregistreur::morceaux())
        obtenus.push_back(m.texte());
    delete fond;

    for (size_t i = 0; i < attendus.size() || i < obtenus.size(); ++i) {
        const std::string a = i < attendus.size() ? attendus[i] : "(rien)";
        const std::string o = i < obtenus.size() ? obtenus[i] : "(rien)";
        if (a != o) {
            std::fprintf(stderr, "morceau %zu sur %zu : éditeur %s, code généré %s\n", i + 1,
                         attendus.size(), a.c_str(), o.c_str());
            return 1;
        }
    }
    std::printf("%zu morceaux identiques\n", obtenus.size());
    return attendus.empty() ? 1 : 0;
}
