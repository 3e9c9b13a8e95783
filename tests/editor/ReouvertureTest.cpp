// Tests de la réouverture d'un source : rebâti dans son ordre, rien d'écrit sans changement,
// retouches gardées, refus avant toute fenêtre ; aller-retour sur des séances aléatoires.
#include "ArbreEditeur.h"
#include "PiloteEditeur.h"
#include "TableCas.h"

#include "editor/CFenetreMessage.h"
#include "editor/GenerateurSource.h"
#include "editor/LecteurSource.h"
#include "widgets/CProgression.h"
#include "widgets/CTexte.h"

#include <random>

namespace
{
namespace fs = std::filesystem;

const char RETOUCHE[] =
    "// connexion\nCConnexion::CConnexion() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n"
    "  setLimites(MakeRect(0,0,700,500));\n"
    "  ajouteObjetGDI(new CBouton(MakeRect(400,60,495,155), 0));\n"
    "  ajouteObjetGDI(new CSaisie(MakeRect(9,300,99,326), \"\\xE9t\"), \"no\" \"m\");\n"
    "  ajouteObjetGDI(new CCoche(MakeCoord(400,200), true, 0, \"Se souvenir\"));\n"
    "  ajouteObjetGDI(new CRadio(MakeCoord(400,300), \"Petit\", 2), \"petit\");\n"
    "  ajouteObjetGDI(new CTexte(MakeRect(10,10,200,40), \"Nom d'\" \"utilisateur\\xE9\"));\n"
    "  ajouteObjetGDI(new CBouton(MakeRect(20,60,200,155), \"Connexion\", 1));\n"
    "  ajouteObjetGDI(new CCoche(MakeCoord(300,60), true, COCHE_SKIN_DEFAUT)); /* coch\xE9 */\n"
    "  ajouteObjetGDI(new CProgression(MakeCoord(20,200), 300, false, -5, 7, 20, 0));\n}\n";

void ecrit(const std::string& nom, const std::string& texte)
{
    std::ofstream(nom, std::ios::binary) << texte;
}

} // namespace

TEST_F(ArbreEditeur, ReouvertRebatiSansChangementRienDEcritSinonFormeCanoniqueRetouchesGardees)
{
    ecrit("Connexion.cpp", RETOUCHE);
    const auto date = fs::last_write_time("Connexion.cpp");
    rouvre("Connexion.cpp");
    const std::vector<CObjetGDI*> v = enfants();
    ASSERT_EQ(v.size(), 9u);
    EXPECT_NE(dynamic_cast<CFenetreMessage*>(v[0]), nullptr); // l'aide devant
    EXPECT_NE(dynamic_cast<CProgression*>(v[1]), nullptr);    // puis la dernière ligne
    EXPECT_STREQ(static_cast<CTexte*>(v[4])->texte, "Nom d'utilisateur\xE9");
    EXPECT_EQ(decrit(fenetre->limites), "(0,0)-(700,500)");
    fermeAide();
    // Le bouton déplacé, puis le déplacement annulé : la mise en page est celle lue.
    glisse({87, 110}, {120, 140});
    ASSERT_EQ(fenetre->etapesAnnulables(), 1u);
    touche(26);
    clique({323, 106}); // les cases sélectionnées, pas basculées
    clique({423, 246});
    touche(TOUCHE_ECHAP);
    ASSERT_EQ(nombreFins, 1);
    EXPECT_EQ(lit("Connexion.cpp"), RETOUCHE);
    EXPECT_EQ(fs::last_write_time("Connexion.cpp"), date);
    EXPECT_FALSE(fs::exists("Connexion.cpp~") || fs::exists(NOM_FICHIER_SOURCE));

    // La barre élargie par son bord droit : tout est récrit, retouches comprises, l'ancien gardé.
    rouvre("Connexion.cpp");
    fermeAide();
    glisse({325, 248}, {367, 248});
    testing::internal::CaptureStderr();
    touche(TOUCHE_ECHAP);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(lit("Connexion.cpp~"), RETOUCHE);
    EXPECT_EQ(lit("Connexion.cpp"),
              "\nCConnexion::CConnexion() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n"
              "\tsetLimites(MakeRect(0,0,700,500)) ;\n"
              "\tajouteObjetGDI(new CBouton(MakeRect(400,60,495,155), 0)) ;\n"
              "\tajouteObjetGDI(new CSaisie(MakeRect(9,300,99,326), \"\\xE9t\", 255), \"nom\") ;\n"
              "\tajouteObjetGDI(new CCoche(MakeCoord(400,200), true, 0, \"Se souvenir\")) ;\n"
              "\tajouteObjetGDI(new CRadio(MakeCoord(400,300), \"Petit\", 2), \"petit\") ;\n"
              "\tajouteObjetGDI(new CTexte(MakeRect(10,10,200,40), \"Nom d'utilisateur\\xE9\")) ;\n"
              "\tajouteObjetGDI(new CBouton(MakeRect(20,60,200,155), \"Connexion\", 1)) ;\n"
              "\tajouteObjetGDI(new CCoche(MakeCoord(300,60), true, COCHE_SKIN_DEFAUT)) ;\n"
              "\tajouteObjetGDI(new CProgression(MakeCoord(20,200), 340, false, -5, 7, 20, 0)) ;\n"
              "}\n");
}

