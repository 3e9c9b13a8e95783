// Cible libFuzzer de la relecture des sources : des octets quelconques lus comme un Fenetre1.cpp
// retouché ; refusés à une place qui existe, ou acceptés et alors réécrits puis relus à
// l'identique, y compris après un passage par des objets vivants.
#include "containers/CFenetre.h"
#include "editor/LecteurSource.h"
#include "render/SkinContainer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
void exige(bool condition, const char* quoi, const std::string& detail)
{
    if (!condition) {
        std::fprintf(stderr, "anomalie : %s\n%s\n", quoi, detail.c_str());
        std::abort();
    }
}

// Lit un source qui doit être accepté et se réécrire tel quel.
MiseEnPage relis(const std::string& source)
{
    MiseEnPage m;
    ErreurLecture e;
    exige(LecteurSource::lis(source, m, e), "le source écrit est refusé",
          e.message + "\n" + source);
    exige(m.source() == source, "le source écrit ne se réécrit pas à l'identique", source);
    return m;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    const std::string texte(reinterpret_cast<const char*>(octets), taille);
    MiseEnPage m;
    ErreurLecture e;
    if (!LecteurSource::lis(texte, m, e)) {
        // La place du refus est dans le fichier, ou juste après sa dernière ligne.
        int lignes = 1;
        for (char c : texte)
            lignes += c == '\n';
        exige(e.ligne >= 1 && e.ligne <= lignes && e.colonne >= 1 &&
                  size_t(e.colonne) <= taille + 1 && !e.message.empty(),
              "place de refus impossible",
              std::to_string(e.ligne) + ":" + std::to_string(e.colonne));
        return 0;
    }
    exige(relis(m.source()) == m, "la relecture change la mise en page", m.source());
    // Bâtie en objets vivants puis reprise : un source qui se relit encore.
    CFenetre fenetre(CONTAINER_SKIN_BEIGE);
    ArgumentsParObjet ecrits;
    m.batis(fenetre, ecrits);
    relis(MiseEnPage::prends(fenetre, &ecrits).source());
    return 0;
}
