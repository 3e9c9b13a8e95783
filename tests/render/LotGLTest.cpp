// Tests des lots : en lots ou chaque primitive seule, les mêmes morceaux dans le même ordre, un
// flux OpenGL permis (rien d'interdit entre glBegin et glEnd), l'état que chaque dessin demande.
#include "render/LotGL.h"

#include "application/Curseur.h"
#include "application/Plateforme.h"
#include "containers/CContainer.h"
#include "containers/DessinObjet.h"
#include "editor/Editeur.h"
#include "render/PilesDessin.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "text/Police.h"
#include "text/StyleTexte.h"
#include "text/Texte.h"
#include "widgets/CImage.h"
#include "widgets/CTexte.h"

#include "EnregistreurGL.h"
#include "PilesPropres.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
const uint32_t NOM_A = 11, NOM_B = 12, NOM_POLICE = 7;

struct Primitive {
    const char* nom;
    std::function<void()> dessine;
};

// Une de chaque sorte, qui se chevauchent toutes ; le texte mêle glyphes et soulignement.
const Primitive PRIMITIVES[] = {
    {"copie A",
     [] {
         dessineImage(0, {10, 10}, {0, 0}, {20, 20});
     }},
    {"copie B",
     [] {
         dessineImageEtiree(1, {5, 5}, {40, 30}, {10, 20}, {30, 40});
     }},
    {"texte",
     [] {
         afficheTexte({12, 8}, {200, 60}, "ab<u>c</u>");
     }},
    {"texte 24",
     [] {
         afficheTexte({12, 8}, {200, 60}, "<taille='24'>ab c");
     }},
    {"ligne",
     [] {
         dessineLigne({0, 0}, {30, 30}, Couleur{1, 2, 3, 4}, 2, 0xFFFF, 1);
     }},
    {"cadre",
     [] {
         dessineCadre({4, 4}, {24, 24}, Couleur{5, 6, 7, 8}, 1, 0xF0F0, 2);
     }},
    {"rectangle",
     [] {
         remplitRectangle({8, 8}, {28, 28}, Couleur{9, 10, 11, 12});
     }},
    {"point",
     [] {
         dessinePoint({15, 15}, Couleur{13, 14, 15, 16}, 4);
     }},
};

Rect glypheEssai(int c)
{
    int x = ((c - 33) % 16) * 16;
    int y = ((c - 33) / 16) * 18;
    return MakeRect(x, y, x + 6, y + 17);
}

size_t nombre(const std::string& nom)
{
    return enregistreur::appelsNommes(nom).size();
}

// Vide quand le journal est un flux OpenGL permis et refermé : entre glBegin et glEnd seulement
// sommets, coordonnées de texture et couleurs ; à la fin, aucun lot ouvert ni texturage allumé.
std::string fauteDeFlux()
{
    bool ouvert = false, texturage = false;
    for (const AppelGL& a : enregistreur::appels()) {
        const bool permis = a.nom == "glVertex2i" || a.nom == "glTexCoord2f" ||
                            a.nom == "glColor4f" || a.nom == "glColor4ubv" || a.nom == "glEnd";
        if (ouvert && !permis)
            return a.texte() + " entre glBegin et glEnd";
        if (!ouvert && a.nom == "glEnd")
            return "glEnd sans glBegin";
        if (a.nom == "glBegin")
            ouvert = true;
        if (a.nom == "glEnd")
            ouvert = false;
        if ((a.nom == "glEnable" || a.nom == "glDisable") && a.args[0] == GL_TEXTURE_2D)
            texturage = a.nom == "glEnable";
    }
    if (ouvert)
        return "lot resté ouvert";
    return texturage ? "texturage resté allumé" : "";
}

