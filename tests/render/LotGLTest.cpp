// Tests des lots : en lots ou chaque primitive seule, les mêmes morceaux dans le même ordre, un
// flux OpenGL permis (rien d'interdit entre glBegin et glEnd), l'état que chaque dessin demande.
#include "render/LotGL.h"

#include "application/Curseur.h"
#include "application/Plateforme.h"
#include "containers/CContainer.h"
#include "containers/DessinObjet.h"
#include "editor/Editeur.h"
#include "render/PilesDessin.h"
#include "render/PorteeDessin.h"
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

#include <algorithm>
#include <cmath>
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

// L'état qu'OpenGL a d'après le journal : texturage, texture liée, couleur courante (vide
// quand des tableaux de couleurs l'ont laissée indéfinie), épaisseur du trait.
std::string etatGL()
{
    std::string texturage = "coupé", lie = "?", couleur = "?", epaisseur = "?";
    for (const AppelGL& a : enregistreur::appels()) {
        if ((a.nom == "glEnable" || a.nom == "glDisable") && a.args[0] == GL_TEXTURE_2D)
            texturage = a.nom == "glEnable" ? "allumé" : "coupé";
        else if (a.nom == "glBindTexture")
            lie = std::to_string(int(a.args[1]));
        else if (a.nom == "glColor4ubv" || a.nom == "glColor4f")
            couleur = a.texte().substr(a.nom.size());
        else if (a.nom == "glDrawArrays")
            couleur = "?";
        else if (a.nom == "glLineWidth")
            epaisseur = a.texte().substr(a.nom.size());
    }
    return "texturage " + texturage + ", texture " + lie + ", couleur " + couleur + ", trait " +
           epaisseur;
}

// Un objet de programme qui dessine lui-même par OpenGL, à la façon documentée : il note l'état
// qu'il trouve, puis lie une autre texture, allume le texturage et épaissit le trait sans rien
// rendre.
class CDessinUtilisateur : public CObjetGDI
{
  public:
    std::string etatALEntree = "pas appelé";
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
        etatALEntree = etatGL();
        morceauxALEntree = enregistreur::morceauxGL().size();
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, 99);
        glLineWidth(5);
        glBegin(GL_QUADS);
        for (int i = 0; i < 4; ++i)
            glVertex2i(20 + 10 * (i & 1), 700 + 10 * (i >> 1));
        glEnd();
    }
};

