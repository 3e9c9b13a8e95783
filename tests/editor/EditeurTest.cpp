// Tests de l'affichage, de l'inactivité, du curseur animé, du démarrage et de la fin, par Échap,
// par signal ou avec un source qui ne peut pas être écrit.
#include "editor/Editeur.h"
#include "application/Curseur.h"
#include "application/Plateforme.h"
#include "containers/CContainer.h"
#include "editor/CFenetreFond.h"
#include "editor/CFenetreMessage.h"
#include "editor/CFenetrePrincipale.h"
#include "editor/Document.h"
#include "editor/EtatEditeur.h"
#include "editor/ExportSource.h"
#include "editor/FinParSignal.h"
#include "editor/GenerateurSource.h"
#include "editor/MessageErreur.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "text/Police.h"
#include "text/StyleTexte.h"
#include "widgets/CCoche.h"

#include "DossierTemporaire.h"
#include "EnregistreurGL.h"
#include "PilesPropres.h"
#include "TableCas.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> journalPlateforme;
int tempsPlateforme = 0;

// Une plateforme qui note chaque service rendu, avec le nombre d'appels GL faits avant.
void notePlateforme(const std::string& quoi)
{
    journalPlateforme.push_back(quoi + "#" + std::to_string(enregistreur::appels().size()));
}
const Plateforme PLATEFORME_TEMOIN = {
    [] { return tempsPlateforme; },
    [] { notePlateforme("affiche"); },
    [] { notePlateforme("echange"); },
    [] { notePlateforme("libere"); },
    [](const char* titre, const char* texte, bool annuler) {
        notePlateforme(std::string("boite ") + titre + "|" + texte +
                       (annuler ? "|OK+Annuler" : "|OK"));
    },
    [](int code) { notePlateforme("termine " + std::to_string(code)); },
    [] { notePlateforme("arrete"); },
    [] {},
    [](const char*) {},
};

// Une racine qui note ses dessins et mises à jour par un appel GL repérable, et sa fin.
class CRacineTemoin : public CContainer
{
  public:
    bool* detruite;
    explicit CRacineTemoin(bool* d) : CContainer(-1), detruite(d)
    {
        setLimites(PLEIN_ECRAN);
        ajouteGestionnaire(evenements[EVT_DESSIN], this, &CRacineTemoin::dessin);
        ajouteGestionnaire(evenements[EVT_MISE_A_JOUR], this, &CRacineTemoin::miseAJour);
    }
    ~CRacineTemoin() override { *detruite = true; }
    void dessin(CObjetGDI*) { glLineWidth(77); }
    void miseAJour(CObjetGDI*)
    {
        notePlateforme("maj");
        // Le curseur est remis au défaut avant la mise à jour, qui peut le changer.
        EXPECT_EQ(curseurCourant.texture, curseurDefaut.texture);
        curseurCourant.texture = 5;
    }
};

// Sauve et rend l'état global que ces tests touchent.
class Application : public ::testing::Test
{
  protected:
    CContainer* ancienneRacine = racine;
    Plateforme anciennePlateforme = plateforme;
    Texture ancienneTexture = textures[TEXTURE_CURSEURS];
    bool detruite = false;

    void SetUp() override
    {
        plateforme = PLATEFORME_TEMOIN;
        journalPlateforme.clear();
        tempsPlateforme = 0;
        enregistreur::efface();
        videPilesDessin();
        // Une texture de curseur de 256 x 64 texels.
        textures[TEXTURE_CURSEURS].largeurTexture = 256;
        textures[TEXTURE_CURSEURS].hauteurTexture = 64;
        textures[TEXTURE_CURSEURS].nomTexture = 9;
        curseurCourant = curseurDefaut;
        tempsEcoule = 0;
        racine = nullptr;
    }
    void TearDown() override
    {
        if (racine && racine != ancienneRacine)
            delete racine;
        racine = ancienneRacine;
        plateforme = anciennePlateforme;
        textures[TEXTURE_CURSEURS] = ancienneTexture;
        curseurCourant = curseurDefaut;
        videPilesDessin();
    }