// Un objet de programme qui dessine lui-même par OpenGL, à la façon documentée, après une
// primitive de la boîte à outils ; il note le flux à son entrée et après la primitive.
class CDessinUtilisateur : public CObjetGDI
{
  public:
    std::string fauteALEntree = "pas appelé", fauteApresPrimitive = "pas appelé";
    size_t morceauxALEntree = 0;
    // Par méthode ou par fonction inscrite : les deux sont étrangers à la boîte à outils.
    explicit CDessinUtilisateur(bool parFonction = false)
    {
        limites = MakeRect(0, 0, 40, 40);
        if (parFonction)
            ajouteGestionnaire(evenements[EVT_DESSIN], [this](CObjetGDI* o) { dessine(o); });
        else
            ajouteGestionnaire(evenements[EVT_DESSIN], this, &CDessinUtilisateur::dessine);
    }
    void dessine(CObjetGDI*)
    {
        fauteALEntree = fauteDeFlux();
        morceauxALEntree = enregistreur::morceaux().size();
        dessineImage(1, {30, 30}, {0, 0}, {8, 8});
        fauteApresPrimitive = fauteDeFlux();
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 99);
        glBegin(GL_QUADS);
        for (int i = 0; i < 4; ++i) {
            glTexCoord2f(float(i & 1), float(i >> 1));
            glVertex2i(20 + 10 * (i & 1), 700 + 10 * (i >> 1));
        }
        glEnd();
        glDisable(GL_TEXTURE_2D);
        glColor4ub(0, 255, 0, 255);
        glBegin(GL_LINE_LOOP);
        glVertex2i(0, 700);
        glVertex2i(50, 740);
        glEnd();
    }
};

class Lots : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        textures[0] = Texture{"a", nullptr, 32, 50, 50, 64, 64, NOM_A};
        textures[1] = Texture{"b", nullptr, 32, 200, 100, 256, 128, NOM_B};
        remetStyleDeBase();
        polices[0] = Police{};
        polices[0].nomTexture = NOM_POLICE;
        for (int c = 33; c <= 144; ++c)
            polices[0].glyphes[c] = glypheEssai(c);
        enregistreur::efface();
    }
    void TearDown() override
    {
        regroupementGL(true);
        videPilesDessin();
        textures[0] = textures[1] = Texture{};
        polices[0] = Police{};
        remetStyleDeBase();
    }

    // Les morceaux d'un dessin sur le chemin de référence, puis en lots (lot fermé à la fin).
    template <class F> std::vector<MorceauDessine> reference(F dessin)
    {
        regroupementGL(false);
        enregistreur::efface();
        dessin();
        regroupementGL(true);
        return enregistreur::morceaux();
    }
    template <class F> std::vector<MorceauDessine> enLots(F dessin)
    {
        enregistreur::efface();
        dessin();
        fermeLotGL();
        return enregistreur::morceaux();
    }
};
} // namespace

TEST_F(Lots, DeuxPrimitivesLUneApresLAutreGardentChacuneLEtatQuElleDemande)
{
    for (const Primitive& a : PRIMITIVES)
        for (const Primitive& b : PRIMITIVES) {
            SCOPED_TRACE(std::string(a.nom) + " puis " + b.nom);
            auto deux = [&] {
                a.dessine();
                b.dessine();
            };
            const std::vector<MorceauDessine> attendu = reference(deux);
            ASSERT_GE(attendu.size(), 2u);
            const std::vector<MorceauDessine> obtenu = enLots(deux);
            std::string ecart;
            EXPECT_TRUE(memeImage(obtenu, attendu, ecart)) << ecart << "\nen lots :\n"
                                                           << enregistreur::journalMorceaux();
            EXPECT_EQ(fauteDeFlux(), "") << enregistreur::journal();
        }
}

TEST_F(Lots, TableauxParTextureReordonnesSansEchangerDeuxDessinsQuiSeRecouvrent)
{
    // A, B, A côte à côte : les deux A en un seul tableau, une liaison par texture.
    enLots([] {
        dessineImage(0, {0, 0}, {0, 0}, {10, 10});
        dessineImage(1, {100, 0}, {0, 0}, {10, 10});
        dessineImage(0, {200, 0}, {0, 0}, {10, 10});
    });
    EXPECT_EQ(nombre("glDrawArrays"), 2u);
    EXPECT_EQ(nombre("glBindTexture"), 2u);
    EXPECT_EQ(nombre("glEnable"), 1u);
    EXPECT_EQ(nombre("glBegin"), 0u);
    EXPECT_EQ(enregistreur::morceaux()[1].texture, NOM_A) << enregistreur::journalMorceaux();

    // Le rectangle recouvre A et B, le dernier B le recouvre : rien ne passe devant lui.
    const auto recouvrants = [] {
        dessineImage(0, {0, 0}, {0, 0}, {10, 10});
        dessineImage(1, {0, 0}, {0, 0}, {10, 10});
        remplitRectangle({0, 0}, {5, 5}, Couleur{1, 1, 1, 1});
        dessineImage(1, {0, 0}, {0, 0}, {10, 10});
    };
    const std::vector<MorceauDessine> attendu = reference(recouvrants);
    EXPECT_EQ(enLots(recouvrants), attendu);
    EXPECT_EQ(nombre("glDrawArrays"), 4u);
    EXPECT_EQ(nombre("glEnable"), 2u);
    EXPECT_EQ(nombre("glDisable"), 2u);
    EXPECT_EQ(fauteDeFlux(), "");
}

