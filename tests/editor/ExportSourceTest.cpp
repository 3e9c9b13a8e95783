// Tests de l'export : lignes du source généré, écriture du fichier par renommage, sauvegarde de
// l'ancien fichier et copie de secours.
#include "editor/ExportSource.h"
#include "editor/Document.h"
#include "editor/EtatEditeur.h"
#include "editor/GenerateurSource.h"
#include "widgets/CCoche.h"

#include "DossierTemporaire.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
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
        {ligneNommee(ligneBouton(MakeRect(23, 225, 228, 320), true, "<centre>Connexion"),
                     "connexion"),
         "\tajouteObjetGDI(new CBouton(MakeRect(23,225,228,320), \"<centre>Connexion\", "
         "BOUTON_SKIN_ROND_VARIABLE), \"connexion\") ;\n"},
        {finSource(), "}\n"},
    };
    pourChaqueCas(cas, [&](const Cas& c) { EXPECT_EQ(c.obtenu, c.attendu); });
}

TEST(ExportSource, TextesEchappesEtSansLimite)
{
    // Guillemet et barre échappés pour que le source se compile ; ni format, ni coupure.
    std::string long_(5000, 'a');
    std::string attendu =
        "\tajouteObjetGDI(new CTexte(MakeRect(0,0,1,1), \"%s \\\\\\\"" + long_ + "\")) ;\n";
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
    ResultatExport r;

    // Fichier neuf, puis remplacement d'un ancien plus long : il ne reste rien de l'ancien.
    EXPECT_TRUE(ecritFichierSource(NOM_FICHIER_SOURCE, "ancien contenu bien plus long\n", r));
    EXPECT_TRUE(ecritFichierSource(NOM_FICHIER_SOURCE, contenu, r));
    EXPECT_EQ(lit(NOM_FICHIER_SOURCE), contenu);
    EXPECT_EQ(contenuDossier(),
              (std::vector<std::string>{"Data", "Fenetre1.cpp", "Fenetre1.cpp~"}));

    // Un fichier neuf suit le masque de création : 0666 moins ce qu'il retire.
    fs::remove(NOM_FICHIER_SOURCE);
    const mode_t masque = umask(027);
    EXPECT_TRUE(ecritFichierSource(NOM_FICHIER_SOURCE, "neuf", r));
    umask(masque);
    struct stat neuf;
    ASSERT_EQ(stat(NOM_FICHIER_SOURCE, &neuf), 0);
    EXPECT_EQ(neuf.st_mode & 07777, 0640u);

    // Les droits d'un fichier remplacé sont gardés, par lui comme par sa sauvegarde.
    chmod(NOM_FICHIER_SOURCE, 0640);
    EXPECT_TRUE(ecritFichierSource(NOM_FICHIER_SOURCE, "x", r));
    struct stat etat;
    ASSERT_EQ(stat(NOM_FICHIER_SOURCE, &etat), 0);
    EXPECT_EQ(etat.st_mode & 07777, 0640u);
    ASSERT_EQ(stat("Fenetre1.cpp~", &etat), 0);
    EXPECT_EQ(etat.st_mode & 07777, 0640u);

    // Un lien reste un lien : sa cible reçoit le nouveau contenu.
    fs::rename(NOM_FICHIER_SOURCE, "cible.cpp");
    fs::create_symlink("cible.cpp", NOM_FICHIER_SOURCE);
    EXPECT_TRUE(ecritFichierSource(NOM_FICHIER_SOURCE, contenu, r));
    EXPECT_TRUE(fs::is_symlink(NOM_FICHIER_SOURCE));
    EXPECT_EQ(lit("cible.cpp"), contenu);
    EXPECT_EQ(lit("Fenetre1.cpp~"), "x");
    EXPECT_EQ(contenuDossier(),
              (std::vector<std::string>{"Data", "Fenetre1.cpp", "Fenetre1.cpp~", "cible.cpp"}));
}