    // Le dernier quadrilatère dessiné, en appels d'un quad seul, quel que soit le lot où il a
    // été envoyé.
    static std::vector<std::string> dernierQuad()
    {
        fermeLotGL();
        const std::vector<MorceauDessine> m = enregistreur::morceaux();
        for (auto q = m.rbegin(); q != m.rend(); ++q) {
            if (q->mode != GL_QUADS)
                continue;
            std::vector<std::string> r;
            for (const SommetDessine& v : q->sommets) {
                r.push_back(AppelGL{"glTexCoord2f", {v.s, v.t}}.texte());
                r.push_back(AppelGL{"glVertex2i", {v.x, v.y}}.texte());
            }
            return r;
        }
        return {};
    }
    // Le quadrilatère attendu : texels [s1, s2) de la texture 256 x 64 sur l'écran [x1, x2).
    static std::vector<std::string> quad(int x1, int y1, int x2, int y2, int s1, int t1, int s2,
                                         int t2)
    {
        auto tc = [](int s, int t) {
            char b[96];
            std::snprintf(b, sizeof b, "glTexCoord2f(%.9g, %.9g)", double(float(s / 256.0)),
                          double(float(1.0 - t / 64.0)));
            return std::string(b);
        };
        auto v = [](int x, int y) {
            return "glVertex2i(" + std::to_string(x) + ", " + std::to_string(768 - y) + ")";
        };
        return {tc(s1, t1), v(x1, y1), tc(s2, t1), v(x2, y1),
                tc(s2, t2), v(x2, y2), tc(s1, t2), v(x1, y2)};
    }
};
} // namespace

TEST_F(Application, ImageDuCurseurSelonLeTempsEtDecoupeAuBordDeLEcran)
{
    const struct {
        int32_t temps;
        int souris;  // x de la souris, y vaut 100
        int image;   // image attendue
        int visible; // colonnes visibles
    } cas[] = {
        {0, 300, 0, 50},    {199, 300, 0, 50},  {200, 300, 1, 50},
        {799, 300, 3, 50},  {800, 300, 0, 50},  {200, 1000, 1, 24},
        {799, 1000, 3, 24}, {1000, 973, 1, 50}, {1000, 974, 1, 50},
    };
    bool d = false;
    racine = new CRacineTemoin(&d);
    pourChaqueCas(cas, [&](const auto& c) {
        enregistreur::efface();
        tempsEcoule = c.temps;
        racine->souris = MakeCoord(c.souris, 100);
        const int largeur = curseurDefaut.source.largeur();
        const int s1 = c.image * curseurDefaut.pas.x;
        const int visible = std::min(largeur, LARGEUR_ECRAN - c.souris);
        EXPECT_EQ(visible, c.visible);
        dessineCurseur();
        EXPECT_EQ(dernierQuad(),
                  quad(c.souris, 100, c.souris + visible, 150, s1, 0, s1 + visible, 50))
            << "temps " << c.temps << ", x " << c.souris;
        EXPECT_EQ(enregistreur::appelsNommes("glBindTexture").at(0).args.at(1), 9);
    });
}

TEST_F(Application, LeCurseurGardeUneImageValideQuelQueSoitLeTempsEcoule)
{
    // Horloge de la plateforme repassée par les négatifs : l'écart reste de 200 ms.
    tempsDepart = INT32_MAX - 99;
    tempsPlateforme = INT32_MIN + 100;
    inactivite();
    EXPECT_EQ(tempsEcoule, 200);
    EXPECT_EQ(imageDuCurseur(curseurDefaut, tempsEcoule), 1);

    // Plus de 24 jours de fonctionnement : l'écart dépasse le plus grand entier signé.
    for (uint32_t ecoule : {0x7FFFFFFFu, 0x80000000u, 0x80000000u + 200u, 0xFFFFFFFFu}) {
        tempsDepart = 1000;
        tempsPlateforme = int(uint32_t(1000) + ecoule);
        inactivite();
        const int attendue = int((uint64_t(ecoule) / 200) % 4);
        EXPECT_EQ(imageDuCurseur(curseurDefaut, tempsEcoule), attendue) << ecoule;
        enregistreur::efface();
        dessineCurseur();
        const std::vector<std::string> q = dernierQuad();
        EXPECT_EQ(q, quad(0, 0, 50, 50, attendue * 50, 0, attendue * 50 + 50, 50)) << ecoule;
    }

    // Un curseur sans durée ni image ne divise pas par zéro.
    Curseur vide = curseurDefaut;
    vide.dureeImage = 0;
    EXPECT_EQ(imageDuCurseur(vide, 1234), 0);
    vide = curseurDefaut;
    vide.nombreImages = 0;
    EXPECT_EQ(imageDuCurseur(vide, 1234), 0);
}

