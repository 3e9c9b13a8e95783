// Cible libFuzzer de la relecture des sources : des octets quelconques, refusés à une place qui
// existe, ou acceptés et alors réécrits puis relus à l'identique, aussi après les objets vivants.
#include "containers/CFenetre.h"
#include "editor/Document.h"
#include "editor/GenerateurSource.h"
#include "editor/LecteurSource.h"
#include "render/SkinContainer.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
void exige(bool condition, const char* quoi, const std::string& texte)
{
    if (!condition) {
        std::fprintf(stderr, "anomalie : %s\n%s\n", quoi, texte.c_str());
        std::abort();
    }
}

void seRelit(const MiseEnPage& m)
{
    MiseEnPage relue;
    ErreurLecture e;
    const std::string source = texteSource(m);
    exige(LecteurSource::lis(source, relue, e) && relue == m && texteSource(relue) == source,
          "le source écrit ne se relit pas à l'identique", source);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    const std::string texte(reinterpret_cast<const char*>(octets), taille);
    MiseEnPage m;
    ErreurLecture e;
    if (!LecteurSource::lis(texte, m, e)) {
        const long lignes = 1 + std::count(texte.begin(), texte.end(), '\n');
        exige(e.ligne >= 1 && e.ligne <= lignes && e.colonne >= 1 &&
                  size_t(e.colonne) <= taille + 1,
              "place de refus hors du fichier", e.message);
        return 0;
    }
    seRelit(m);
    CFenetre fenetre(CONTAINER_SKIN_BEIGE);
    Document document;
    document.batis(m, fenetre);
    seRelit(document.prends(fenetre));
    return 0;
}