TEST_F(Lots, ChangerDeCheminEnvoieCeQuiAttendEtGardeLaBonneLiaison)
{
    // Une copie de A attend ; la référence lie B ; revenu aux lots, A doit être reliée.
    enregistreur::efface();
    dessineImage(0, {0, 0}, {0, 0}, {10, 10});
    regroupementGL(false);
    dessineImage(1, {20, 0}, {0, 0}, {10, 10});
    regroupementGL(true);
    dessineImage(0, {40, 0}, {0, 0}, {10, 10});
    fermeLotGL();
    const std::vector<MorceauDessine> m = enregistreur::morceaux();
    ASSERT_EQ(m.size(), 3u) << enregistreur::journal();
    EXPECT_EQ(m[0].texture, NOM_A);
    EXPECT_EQ(m[1].texture, NOM_B);
    EXPECT_EQ(m[2].texture, NOM_A) << enregistreur::journal();
    EXPECT_EQ(m[2].sommets[0].x, 40);
}

TEST_F(Lots, GlyphesEntiersSansTranslationTaillesFractionnairesTranslatees)
{
    // Taille 16 : les glyphes d'une ligne en un tableau, sommets absolus, ni translation ni
    // retour à l'identité.
    const std::vector<MorceauDessine> seize = enLots([] {
        afficheTexte({10, 20}, {300, 100}, "<b>ab</b> c<br>de");
    });
    EXPECT_EQ(nombre("glTranslated") + nombre("glTranslatef"), 0u);
    EXPECT_EQ(nombre("glLoadIdentity"), 0u);
    EXPECT_EQ(nombre("glDrawArrays"), 1u);
    EXPECT_EQ(seize, reference([] { afficheTexte({10, 20}, {300, 100}, "<b>ab</b> c<br>de"); }));

    // Taille 13 : 6 × 13 / 16 = 4,875 : la plume quitte les pixels entiers dès le premier
    // glyphe, chaque glyphe part dans le repère translaté comme sur le chemin de référence.
    const auto treize = [] { afficheTexte({10, 20}, {300, 100}, "ab<taille='13'>cd e"); };
    const std::vector<MorceauDessine> attendu = reference(treize);
    EXPECT_EQ(enLots(treize), attendu);
    EXPECT_GT(nombre("glTranslatef"), 0u);
    EXPECT_EQ(fauteDeFlux(), "");
}

TEST_F(Lots, UneTextureCreeeEntreDeuxImagesNeLaissePasDeLiaisonPerimee)
{
    uint8_t pixels[4 * 4 * 4] = {};
    for (bool finDImage : {true, false}) {
        SCOPED_TRACE(finDImage ? "après la fin d'image" : "au milieu d'un lot");
        enregistreur::efface();
        dessineImage(0, {0, 0}, {0, 0}, {10, 10});
        if (finDImage)
            fermeLotGL();
        Texture nouvelle{"n", pixels, 32, 4, 4, 0, 0, 0};
        creeTexture(nouvelle);
        ASSERT_NE(nouvelle.nomTexture, NOM_A);
        dessineImage(0, {20, 0}, {0, 0}, {10, 10});
        fermeLotGL();
        const std::vector<MorceauDessine> m = enregistreur::morceaux();
        ASSERT_EQ(m.size(), 2u);
        EXPECT_EQ(m[0].texture, NOM_A);
        EXPECT_EQ(m[1].texture, NOM_A) << enregistreur::journal();
        EXPECT_EQ(fauteDeFlux(), "") << enregistreur::journal();
    }
}