TEST_F(Application, AffichageEffaceDessineLArbrePuisLeCurseurEtEchange)
{
    racine = new CRacineTemoin(&detruite);
    racine->souris = MakeCoord(400, 300);
    affichage();
    const std::vector<std::string> t = enregistreur::textes();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.front(), "glClear(" + std::to_string(GL_COLOR_BUFFER_BIT) + ")");
    size_t marque = 0, quadCurseur = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == "glLineWidth(77)")
            marque = i;
        if (t[i].rfind("glDrawArrays(7, 0, 4, 400, 468,", 0) == 0)
            quadCurseur = i;
    }
    EXPECT_GT(marque, 0u);
    EXPECT_GT(quadCurseur, marque) << "le curseur est dessiné après l'arbre";
    EXPECT_EQ(journalPlateforme, std::vector<std::string>{"echange#" + std::to_string(t.size())});

    // Une racine invisible ne dessine rien, le curseur reste.
    enregistreur::efface();
    racine->visible = false;
    affichage();
    EXPECT_TRUE(enregistreur::appelsNommes("glLineWidth").empty());
    EXPECT_EQ(dernierQuad(), quad(400, 300, 450, 350, 0, 0, 50, 50));
}

TEST_F(Application, InactiviteHorlogeCurseurMiseAJourPuisDemandeDImage)
{
    racine = new CRacineTemoin(&detruite);
    tempsDepart = 5000;
    tempsPlateforme = 5321;
    curseurCourant.texture = 2;
    inactivite();
    EXPECT_EQ(tempsEcoule, 321);
    EXPECT_EQ(journalPlateforme, (std::vector<std::string>{"maj#0", "affiche#0"}));
    // La mise à jour a pu changer le curseur : son choix est celui qui sera dessiné.
    EXPECT_EQ(curseurCourant.texture, 5);
}

TEST_F(Application, InitialiseOpenGLPuisChargeLesTextures)
{
    EXPECT_TRUE(initialiseOpenGL()); // les tests tournent dans build/, qui contient Data
    const std::vector<std::string> t = enregistreur::textes();
    const std::vector<std::string> attendu = {
        "glMatrixMode(" + std::to_string(GL_PROJECTION) + ")",
        "glLoadIdentity()",
        "gluOrtho2D(0, 1024, 0, 768)",
        "glMatrixMode(" + std::to_string(GL_MODELVIEW) + ")",
        "glLoadIdentity()",
        "glBlendFunc(" + std::to_string(GL_SRC_ALPHA) + ", " +
            std::to_string(GL_ONE_MINUS_SRC_ALPHA) + ")",
        "glEnable(" + std::to_string(GL_BLEND) + ")",
        "glDisable(" + std::to_string(GL_LINE_SMOOTH) + ")",
        "glEnable(" + std::to_string(GL_LINE_STIPPLE) + ")",
        "glClearColor(0, 0, 0, 1)",
    };
    ASSERT_GT(t.size(), attendu.size());
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + long(attendu.size())), attendu);
    EXPECT_EQ(enregistreur::envois().size(), size_t(NOMBRE_TEXTURES));
    EXPECT_TRUE(enregistreur::appelsNommes("glEnable").size() == 2) << "pas de texture activée";
}

