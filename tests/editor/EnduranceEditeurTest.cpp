// Endurance : l'éditeur réel, démarré sur les vraies images, mené par au moins cent mille
// événements pseudo-aléatoires à graine fixe au travers de ses rappels, puis quitté par Échap.
#include "application/Plateforme.h"
#include "editor/Editeur.h"
#include "text/StyleTexte.h"

#include "DossierTemporaire.h"
#include "EnregistreurGL.h"
#include "PilesPropres.h"
#include "PiloteEditeur.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace
{
// Le nombre d'événements se réduit par WEXO_EVENEMENTS_ENDURANCE (la vérification sous
// valgrind, bien plus lente, en joue moins).
long nombreEvenements()
{
    const char* v = std::getenv("WEXO_EVENEMENTS_ENDURANCE");
    return v && std::atol(v) > 0 ? std::atol(v) : 100000;
}

std::string lisFichier(const char* nom)
{
    std::ifstream f(nom, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}
} // namespace

TEST(Endurance, EvenementsAleatoiresPuisEchapEcritUnSourceBienForme)
{
    DossierTemporaire dossier;
    for (const auto& image :
         std::filesystem::directory_iterator(std::string(WEXO_DOSSIER_BUILD) + "/Data"))
        std::filesystem::copy_file(image.path(), "Data" / image.path().filename());
    enregistreur::efface();
    videPilesDessin();
    plateformeParDefaut();
    ASSERT_TRUE(demarre());

    const long voulus = nombreEvenements();
    PiloteEditeur pilote;
    std::mt19937 alea(20261208);
    std::vector<uint8_t> octets(4096);
    while (pilote.evenements() < voulus && pilote.anomalie().empty()) {
        for (uint8_t& o : octets)
            o = uint8_t(alea());
        pilote.joueTout(octets.data(), octets.size());
    }
    EXPECT_EQ(pilote.anomalie(), "");
    EXPECT_GE(pilote.evenements(), voulus);
    EXPECT_GT(pilote.images(), voulus / 10);

    // Échap ferme aides et menu ouverts, un par appui, puis quitte en écrivant le source.
    ASSERT_TRUE(pilote.quitteParEchap(int(voulus)));
    const std::string source = lisFichier("Fenetre1.cpp");
    std::string fautives;
    for (const std::string& l : PiloteEditeur::lignesMalFormees(source))
        fautives += l + "\n";
    EXPECT_EQ(fautives, "") << source;
    EXPECT_EQ(profondeurStyle, 0);
    RecordProperty("evenements", std::to_string(pilote.evenements()));
    std::printf("Endurance : %ld événements, %ld images, source de %zu octets\n",
                pilote.evenements(), pilote.images(), source.size());
}