// Un peintre de la boîte à outils dans l'arbre : une ligne d'épaisseur 2, puis une copie de A.
class CPeintreA : public CObjetGDI
{
  public:
    explicit CPeintreA(int x)
    {
        limites = MakeRect(x, 0, x + 30, 30);
        ajouteGestionnairePropre(evenements[EVT_DESSIN], this, &CPeintreA::dessine);
    }
    void dessine(CObjetGDI*)
    {
        dessineLigne(limites.hautGauche, limites.basDroite, Couleur{9, 8, 7, 255}, 2, 0xFFFF, 1);
        dessineImage(0, limites.hautGauche, {0, 0}, {20, 20});
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
        {
            const PorteeDessin portee;
            dessin();
        }
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

TEST_F(Lots, GlyphesEnTableauxSommetsAbsolusQuelleQueSoitLaTaille)
{
    // Taille 16 comme taille 13 (6 x 13 / 16 = 4,875 : la plume quitte les pixels entiers) :
    // les glyphes d'une ligne en un tableau, sommets absolus, ni translation ni retour à
    // l'identité, les mêmes morceaux que la référence.
    for (const char* texte : {"<b>ab</b> c<br>de", "ab<taille='13'>cd e"}) {
        SCOPED_TRACE(texte);
        const auto dessin = [texte] { afficheTexte({10, 20}, {300, 100}, "%s", texte); };
        const std::vector<MorceauDessine> attendu = reference(dessin);
        EXPECT_EQ(enLots(dessin), attendu);
        EXPECT_EQ(nombre("glTranslated") + nombre("glTranslatef"), 0u);
        EXPECT_EQ(nombre("glLoadIdentity"), 0u);
        EXPECT_EQ(nombre("glDrawArrays"), 1u);
        EXPECT_EQ(fauteDeFlux(), "");
    }
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

TEST_F(Lots, UnGestionnaireEtrangerTrouveLEtatPromisEtRienNestSupposeApresLui)
{
    for (bool parFonction : {false, true}) {
        SCOPED_TRACE(parFonction ? "fonction inscrite" : "méthode");
        CContainer racine(-1);
        racine.ajouteObjetGDI(new CPeintreA(0));
        CDessinUtilisateur* utilisateur = new CDessinUtilisateur(parFonction);
        racine.ajouteObjetGDI(utilisateur);
        racine.ajouteObjetGDI(new CPeintreA(100));
        for (bool regroupe : {false, true}) {
            SCOPED_TRACE(regroupe ? "en lots" : "référence");
            regroupementGL(regroupe);
            enregistreur::efface();
            declencheDessin(&racine);
            // Texturage coupé, couleur de la dernière primitive (la copie, en blanc), trait de
            // la ligne.
            EXPECT_EQ(utilisateur->etatALEntree, "texturage coupé, texture " +
                                                     std::to_string(NOM_A) +
                                                     ", couleur (255, 255, 255, 255), trait (2)");
            EXPECT_EQ(utilisateur->morceauxALEntree, 2u);
            // Après lui, qui a tout laissé allumé : la ligne sans texture et d'épaisseur 2, puis
            // A reliée, malgré les mêmes valeurs qu'avant lui.
            const std::vector<MorceauDessine> m = enregistreur::morceauxGL();
            ASSERT_EQ(m.size(), 5u) << enregistreur::journal();
            EXPECT_EQ(m[3].texture, 0u) << enregistreur::journal();
            EXPECT_EQ(m[3].largeur, 2) << enregistreur::journal();
            EXPECT_EQ(m[4].texture, NOM_A) << enregistreur::journal();
            EXPECT_EQ(fauteDeFlux(), "");
        }
    }
}

namespace
{
// Un gestionnaire de programme qui trace sans poser de couleur ni de trait : il note ce qu'il
// trouve.
std::string etatTrouve;
class CSansCouleur : public CObjetGDI
{
  public:
    CSansCouleur() { ajouteGestionnaire(evenements[EVT_DESSIN], this, &CSansCouleur::dessine); }
    void dessine(CObjetGDI*) { etatTrouve = etatGL(); }
};

struct Scene {
    const char* nom;
    std::function<void()> dessin;
    bool dansUnePortee;  // faux : hors de toute portée, comme un dessin par-dessus l'image
    const char* attendu; // l'état qu'un gestionnaire de la scène trouve, ou ""
    size_t sommetsMax;   // la plus longue boucle que trace OpenGL
};

const float NAN_F = float(std::nan(""));
} // namespace

TEST_F(Lots, ScenesEnLotsCommeEnReference)
{
    static CSansCouleur sansCouleur;
    const Scene scenes[] = {
        {"gestionnaire sur la couleur et le trait laissés",
         [] {
             dessineLigne({0, 0}, {9, 9}, Couleur{1, 2, 3, 255}, 3, 0xFFFF, 1);
             remplitRectangle({0, 0}, {50, 50}, Couleur{200, 0, 0, 255});
             dessineImage(0, {60, 0}, {0, 0}, {10, 10});
             remplitRectangle({100, 0}, {150, 50}, Couleur{0, 0, 200, 128});
             declencheDessin(&sansCouleur);
         },
         true, "texturage coupé, texture 11, couleur (0, 0, 200, 128), trait (3)", 2},
        {"dessin par-dessus, hors de toute portée",
         [] {
             dessineImage(0, {0, 0}, {0, 0}, {10, 10});
             afficheTexte({0, 0}, {200, 50}, "ab");
             dessineImage(1, {0, 0}, {0, 0}, {10, 10});
         },
         false, "", 0},
        {"boucle de cinq sommets",
         [] {
             const float xy[10] = {0, 0, 40, 0, 50, 20, 20, 40, 0, 20};
             listeDessin().boucle(xy, 5, Couleur{1, 1, 1, 255}, 1, 0xFFFF, 1);
             dessineImage(0, {0, 0}, {0, 0}, {10, 10});
             listeDessin().boucle(xy, 5, Couleur{2, 2, 2, 255}, 1, 0xFFFF, 1);
         },
         true, "", 5},
        {"épaisseur et taille NaN",
         [] {
             dessineLigne({0, 0}, {30, 30}, Couleur{1, 2, 3, 255}, NAN_F, 0xFFFF, 1);
             dessinePoint({15, 15}, Couleur{4, 5, 6, 255}, NAN_F);
             dessineImage(0, {0, 0}, {0, 0}, {10, 10});
             dessineCadre({4, 4}, {24, 24}, Couleur{5, 6, 7, 255}, NAN_F, 0xFFFF, 1);
         },
         true, "", 4},
        // A loin, puis un rectangle sur les colonnes 0 à 16, puis A sur 16 à 23 : la colonne
        // 16, la première d'une case (de 8 comme de 16 pixels), est commune ; le second A ne
        // rejoint pas le premier.
        {"une colonne commune au bord d'une case",
         [] {
             dessineImage(0, {400, 400}, {0, 0}, {10, 10});
             remplitRectangle({0, 0}, {17, 9}, Couleur{7, 7, 7, 255});
             dessineImage(0, {16, 0}, {0, 0}, {8, 8});
         },
         true, "", 0},
    };
    for (const Scene& sc : scenes) {
        SCOPED_TRACE(sc.nom);
        std::vector<MorceauDessine> vus[2];
        std::string etats[2];
        for (int regroupe = 0; regroupe < 2; ++regroupe) {
            regroupementGL(regroupe);
            enregistreur::efface();
            etatTrouve = "";
            if (sc.dansUnePortee) {
                const PorteeDessin portee;
                sc.dessin();
            } else {
                sc.dessin();
            }
            // Rien n'attend : tout a déjà été envoyé, sans fermeLotGL.
            vus[regroupe] = enregistreur::morceaux();
            etats[regroupe] = etatTrouve;
            EXPECT_EQ(fauteDeFlux(), "");
            // Toutes les boucles tracées entières ; NaN n'atteint pas OpenGL.
            size_t plusLongue = 0;
            for (const MorceauDessine& m : enregistreur::morceauxGL())
                if (m.mode == GL_LINE_LOOP)
                    plusLongue = std::max(plusLongue, m.sommets.size());
            EXPECT_EQ(plusLongue, sc.sommetsMax) << enregistreur::journal();
            for (const AppelGL& a : enregistreur::appelsNommes("glLineWidth"))
                EXPECT_FALSE(std::isnan(a.args[0]));
        }
        std::string ecart;
        EXPECT_TRUE(memeImage(vus[1], vus[0], ecart)) << ecart << "\n"
                                                      << enregistreur::journalMorceaux();
        EXPECT_EQ(etats[1], sc.attendu);
        EXPECT_EQ(etats[0], sc.attendu);
    }
}