TEST_F(Application, DemarrageSelonLesImagesPresentes)
{
    namespace fs = std::filesystem;
    const char* noms[] = {"Boutons", "ObjetGDIs",    "Containers", "Curseurs",
                          "Coches",  "Progressions", "Moi",        "Police0"};
    const struct {
        int images; // nombre d'images copiées, dans l'ordre de noms
        bool reussi;
        bool policeTentee;
    } cas[] = {{0, false, false}, {6, false, false}, {7, false, true}, {8, true, true}};
    pourChaqueCas(cas, [&](const auto& c) {
        DossierTemporaire dossier;
        for (int i = 0; i < c.images; ++i)
            fs::copy_file(std::string(WEXO_DOSSIER_BUILD) + "/Data/" + noms[i] + ".tga",
                          fs::path(dossier.chemin()) / "Data" / (std::string(noms[i]) + ".tga"));
        // Un style de base dérangé : le chargement de la police le remet.
        pileStyles[0].taille = 99;
        tempsPlateforme = 4321;
        tempsEcoule = 55;
        racine = nullptr;
        quitterEditeur = nullptr;
        EXPECT_EQ(demarre(), c.reussi) << c.images;
        EXPECT_EQ(quitterEditeur == &quitte, c.reussi) << c.images;
        EXPECT_EQ(tempsDepart, 4321);
        EXPECT_EQ(tempsEcoule, 0);
        EXPECT_EQ(pileStyles[0].taille != 99, c.policeTentee) << c.images;
        EXPECT_EQ(racine != nullptr, c.reussi) << c.images;
        if (racine) {
            EXPECT_TRUE(racine->limites == PLEIN_ECRAN);
            // La fenêtre de fond tient la fenêtre éditée au premier plan, l'aide ouverte devant.
            EXPECT_NE(dynamic_cast<CFenetreFond*>(racine), nullptr);
            ASSERT_NE(racine->enfants.tete, nullptr);
            EXPECT_EQ(racine->enfants.nombre, 1);
            EXPECT_EQ(racine->enfants.tete->element, fenetrePrincipale);
            ASSERT_NE(fenetrePrincipale, nullptr);
            ASSERT_NE(fenetrePrincipale->enfants.tete, nullptr);
            EXPECT_NE(dynamic_cast<CFenetreMessage*>(fenetrePrincipale->enfants.tete->element),
                      nullptr);
            delete racine;
            racine = nullptr;
        }
        pileStyles[0] = STYLE_DE_BASE;
    });
    quitterEditeur = nullptr;
}

TEST_F(Application, QuitteDetruitLArbrePuisLibereLAffichageEtTermineAvecZero)
{
    racine = new CRacineTemoin(&detruite);
    quitte();
    EXPECT_TRUE(detruite);
    EXPECT_EQ(racine, nullptr);
    EXPECT_EQ(journalPlateforme, (std::vector<std::string>{"libere#0", "termine 0#0"}));
    // Sans arbre, la fin se déroule de même.
    journalPlateforme.clear();
    quitte();
    EXPECT_EQ(journalPlateforme, (std::vector<std::string>{"libere#0", "termine 0#0"}));
}

namespace
{
namespace fs = std::filesystem;

// Le vrai arbre de l'éditeur dans un dossier jetable, une case posée sur la fenêtre éditée ;
// l'aide reste ouverte. Les signaux de fin partent de leur disposition par défaut, les
// variables d'environnement et dispositions d'avant sont rendues à la fin.
class SeanceJetable
{
  public:
    DossierTemporaire dossier;
    std::string attendu; // le source que l'arbre doit écrire

    SeanceJetable()
    {
        fs::copy_file(std::string(WEXO_DOSSIER_BUILD) + "/Data/Police0.tga", "Data/Police0.tga");
        chargePolices();
        for (int i = 0; i < 3; ++i) {
            sigaction(SIGNAUX[i], nullptr, &anciennes[i]);
            std::signal(SIGNAUX[i], SIG_DFL);
        }
        const char* tmp = std::getenv("TMPDIR");
        if (tmp)
            ancienTmpdir = tmp;
        avaitTmpdir = tmp != nullptr;
        fs::create_directory("secours");
        setenv("TMPDIR", (dossier.chemin() + "/secours").c_str(), 1);
        construitArbre();
        fenetrePrincipale->ajouteObjetGDI(new CCoche(MakeCoord(10, 20), true, COCHE_SKIN_DEFAUT));
        attendu = texteSource(*fenetrePrincipale);
        quitterEditeur = &quitte;
        enregistreur::efface();
    }
    ~SeanceJetable()
    {
        retireFinParSignal();
        for (int i = 0; i < 3; ++i)
            sigaction(SIGNAUX[i], &anciennes[i], nullptr);
        if (avaitTmpdir)
            setenv("TMPDIR", ancienTmpdir.c_str(), 1);
        else
            unsetenv("TMPDIR");
        quitterEditeur = nullptr;
        pileStyles[0] = STYLE_DE_BASE;
    }
    std::vector<std::string> copies() const
    {
        std::vector<std::string> v;
        for (const auto& e : fs::directory_iterator(dossier.chemin() + "/secours"))
            v.push_back(e.path().string());
        return v;
    }
    static constexpr int SIGNAUX[3] = {SIGTERM, SIGINT, SIGHUP};