TEST_F(ArbreEditeur, FichierAbsentCreeEnQuittantMalFormeRefuseSansRienToucher)
{
    rouvre("Nouveau.cpp");
    fermeAide();
    touche(TOUCHE_ECHAP);
    EXPECT_EQ(lit("Nouveau.cpp"), enteteSource(true, PLEIN_ECRAN) + finSource());

    fichierEdite = NOM_FICHIER_SOURCE;
    ecrit("Casse.cpp", "CFenetre1::CFenetre1() : CFenetre(1)\n{\n\tsetLimites(PLEIN_ECRAN)\n}");
    fs::create_directory("Dossier.cpp");
    const struct {
        const char* fichier;
        std::string erreur;
    } cas[] = {
        {"Casse.cpp", "Casse.cpp:4:1: attendu \";\"\n"},
        {"Dossier.cpp", "Dossier.cpp:1:1: illisible : un dossier porte ce nom\n"},
        {"/dev/zero", "/dev/zero:1:1: illisible : ce n'est pas un fichier ordinaire\n"},
        {"Gros.cpp", "Gros.cpp:1:1: illisible : plus de 16 Mio, ce n'est pas un source de "
                     "l'\303\251diteur\n"},
    };
    // Un source allongé d'espaces : 16 Mio se lisent, un octet de plus non.
    const std::string juste = RETOUCHE + std::string((size_t(16) << 20) - sizeof RETOUCHE + 1, ' ');
    ecrit("Juste.cpp", juste);
    ecrit("Gros.cpp", juste + ' ');
    pourChaqueCas(cas, [](const auto& c) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(ouvreFichierEdite(c.fichier));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.erreur);
        EXPECT_EQ(fichierEdite, NOM_FICHIER_SOURCE);
        EXPECT_FALSE(miseEnPageOuverte);
    });
    EXPECT_EQ(lit("Casse.cpp"),
              "CFenetre1::CFenetre1() : CFenetre(1)\n{\n\tsetLimites(PLEIN_ECRAN)\n}");
    EXPECT_FALSE(fs::exists("Casse.cpp~"));
    EXPECT_TRUE(ouvreFichierEdite("Juste.cpp"));

    // Sans argument, un Fenetre1.cpp présent est signalé une fois.
    EXPECT_EQ(signaleSourceExistant(), "");
    ecrit(NOM_FICHIER_SOURCE, "x");
    testing::internal::CaptureStderr();
    const std::string dit = signaleSourceExistant();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), dit);
    EXPECT_NE(dit.find("\"editeur Fenetre1.cpp\" le rouvre ; sans argument, il sera remplac\xC3\xA9"
                       " en quittant s'il diff\xC3\xA8re"),
              std::string::npos)
        << dit;
    // Un dossier de ce nom n'est jamais remplacé : la mise en page ira dans la copie.
    fs::remove(NOM_FICHIER_SOURCE);
    fs::create_directory(NOM_FICHIER_SOURCE);
    testing::internal::CaptureStderr();
    const std::string dossier = signaleSourceExistant();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(dossier, "Fenetre1.cpp existe mais n'est pas un fichier ordinaire : en quittant, la "
                       "mise en page ira dans une copie de secours du dossier temporaire.\n");
}

TEST_F(ArbreEditeur, SeancesAleatoiresSeRelisentEtSeReecriventALIdentique)
{
    std::mt19937 alea(20261209);
    std::vector<uint8_t> octets(8000);
    int ecrites = 0;
    const int seances = 30;
    for (int seance = 0; seance < seances; ++seance) {
        SCOPED_TRACE("séance " + std::to_string(seance));
        ecrit("Seance.cpp", RETOUCHE);
        rouvre("Seance.cpp");
        PiloteEditeur pilote;
        for (uint8_t& o : octets)
            o = uint8_t(alea());
        pilote.joueTout(octets.data(), octets.size());
        ASSERT_EQ(pilote.anomalie(), "");
        const MiseEnPage fin = fenetrePrincipale->miseEnPage();
        testing::internal::CaptureStderr();
        ASSERT_TRUE(pilote.quitteParEchap(int(octets.size())));
        testing::internal::GetCapturedStderr();

        const std::string texte = lit("Seance.cpp");
        MiseEnPage relue;
        ErreurLecture e;
        ASSERT_TRUE(LecteurSource::lis(texte, relue, e))
            << e.ligne << ":" << e.colonne << " " << e.message << "\n"
            << texte;
        // Écrit, il rend la mise en page de la fin ; rien d'écrit, elle n'avait pas changé.
        EXPECT_TRUE(relue == fin || texte == RETOUCHE);
        EXPECT_TRUE(texteSource(relue) == texte || texte == RETOUCHE);
        ecrites += texte != RETOUCHE;
    }
    EXPECT_GT(ecrites, seances / 2);
}
