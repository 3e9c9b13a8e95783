// Tests de l'export : lignes du source généré et écriture du fichier par renommage.
#include "editor/ExportSource.h"
#include "editor/EtatEditeur.h"
#include "widgets/CCoche.h"

#include "DossierTemporaire.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace
{
std::string lit(const std::string& nom)
{
    std::ifstream f(nom, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Les noms du dossier courant : aucun fichier temporaire ne doit traîner.
std::vector<std::string> contenuDossier()
{
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator("."))
        noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}
} // namespace

TEST(ExportSource, LignesParGenre)
{
    struct Cas {
        std::string obtenu;
        const char* attendu;
    } cas[] = {
        {enteteSource(true, MakeRect(-6, 0, 1030, 777)),
         "\nCFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n"
         "\tsetLimites(PLEIN_ECRAN) ;\n"},
        {enteteSource(false, MakeRect(0, 0, 1024, 500)),
         "\nCFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n"
         "\tsetLimites(MakeRect(0,0,1024,500)) ;\n"},
        {ligneTexte(MakeRect(-3, 7, 40, 19), "Zone de texte"),
         "\tajouteObjetGDI(new CTexte(MakeRect(-3,7,40,19), \"Zone de texte\")) ;\n"},
        {ligneBouton(MakeRect(193, 70, 350, 165), true, "<centre>Bouton"),
         "\tajouteObjetGDI(new CBouton(MakeRect(193,70,350,165), \"<centre>Bouton\", "
         "BOUTON_SKIN_ROND_VARIABLE)) ;\n"},
        {ligneBouton(MakeRect(193, 70, 350, 165), false, "<centre>Bouton"),
         "\tajouteObjetGDI(new CBouton(MakeRect(193,70,350,165), BOUTON_SKIN_ROND_VARIABLE)) ;\n"},
        {ligneCoche(MakeCoord(10, 20), false),
         "\tajouteObjetGDI(new CCoche(MakeCoord(10,20), false, COCHE_SKIN_DEFAUT)) ;\n"},
        {ligneCoche(MakeCoord(-20, 10), true),
         "\tajouteObjetGDI(new CCoche(MakeCoord(-20,10), true, COCHE_SKIN_DEFAUT)) ;\n"},
        {ligneImage(MakeRect(5, 6, 261, 262)),
         "\tajouteObjetGDI(new CImage(MakeRect(5,6,261,262), BMP_)) ;\n"},
        {ligneProgression(MakeCoord(93, 170), 100, true, 0, 50, 100),
         "\tajouteObjetGDI(new CProgression(MakeCoord(93,170), 100, true, 0, 50, 100, "
         "PROGRESSION_SKIN_DEFAUT)) ;\n"},
        {ligneProgression(MakeCoord(1, 2), 52, false, 7, 9, 8),
         "\tajouteObjetGDI(new CProgression(MakeCoord(1,2), 52, false, 7, 9, 8, "
         "PROGRESSION_SKIN_DEFAUT)) ;\n"},
        {finSource(), "}\n"},
    };
    pourChaqueCas(cas, [&](const Cas& c) { EXPECT_EQ(c.obtenu, c.attendu); });
}

TEST(ExportSource, TextesEcritsTelsQuelsEtSansLimite)
{
    // Ni échappement, ni lecture comme un format, ni coupure.
    std::string long_(5000, 'a');
    std::string attendu =
        "\tajouteObjetGDI(new CTexte(MakeRect(0,0,1,1), \"%s \\\"" + long_ + "\")) ;\n";
    EXPECT_EQ(ligneTexte(MakeRect(0, 0, 1, 1), ("%s \\\"" + long_).c_str()), attendu);
    EXPECT_EQ(ligneTexte(MakeRect(0, 0, 1, 1), nullptr),
              "\tajouteObjetGDI(new CTexte(MakeRect(0,0,1,1), \"\")) ;\n");
}

TEST(ExportSource, LaCaseSEcritParSonCoinHautGauche)
{
    // 32 x 32 : le coin bas-droit (645,142) se lirait autrement que le coin haut-gauche.
    for (bool cochee : {false, true}) {
        CCoche coche(MakeCoord(613, 110), cochee, COCHE_SKIN_DEFAUT);
        ASSERT_EQ(coche.limites, MakeRect(613, 110, 645, 142));
        EXPECT_EQ(ligneObjet(&coche),
                  std::string("\tajouteObjetGDI(new CCoche(MakeCoord(613,110), ") +
                      (cochee ? "true" : "false") + ", COCHE_SKIN_DEFAUT)) ;\n");
    }
}

TEST(ExportSource, EcritureParRenommage)
{
    DossierTemporaire dossier;
    const std::string contenu = enteteSource(true, PLEIN_ECRAN) + finSource();

    // Fichier neuf, puis remplacement d'un ancien plus long : il ne reste rien de l'ancien.
    EXPECT_TRUE(ecritFichierSource(NOM_FICHIER_SOURCE, "ancien contenu bien plus long\n"));
    EXPECT_TRUE(ecritFichierSource(NOM_FICHIER_SOURCE, contenu));
    EXPECT_EQ(lit(NOM_FICHIER_SOURCE), contenu);
    EXPECT_EQ(contenuDossier(), (std::vector<std::string>{"Data", "Fenetre1.cpp"}));

    // Les droits d'un fichier remplacé sont gardés.
    chmod(NOM_FICHIER_SOURCE, 0640);
    EXPECT_TRUE(ecritFichierSource(NOM_FICHIER_SOURCE, "x"));
    struct stat etat;
    ASSERT_EQ(stat(NOM_FICHIER_SOURCE, &etat), 0);
    EXPECT_EQ(etat.st_mode & 07777, 0640u);

    // Un lien reste un lien : sa cible reçoit le nouveau contenu.
    fs::rename(NOM_FICHIER_SOURCE, "cible.cpp");
    fs::create_symlink("cible.cpp", NOM_FICHIER_SOURCE);
    EXPECT_TRUE(ecritFichierSource(NOM_FICHIER_SOURCE, contenu));
    EXPECT_TRUE(fs::is_symlink(NOM_FICHIER_SOURCE));
    EXPECT_EQ(lit("cible.cpp"), contenu);
    EXPECT_EQ(contenuDossier(), (std::vector<std::string>{"Data", "Fenetre1.cpp", "cible.cpp"}));
}

TEST(ExportSource, EchecsDitsSurLaSortieDErreur)
{
    struct Cas {
        const char* nom;
        bool dossier; // un dossier porte le nom du fichier
        bool protege; // un fichier en lecture seule porte le nom
    } cas[] = {
        {"dossier", true, false},
        {"lecture seule", false, true},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        DossierTemporaire dossier;
        if (c.dossier)
            fs::create_directory(NOM_FICHIER_SOURCE);
        if (c.protege) {
            std::ofstream(NOM_FICHIER_SOURCE) << "garde-moi";
            chmod(NOM_FICHIER_SOURCE, 0444);
        }
        auto avant = contenuDossier();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(ecritFichierSource(NOM_FICHIER_SOURCE, "nouveau"));
        std::string erreur = testing::internal::GetCapturedStderr();
        EXPECT_NE(erreur.find("Fenetre1.cpp n'a pas pu \xC3\xAAtre \xC3\xA9"
                              "crit"),
                  std::string::npos)
            << erreur;
        EXPECT_EQ(contenuDossier(), avant);
        if (c.protege) {
            EXPECT_EQ(lit(NOM_FICHIER_SOURCE), "garde-moi");
        }
    });
}

TEST(EtatEditeur, TexteDAideEnWindows1252)
{
    const std::string aide = TEXTE_AIDE;
    // Les lettres accentuées sont des octets seuls : ê, é, à.
    EXPECT_EQ(aide.size(), 307u);
    EXPECT_EQ(aide.rfind("<center><b>Editeur Wexo version 0.8<p><br>", 0), 0u);
    EXPECT_NE(aide.find("F1 : Aide (cette fen\xEAtre)<br>"), std::string::npos);
    EXPECT_NE(aide.find("de s\xE9lection de l'objetGDI \xE0 ajouter<br>"), std::string::npos);
    const std::string fin = "<br>MOINS : Passe l'objetGDI s\xE9lectionn\xE9 au dernier plan";
    EXPECT_EQ(aide.substr(aide.size() - fin.size()), fin);
    int accents = 0;
    for (unsigned char c : aide)
        accents += c >= 0x80;
    EXPECT_EQ(accents, 9);
    EXPECT_EQ(quitterEditeur, nullptr);
}