  private:
    struct sigaction anciennes[3];
    bool avaitTmpdir = false;
    std::string ancienTmpdir;
};

void (*dispositionDe(int numero))(int)
{
    struct sigaction action;
    sigaction(numero, nullptr, &action);
    return action.sa_handler;
}
} // namespace

TEST_F(Application, SignalDeFinNotepuisExecuteAuTourDInactiviteCommeEchap)
{
    for (int numero : SeanceJetable::SIGNAUX) {
        SCOPED_TRACE(nomSignal(numero));
        SeanceJetable seance;
        journalPlateforme.clear();
        installeFinParSignal();
        EXPECT_NE(dispositionDe(numero), SIG_DFL);
        raise(numero);
        // Le gestionnaire n'a fait que noter la demande : rien n'est détruit ni écrit.
        ASSERT_NE(racine, nullptr);
        EXPECT_FALSE(fs::exists(NOM_FICHIER_SOURCE));
        EXPECT_TRUE(journalPlateforme.empty());

        testing::internal::CaptureStderr();
        inactivite();
        const std::string erreur = testing::internal::GetCapturedStderr();
        // La fin d'Échap, sans mise à jour ni image : l'arbre détruit sans un appel OpenGL, le
        // source écrit, l'affichage rendu et la fin avec 0.
        EXPECT_EQ(racine, nullptr);
        EXPECT_EQ(fenetrePrincipale, nullptr);
        EXPECT_EQ(lit(NOM_FICHIER_SOURCE), seance.attendu);
        EXPECT_EQ(journalPlateforme, (std::vector<std::string>{"libere#0", "termine 0#0"}));
        EXPECT_EQ(erreur, std::string(nomSignal(numero)) +
                              " : la mise en page est \xC3\xA9"
                              "crite dans " +
                              seance.dossier.chemin() + "/Fenetre1.cpp\n");
        // La fin rend la disposition d'avant, et la demande a été consommée.
        EXPECT_EQ(dispositionDe(numero), SIG_DFL);
        EXPECT_EQ(prendSignalDeFin(), 0);
    }
}

TEST_F(Application, SignalAvecUnSourceImpossibleAEcrireMontreLaBoiteDeLaCopie)
{
    SeanceJetable seance;
    fs::create_directory(NOM_FICHIER_SOURCE);
    installeFinParSignal();
    raise(SIGTERM);
    journalPlateforme.clear();
    testing::internal::CaptureStderr();
    inactivite();
    const std::string erreur = testing::internal::GetCapturedStderr();
    // La fin qui suit la sauvegarde ne refait pas l'export : son résultat reste, la boîte le dit.
    const std::vector<std::string> copies = seance.copies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(lit(copies[0]), seance.attendu);
    ASSERT_EQ(journalPlateforme.size(), 3u);
    EXPECT_EQ(journalPlateforme[1].rfind("boite Erreur !|", 0), 0u) << journalPlateforme[1];
    EXPECT_NE(journalPlateforme[1].find(copies[0]), std::string::npos);
    EXPECT_NE(erreur.find("SIGTERM : la mise en page est dans la copie " + copies[0]),
              std::string::npos)
        << erreur;
}

TEST_F(Application, UnSignalHeriteIgnoreLeReste)
{
    SeanceJetable seance;
    std::signal(SIGINT, SIG_IGN);
    installeFinParSignal();
    EXPECT_EQ(dispositionDe(SIGINT), SIG_IGN);
    raise(SIGINT);
    journalPlateforme.clear();
    inactivite();
    EXPECT_NE(racine, nullptr);
    EXPECT_EQ(journalPlateforme, std::vector<std::string>{"affiche#0"});
    EXPECT_EQ(prendSignalDeFin(), 0);
    // Les autres sont pris ; la fin rend SIGINT ignoré.
    raise(SIGHUP);
    testing::internal::CaptureStderr();
    inactivite();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(racine, nullptr);
    EXPECT_EQ(lit(NOM_FICHIER_SOURCE), seance.attendu);
    EXPECT_EQ(dispositionDe(SIGINT), SIG_IGN);
}

