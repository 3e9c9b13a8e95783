// Tests du choix du dossier des images et du message qui nomme une image illisible.
#include "application/ChoixImages.h"
#include "render/DossierImages.h"

#include "render/Texture.h"
#include "text/Police.h"

#include "DossierTemporaire.h"
#include "EnregistreurGL.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace
{
std::vector<uint8_t> imageUnPixel()
{
    std::vector<uint8_t> octets = enteteTGA(1, 1, 24);
    octets.insert(octets.end(), {0x80, 1, 2, 3});
    return octets;
}

void ecritFichier(const fs::path& chemin, const std::vector<uint8_t>& octets)
{
    fs::create_directories(chemin.parent_path());
    std::ofstream f(chemin, std::ios::binary);
    f.write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
}

// Un dossier aux huit images, sauf celle qui manque (nullptr : aucune).
void remplit(const fs::path& dossier, const char* manquante = nullptr)
{
    fs::create_directories(dossier);
    for (const char* nom : NOMS_IMAGES)
        if (!manquante || std::string(nom) != manquante)
            ecritFichier(dossier / (std::string(nom) + ".tga"), imageUnPixel());
}

// Un dossier de travail sans Data, un préfixe d'installation factice et un dossier de secours ;
// le dossier des images est rendu à "Data" après chaque test.
class DossierImages : public ::testing::Test
{
  protected:
    DossierTemporaire dossier;
    fs::path travail = fs::current_path();
    fs::path prefixe = travail / "prefixe";
    std::string executable = (prefixe / "bin" / "programme").string();
    fs::path installe = prefixe / "share" / "wexo" / "Data";
    fs::path aCote = prefixe / "bin" / "Data";
    fs::path secours = travail / "secours";

    void SetUp() override { fs::remove_all("Data"); }
    void TearDown() override { fixeDossierImages("Data"); }
};
} // namespace

TEST_F(DossierImages, LePremierDossierQuiALesHuitImagesLEmporte)
{
    // PARTIEL : le dossier existe sans Police0 (un Data de projet pour d'autres fichiers).
    enum Etat { AUCUN, PARTIEL, COMPLET };
    const struct {
        Etat data, installe, aCote, secours;
        bool impose, trouve;
        std::string attendu;
    } cas[] = {
        {COMPLET, COMPLET, COMPLET, COMPLET, false, true, "Data"},
        {COMPLET, AUCUN, AUCUN, AUCUN, false, true, "Data"},
        {PARTIEL, COMPLET, COMPLET, COMPLET, false, true, installe.string()},
        {AUCUN, PARTIEL, COMPLET, COMPLET, false, true, aCote.string()},
        {PARTIEL, PARTIEL, PARTIEL, COMPLET, false, true, secours.string()},
        // Aucun complet : le premier qui existe, pour nommer l'image qui y manque.
        {AUCUN, AUCUN, PARTIEL, PARTIEL, false, false, aCote.string()},
        {AUCUN, AUCUN, AUCUN, AUCUN, false, false, "Data"},
        // L'éditeur : son Data, même incomplet.
        {PARTIEL, COMPLET, COMPLET, COMPLET, true, true, "Data"},
        {AUCUN, AUCUN, COMPLET, AUCUN, true, true, aCote.string()},
    };
    for (const auto& c : cas) {
        const std::pair<fs::path, Etat> dossiers[] = {
            {"Data", c.data}, {installe, c.installe}, {aCote, c.aCote}, {secours, c.secours}};
        for (const auto& [chemin, etat] : dossiers) {
            fs::remove_all(chemin);
            if (etat != AUCUN)
                remplit(chemin, etat == PARTIEL ? "Police0" : nullptr);
        }
        fixeDossierImages("ailleurs");
        EXPECT_EQ(choisitDossierImagesPour(executable, secours.c_str(), c.impose), c.trouve)
            << c.attendu;
        EXPECT_EQ(dossierImages(), c.attendu);
        EXPECT_EQ(cheminImage("Moi"), c.attendu + "/Moi.tga");
    }
}

TEST_F(DossierImages, LeMessageNommeLeFichierEtLesDossiersCherches)
{
    const std::string ici = fs::current_path().string();
    const struct {
        bool dataTravail, installe;
        bool refusee; // le fichier existe mais n'est pas un TGA accepté
        std::vector<std::string> attendus;
    } cas[] = {
        {true,
         false,
         false,
         {"Wexo : image absente : Data/Coches.tga\n",
          "aucun dossier n'a les huit images : ni Data dans le dossier de travail " + ici +
              ", ni " + installe.string() + ", ni " + aCote.string() + ", ni " + secours.string() +
              "\n"}},
        {true,
         false,
         true,
         {"Wexo : image refusée", ": Data/Coches.tga\n",
          "dossier des images : Data, dossier de travail " + ici + "\n"}},
        {false,
         true,
         true,
         {"image refusée", (installe / "Coches.tga").string() + "\n",
          "installé avec le programme : pas de dossier Data complet dans le dossier de travail " +
              ici + "\n"}},
    };
    for (const auto& c : cas) {
        fs::remove_all("Data");
        fs::remove_all(prefixe);
        // Le dossier a ses huit fichiers quand l'un est refusé ; il lui manque Coches sinon.
        if (c.dataTravail)
            remplit("Data", c.refusee ? nullptr : "Coches");
        if (c.installe)
            remplit(installe);
        choisitDossierImagesPour(executable, secours.c_str());
        if (c.refusee)
            ecritFichier(cheminImage("Coches"), {0, 0, 2});
        ::testing::internal::CaptureStderr();
        signaleImageIllisible("Coches");
        const std::string sortie = ::testing::internal::GetCapturedStderr();
        for (const std::string& a : c.attendus)
            EXPECT_NE(sortie.find(a), std::string::npos) << "« " << a << " » absent de :\n"
                                                         << sortie;
    }
}

TEST_F(DossierImages, LesChargementsNommentLaPremiereImageQuiManque)
{
    fs::create_directory("Data");
    ecritFichier("Data/Boutons.tga", imageUnPixel());
    enregistreur::efface();
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(chargeTextures());
    EXPECT_FALSE(chargePolices());
    const std::string sortie = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(sortie.find("image absente : Data/ObjetGDIs.tga\n"), std::string::npos) << sortie;
    EXPECT_NE(sortie.find("image absente : Data/Police0.tga\n"), std::string::npos) << sortie;
    EXPECT_EQ(sortie.find("Boutons"), std::string::npos) << sortie;
}
