// Tests de Ctrl+S et de l'écriture en quittant quand le fichier a bougé sur le disque, du centrage
// de l'aide après réouverture.
#include "ArbreEditeur.h"
#include "TableCas.h"

#include "editor/CFenetreMessage.h"
#include "editor/GenerateurSource.h"
#include "widgets/CTexte.h"

#include <cstdlib>

namespace
{
namespace fs = std::filesystem;

// Une fenêtre plus petite que l'écran, et des retouches que seule la relecture garde.
const char RETOUCHE[] = "// retouche\nCFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n"
                        "  setLimites(MakeRect(0,0,700,500));\n"
                        "  ajouteObjetGDI(new CTexte(MakeRect(10,10,200,40), \"Nom\"));\n}\n";
} // namespace

TEST_F(ArbreEditeur, CtrlSEcritMaintenantEtLaSeanceContinue)
{
    fermeAide();
    choisit(TYPE_TEXTE);
    glisse({100, 100}, {300, 160});
    const size_t etapes = fenetre->etapesAnnulables();
    testing::internal::CaptureStderr();
    touche(TOUCHE_ENREGISTRE);
    const std::string dit = testing::internal::GetCapturedStderr();
    EXPECT_EQ(dit, "Ctrl+S : la mise en page est \xC3\xA9"
                   "crite dans " +
                       cheminAbsolu(NOM_FICHIER_SOURCE) + "\n");
    EXPECT_EQ(lit(NOM_FICHIER_SOURCE), texteSource(fenetre->miseEnPage()));
    EXPECT_EQ(fenetrePrincipale, fenetre);
    EXPECT_EQ(fenetre->etapesAnnulables(), etapes);

    // Enregistré puis quitté sans rien changer : le fichier n'est plus touché.
    touche(TOUCHE_ECHAP);
    EXPECT_EQ(dernierExport.etat, ResultatExport::INCHANGE);

    // Un fichier qui ne peut pas être écrit : la copie, dite dans un message, et l'éditeur reste.
    fs::create_directory("Dossier.cpp");
    const char* tmp = std::getenv("TMPDIR");
    const std::string ancien = tmp ? tmp : "";
    setenv("TMPDIR", dossier.chemin().c_str(), 1);
    rouvre("Absent.cpp");
    fichierEdite = "Dossier.cpp";
    fermeAide();
    testing::internal::CaptureStderr();
    touche(TOUCHE_ENREGISTRE);
    const std::string echec = testing::internal::GetCapturedStderr();
    tmp ? setenv("TMPDIR", ancien.c_str(), 1) : unsetenv("TMPDIR");
    EXPECT_EQ(dernierExport.etat, ResultatExport::COPIE);
    EXPECT_NE(echec.find("Ctrl+S : la mise en page est dans la copie " + dernierExport.copie),
              std::string::npos)
        << echec;
    CFenetreMessage* message = dynamic_cast<CFenetreMessage*>(enfants().front());
    ASSERT_TRUE(message && message->trouve<CTexte>(0));
    EXPECT_NE(std::string(message->trouve<CTexte>(0)->texte).find(dernierExport.copie),
              std::string::npos);
    EXPECT_EQ(fenetrePrincipale, fenetre);
}

TEST_F(ArbreEditeur, FichierRouvertDisparuOuChangeSurLeDisqueRecoitLeTexteLu)
{
    const struct {
        const char* nom;
        const char* disque; // ce que devient le fichier pendant la séance ; nul : effacé
        ResultatExport::Etat etat;
        const char* sauvegarde; // nul : aucune
    } cas[] = {
        {"intouché", RETOUCHE, ResultatExport::INCHANGE, nullptr},
        {"effacé", nullptr, ResultatExport::ECRIT, nullptr},
        {"changé", "// autre\n", ResultatExport::ECRIT, "// autre\n"},
    };
    pourChaqueCas(cas, [&](const auto& c) {
        fs::remove("R.cpp~");
        std::ofstream("R.cpp", std::ios::binary) << RETOUCHE;
        rouvre("R.cpp");
        // L'aide, ouverte pour le plein écran, est recentrée dans la fenêtre rouverte.
        const Rect client = fenetre->zoneClient();
        const Rect aide = enfants().front()->limites;
        EXPECT_EQ(aide.hautGauche.x, (client.largeur() - aide.largeur()) / 2);
        EXPECT_EQ(aide.hautGauche.y, (client.hauteur() - aide.hauteur()) / 2);
        fermeAide();
        if (c.disque)
            std::ofstream("R.cpp", std::ios::binary) << c.disque;
        else
            fs::remove("R.cpp");
        touche(TOUCHE_ECHAP);
        EXPECT_EQ(dernierExport.etat, c.etat);
        EXPECT_EQ(lit("R.cpp"), RETOUCHE);
        EXPECT_EQ(fs::exists("R.cpp~"), c.sauvegarde != nullptr);
        if (c.sauvegarde) {
            EXPECT_EQ(lit("R.cpp~"), c.sauvegarde);
        }
    });
}