namespace
{
// Ce que voyait la boîte au moment de s'ouvrir.
bool arbreDetruitALaBoite = false;
std::string copieALaBoite;
} // namespace

TEST_F(Application, SourceImpossibleAEcrireCopieBoiteHorsDuModeJeuPuisZero)
{
    SeanceJetable seance;
    // Un dossier du nom du fichier : même root ne peut pas l'écrire.
    fs::create_directory(NOM_FICHIER_SOURCE);
    plateforme.boiteMessage = [](const char* titre, const char* texte, bool annuler) {
        arbreDetruitALaBoite = racine == nullptr && fenetrePrincipale == nullptr;
        copieALaBoite = dernierExport.copie;
        notePlateforme(std::string("boite ") + titre + "|" + texte +
                       (annuler ? "|OK+Annuler" : "|OK"));
    };
    journalPlateforme.clear();
    testing::internal::CaptureStderr();
    quitte();
    const std::string erreur = testing::internal::GetCapturedStderr();

    const std::vector<std::string> copies = seance.copies();
    ASSERT_EQ(copies.size(), 1u);
    const std::string& copie = copies[0];
    EXPECT_EQ(lit(copie), seance.attendu);
    EXPECT_EQ(fs::path(copie).extension(), ".cpp");
    EXPECT_TRUE(fs::is_directory(NOM_FICHIER_SOURCE));
    // La boîte, après la destruction de l'arbre et la sortie du mode jeu, donne le chemin de la
    // copie ; la fin avec 0 vient une fois la boîte répondue.
    const std::string fichier = seance.dossier.chemin() + "/Fenetre1.cpp";
    const std::string message = fichier +
                                " n'a pas pu \xC3\xAAtre \xC3\xA9"
                                "crit (un dossier porte ce nom).\n\nLa mise en page "
                                "est copi\xC3\xA9"
                                "e dans :\n" +
                                copie;
    EXPECT_EQ(journalPlateforme,
              (std::vector<std::string>{"libere#0", "boite Erreur !|" + message + "|OK#0",
                                        "termine 0#0"}));
    EXPECT_TRUE(arbreDetruitALaBoite);
    EXPECT_EQ(copieALaBoite, copie);
    EXPECT_NE(erreur.find("(un dossier porte ce nom) : la mise en page est copi\xC3\xA9"
                          "e dans " +
                          copie + "\n"),
              std::string::npos)
        << erreur;
    // Rien d'autre dans le dossier de travail.
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator("."))
        noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    EXPECT_EQ(noms, (std::vector<std::string>{"Data", "Fenetre1.cpp", "secours"}));
}

TEST_F(Application, BoiteDErreurEnUtf8SurLaSortieDErreurEtALEcran)
{
    const std::string texte = "Impossible d'initialiser OpenGL, ou impossible de charger une "
                              "texture. Je l\xC3\xA2"
                              "che l'affaire...";
    for (bool annuler : {true, false}) {
        journalPlateforme.clear();
        testing::internal::CaptureStderr();
        afficheErreur(annuler);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Erreur !\n" + texte + "\n");
        // Le mode jeu est quitté avant la boîte, qui sinon resterait sans clavier ni souris.
        EXPECT_EQ(journalPlateforme, (std::vector<std::string>{
                                         "libere#0", "boite Erreur !|" + texte +
                                                         (annuler ? "|OK+Annuler#0" : "|OK#0")}));
    }
}

TEST(MessageErreur, Windows1252VersUtf8)
{
    const struct {
        const char* entree;
        const char* sortie;
    } cas[] = {
        {"abc ~", "abc ~"},
        {"l\xE2"
         "che",
         "l\xC3\xA2"
         "che"},
        {"\x80\x9F", "\xE2\x82\xAC\xC5\xB8"},
        {"\x81\x8D\x8F\x90\x9D", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xA0\xE9\xFF", "\xC2\xA0\xC3\xA9\xC3\xBF"},
        {"\x85\x99", "\xE2\x80\xA6\xE2\x84\xA2"},
    };
    pourChaqueCas(cas, [&](const auto& c) {
        EXPECT_EQ(windows1252VersUtf8(c.entree), c.sortie) << c.entree;
    });
}