TEST_F(Lots, LImageEstFermeeAvantLeCurseurEtAvantLEchange)
{
    static std::string fauteAlEchange;
    static size_t appelsAlEchange;
    const Plateforme ancienne = plateforme;
    plateforme.echangeTampons = [] {
        fauteAlEchange = fauteDeFlux();
        appelsAlEchange = enregistreur::appels().size();
    };
    textures[TEXTURE_CURSEURS] = Texture{"c", nullptr, 32, 200, 50, 256, 64, 9};
    CContainer* ancienneRacine = racine;
    racine = nullptr;
    // Un dessin laissé ouvert avant l'image, comme par un gestionnaire hors de l'arbre.
    dessineImage(0, {0, 0}, {0, 0}, {10, 10});
    affichage();
    racine = ancienneRacine;
    plateforme = ancienne;
    textures[TEXTURE_CURSEURS] = Texture{};
    EXPECT_EQ(fauteAlEchange, "");
    EXPECT_EQ(appelsAlEchange, enregistreur::appels().size());
    // Le curseur a son propre lot, ouvert après glClear.
    const std::vector<AppelGL>& a = enregistreur::appels();
    size_t efface = a.size();
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].nom == "glClear")
            efface = i;
    ASSERT_LT(efface, a.size());
    EXPECT_EQ(a[efface - 1].nom, "glDisable") << enregistreur::journal();
    EXPECT_EQ(enregistreur::morceaux().back().texture, 9u);
}

TEST_F(Lots, UnContexteNeufOublieLEtatCru)
{
    dessineImage(0, {0, 0}, {0, 0}, {10, 10});
    fermeLotGL();
    dessineImage(0, {0, 0}, {0, 0}, {10, 10});
    // Le mode jeu entré : un contexte neuf, dans l'état d'origine d'OpenGL.
    prepareEtatGL();
    enregistreur::efface();
    dessineImage(0, {0, 0}, {0, 0}, {10, 10});
    fermeLotGL();
    // Le dessin de l'ancien contexte n'est pas envoyé au nouveau ; texturage et liaison posés.
    EXPECT_EQ(nombre("glDrawArrays"), 1u);
    EXPECT_EQ(nombre("glEnable"), 1u);
    EXPECT_EQ(nombre("glBindTexture"), 1u);
    EXPECT_EQ(enregistreur::morceaux().size(), 1u);
}

TEST_F(Lots, UnGestionnaireEtrangerTrouveLEtatDOrigineEtNeDerangeRienApresLui)
{
    for (bool parFonction : {false, true}) {
        SCOPED_TRACE(parFonction ? "fonction inscrite" : "méthode");
        auto arbre = [parFonction](CDessinUtilisateur*& utilisateur) {
            CContainer* racine = new CContainer(-1);
            racine->ajouteObjetGDI(new CImage(0, MakeRect(0, 0, 30, 30), MakeRect(0, 0, 20, 20)));
            racine->ajouteObjetGDI(new CTexte(MakeRect(0, 0, 200, 40), "ab"));
            racine->ajouteObjetGDI(utilisateur = new CDessinUtilisateur(parFonction));
            racine->ajouteObjetGDI(new CImage(0, MakeRect(5, 5, 30, 30), MakeRect(0, 0, 20, 20)));
            racine->ajouteObjetGDI(new CTexte(MakeRect(5, 5, 200, 40), "cd"));
            return racine;
        };
        CDessinUtilisateur* utilisateur = nullptr;
        CContainer* racine = arbre(utilisateur);
        const std::vector<MorceauDessine> attendu = reference([&] { declencheDessin(racine); });
        const std::vector<MorceauDessine> obtenu = enLots([&] { declencheDessin(racine); });
        EXPECT_EQ(utilisateur->fauteALEntree, "") << enregistreur::journal();
        EXPECT_EQ(utilisateur->fauteApresPrimitive, "") << enregistreur::journal();
        // L'image et les deux glyphes d'avant sont déjà envoyés.
        EXPECT_EQ(utilisateur->morceauxALEntree, 3u);
        EXPECT_EQ(obtenu, attendu) << enregistreur::journalMorceaux();
        ASSERT_EQ(obtenu.size(), 9u);
        EXPECT_EQ(obtenu[6].texture, NOM_A);
        EXPECT_EQ(fauteDeFlux(), "");
        delete racine;
        enregistreur::efface();
    }
}
