// Tests du choix du dossier des images et du message qui nomme une image illisible.
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

TEST_F(DossierImages, LeDossierDataDuTravailLEmporteSurToutAutre)
{
    enum Data { AUCUN, DOSSIER, FICHIER };
    const struct {
        Data data;
        bool installe, aCote, secours;
        bool trouve;
        std::string attendu;
    } cas[] = {
        {DOSSIER, true, true, true, true, "Data"},
        {DOSSIER, false, false, false, true, "Data"},
        // Un fichier nommé Data n'est pas un dossier d'images.
        {FICHIER, true, true, true, true, installe.string()},
        {AUCUN, true, true, true, true, installe.string()},
        {AUCUN, false, true, true, true, aCote.string()},
        {AUCUN, false, false, true, true, secours.string()},
        {AUCUN, false, false, false, false, "Data"},
    };
    for (const auto& c : cas) {
        fs::remove_all("Data");
        fs::remove_all(prefixe);
        fs::remove_all(secours);
        if (c.data == DOSSIER)
            fs::create_directory("Data");
        if (c.data == FICHIER)
            std::ofstream("Data") << "pas un dossier";
        if (c.installe)
            fs::create_directories(installe);
        if (c.aCote)
            fs::create_directories(aCote);
        if (c.secours)
            fs::create_directories(secours);
        fixeDossierImages("ailleurs");
        EXPECT_EQ(choisitDossierImagesPour(executable, secours.c_str()), c.trouve) << c.attendu;
        EXPECT_EQ(dossierImages(), c.attendu);
        EXPECT_EQ(cheminImage("Moi"), c.attendu + "/Moi.tga");
    }
}

TEST_F(DossierImages, LesImagesSontLuesDansLeDossierChoisiMaisUnDataIncompletNeSeCompletePas)
{
    ecritFichier(installe / "Moi.tga", imageUnPixel());
    ASSERT_TRUE(choisitDossierImagesPour(executable, nullptr));
    Texture t{"Moi", nullptr, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(litTGA(t));
    EXPECT_EQ(t.largeur, 1);
    liberePixels(t);

    // Un dossier Data vide dans le dossier de travail : l'image installée n'est plus lue.
    fs::create_directory("Data");
    ASSERT_TRUE(choisitDossierImagesPour(executable, nullptr));
    EXPECT_FALSE(litTGA(t));
    EXPECT_EQ(t.pixels, nullptr);
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
         true,
         false,
         {"Wexo : image absente : Data/Coches.tga\n",
          "dossier des images : Data, dossier de travail " + ici + "\n"}},
        {true, false, true, {"Wexo : image refusée", ": Data/Coches.tga\n"}},
        {false,
         true,
         false,
         {"image absente : " + (installe / "Coches.tga").string() + "\n",
          "installé avec le programme : pas de dossier Data dans le dossier de travail " + ici +
              "\n"}},
        {false,
         false,
         false,
         {"image absente : Data/Coches.tga\n",
          "aucun dossier d'images : ni Data dans le dossier de travail " + ici + ", ni " +
              installe.string() + ", ni " + aCote.string() + ", ni " + secours.string() + "\n"}},
    };
    for (const auto& c : cas) {
        fs::remove_all("Data");
        fs::remove_all(prefixe);
        if (c.dataTravail)
            fs::create_directory("Data");
        if (c.installe)
            fs::create_directories(installe);
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