namespace
{
// Les copies de secours vont dans secours/, à côté du fichier visé, le temps d'un test.
class DossierDeSecours
{
  public:
    DossierDeSecours(const char* dossierTemporaire = "secours")
    {
        const char* avant = std::getenv("TMPDIR");
        aviaitTmpdir = avant != nullptr;
        if (avant)
            ancien = avant;
        fs::create_directory("secours");
        chemin = fs::absolute("secours").string();
        setenv("TMPDIR", dossierTemporaire, 1);
    }
    ~DossierDeSecours()
    {
        if (aviaitTmpdir)
            setenv("TMPDIR", ancien.c_str(), 1);
        else
            unsetenv("TMPDIR");
    }
    std::vector<std::string> copies() const
    {
        std::vector<std::string> v;
        for (const auto& e : fs::directory_iterator(chemin))
            v.push_back(e.path().string());
        return v;
    }
    std::string chemin;

  private:
    bool aviaitTmpdir = false;
    std::string ancien;
};
} // namespace

TEST(ExportSource, SauvegardeDeLAncienFichierSelonSonContenu)
{
    const std::string nouveau = enteteSource(false, MakeRect(0, 0, 1024, 500)) + finSource();
    const std::string ancien =
        enteteSource(true, PLEIN_ECRAN) + "\tmodifi\xC3\xA9 \xC3\xA0 la main\n}\n";
    const struct {
        const char* nom;
        const char* fichierAvant;    // contenu de Fenetre1.cpp, nul : absent
        const char* sauvegardeAvant; // contenu de Fenetre1.cpp~, nul : absent
        ResultatExport::Etat etat;
        bool sauvegarde;
        const char* sauvegardeApres;
    } cas[] = {
        {"pas d'ancien fichier", nullptr, nullptr, ResultatExport::ECRIT, false, nullptr},
        {"ancien différent", ancien.c_str(), nullptr, ResultatExport::ECRIT, true, ancien.c_str()},
        {"ancien différent, sauvegarde plus ancienne remplacée", ancien.c_str(), "vieux",
         ResultatExport::ECRIT, true, ancien.c_str()},
        {"ancien identique", nouveau.c_str(), "vieux", ResultatExport::INCHANGE, false, "vieux"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire dossier;
        DossierDeSecours secours;
        if (c.fichierAvant)
            std::ofstream(NOM_FICHIER_SOURCE, std::ios::binary) << c.fichierAvant;
        if (c.sauvegardeAvant)
            std::ofstream("Fenetre1.cpp~", std::ios::binary) << c.sauvegardeAvant;
        struct stat avant = {};
        stat(NOM_FICHIER_SOURCE, &avant);

        testing::internal::CaptureStderr();
        const ResultatExport r = exporteTexte(NOM_FICHIER_SOURCE, nouveau);
        const std::string erreur = testing::internal::GetCapturedStderr();
        EXPECT_EQ(r.etat, c.etat);
        EXPECT_EQ(r.sauvegarde, c.sauvegarde);
        EXPECT_EQ(r.fichier, dossier.chemin() + "/Fenetre1.cpp");
        EXPECT_EQ(lit(NOM_FICHIER_SOURCE), nouveau);
        EXPECT_EQ(fs::exists("Fenetre1.cpp~"), c.sauvegardeApres != nullptr);
        if (c.sauvegardeApres) {
            EXPECT_EQ(lit("Fenetre1.cpp~"), c.sauvegardeApres);
        }
        // La sortie d'erreur dit la sauvegarde, et rien d'autre.
        EXPECT_EQ(erreur, c.sauvegarde ? dossier.chemin() +
                                             "/Fenetre1.cpp : l'ancien contenu est "
                                             "gard\xC3\xA9 dans " +
                                             dossier.chemin() + "/Fenetre1.cpp~\n"
                                       : "");
        if (c.etat == ResultatExport::INCHANGE) {
            struct stat apres = {};
            stat(NOM_FICHIER_SOURCE, &apres);
            EXPECT_EQ(apres.st_ino, avant.st_ino) << "le fichier identique n'est pas récrit";
        }
        EXPECT_TRUE(secours.copies().empty());
    }
}

TEST(ExportSource, CopieDeSecoursQuandLeFichierNePeutPasEtreEcrit)
{
    const std::string texte =
        enteteSource(true, PLEIN_ECRAN) + ligneCoche(MakeCoord(10, 20), false) + finSource();
    const struct {
        const char* nom;
        const char* raison; // début attendu de la raison
        void (*prepare)();
    } cas[] = {
        {"dossier du même nom", "un dossier porte ce nom",
         [] { fs::create_directory(NOM_FICHIER_SOURCE); }},
        {"fichier en lecture seule", "fichier en lecture seule",
         [] {
             std::ofstream(NOM_FICHIER_SOURCE) << "garde-moi";
             chmod(NOM_FICHIER_SOURCE, 0444);
         }},
        {"sauvegarde impossible",
         "l'ancien contenu ne peut pas \xC3\xAAtre gard\xC3\xA9 dans "
         "Fenetre1.cpp~ : un dossier porte ce nom",
         [] {
             std::ofstream(NOM_FICHIER_SOURCE) << "garde-moi";
             fs::create_directory("Fenetre1.cpp~");
         }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemporaire dossier;
        DossierDeSecours secours;
        c.prepare();
        const auto avant = contenuDossier();
        testing::internal::CaptureStderr();
        const ResultatExport r = exporteTexte(NOM_FICHIER_SOURCE, texte);
        const std::string erreur = testing::internal::GetCapturedStderr();

        EXPECT_EQ(r.etat, ResultatExport::COPIE);
        EXPECT_TRUE(r.aEchoue());
        EXPECT_EQ(r.raison.rfind(c.raison, 0), 0u) << r.raison;
        // Rien n'a changé dans le dossier de travail : ni demi-fichier, ni temporaire.
        EXPECT_EQ(contenuDossier(), avant);
        if (fs::is_regular_file(NOM_FICHIER_SOURCE)) {
            EXPECT_EQ(lit(NOM_FICHIER_SOURCE), "garde-moi");
        }
        // Une seule copie, au nom unique finissant par .cpp, dans le dossier temporaire.
        const std::vector<std::string> copies = secours.copies();
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_EQ(r.copie, copies[0]);
        const std::string nomCopie = fs::path(r.copie).filename().string();
        EXPECT_EQ(nomCopie.rfind("Fenetre1-", 0), 0u) << nomCopie;
        EXPECT_EQ(fs::path(r.copie).extension(), ".cpp");
        EXPECT_EQ(lit(r.copie), texte);
        // La sortie d'erreur et la boîte disent le fichier manqué, la raison et la copie.
        const std::string fichier = dossier.chemin() + "/Fenetre1.cpp";
        EXPECT_EQ(erreur, fichier +
                              " n'a pas pu \xC3\xAAtre \xC3\xA9"
                              "crit (" +
                              r.raison +
                              ") : la mise en page est copi\xC3\xA9"
                              "e dans " +
                              r.copie + "\n");
        EXPECT_EQ(messageExportManque(r), fichier +
                                              " n'a pas pu \xC3\xAAtre \xC3\xA9"
                                              "crit (" +
                                              r.raison +
                                              ").\n\nLa mise en page est copi\xC3\xA9"
                                              "e dans :\n" +
                                              r.copie);
    }

    // Un dossier temporaire inutilisable, ou vide comme s'il n'était pas donné : la copie va
    // dans /tmp, jamais dans le dossier de travail.
    for (const char* tmpdir : {"/dossier/absent", ""}) {
        SCOPED_TRACE(std::string("TMPDIR=") + tmpdir);
        DossierTemporaire dossier;
        DossierDeSecours secours(tmpdir);
        fs::create_directory(NOM_FICHIER_SOURCE);
        testing::internal::CaptureStderr();
        const ResultatExport r = exporteTexte(NOM_FICHIER_SOURCE, texte);
        testing::internal::GetCapturedStderr();
        ASSERT_EQ(r.etat, ResultatExport::COPIE);
        EXPECT_EQ(fs::path(r.copie).parent_path(), "/tmp");
        EXPECT_EQ(lit(r.copie), texte);
        EXPECT_EQ(contenuDossier(), (std::vector<std::string>{"Data", "Fenetre1.cpp", "secours"}));
        fs::remove(r.copie);
    }
}

namespace
{
// La sortie d'erreur lue par un tube, qu'une limite de taille des fichiers n'atteint pas.
class SortieDErreurParTube
{
  public:
    SortieDErreurParTube()
    {
        if (pipe(tube) != 0)
            throw std::runtime_error("pipe");
        std::fflush(stderr);
        ancienne = dup(2);
        dup2(tube[1], 2);
    }
    std::string termine()
    {
        std::fflush(stderr);
        dup2(ancienne, 2);
        close(ancienne);
        close(tube[1]);
        std::string lu;
        char tampon[4096];
        for (ssize_t n; (n = read(tube[0], tampon, sizeof tampon)) > 0;)
            lu.append(tampon, size_t(n));
        close(tube[0]);
        return lu;
    }

  private:
    int tube[2];
    int ancienne;
};
} // namespace

TEST(ExportSource, SansCopiePossibleLaMiseEnPageVaSurLaSortieDErreur)
{
    // Disque plein pour tous : aucun fichier ne peut dépasser 16 octets.
    DossierTemporaire dossier;
    DossierDeSecours secours;
    const std::string texte = enteteSource(true, PLEIN_ECRAN) + finSource();
    ASSERT_GT(texte.size(), 16u);
    struct rlimit limite, ancienneLimite;
    getrlimit(RLIMIT_FSIZE, &ancienneLimite);
    limite = ancienneLimite;
    limite.rlim_cur = 16;
    void (*ancienSignal)(int) = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limite);
    SortieDErreurParTube tube;
    const ResultatExport r = exporteTexte(NOM_FICHIER_SOURCE, texte);
    const std::string erreur = tube.termine();
    setrlimit(RLIMIT_FSIZE, &ancienneLimite);
    std::signal(SIGXFSZ, ancienSignal);

    EXPECT_EQ(r.etat, ResultatExport::SUR_ERREUR);
    EXPECT_EQ(r.copie, "");
    EXPECT_NE(r.raison, "");
    // Le texte entier, entre l'explication et la marque de fin.
    const std::string fichier = dossier.chemin() + "/Fenetre1.cpp";
    EXPECT_EQ(erreur.rfind(fichier +
                               " n'a pas pu \xC3\xAAtre \xC3\xA9"
                               "crit (" +
                               r.raison + "), ni copi\xC3\xA9 dans le dossier temporaire (",
                           0),
              0u)
        << erreur;
    const std::string fin = " : voici la mise en page.\n" + texte + "(fin de la mise en page)\n";
    ASSERT_GE(erreur.size(), fin.size());
    EXPECT_EQ(erreur.substr(erreur.size() - fin.size()), fin);
    EXPECT_EQ(contenuDossier(), (std::vector<std::string>{"Data", "secours"}));
    EXPECT_TRUE(secours.copies().empty());
    EXPECT_EQ(messageExportManque(r),
              fichier +
                  " n'a pas pu \xC3\xAAtre \xC3\xA9"
                  "crit (" +
                  r.raison +
                  "), ni copi\xC3\xA9 dans le dossier temporaire.\n\nLa mise en page est "
                  "\xC3\xA9"
                  "crite sur la sortie d'erreur.");
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
