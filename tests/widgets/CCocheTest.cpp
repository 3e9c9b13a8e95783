// Tests de la case à cocher : taille fixe, gestionnaires, bascule et aspects au fil des appuis.
#include "widgets/CCoche.h"

#include "render/PilesDessin.h"
#include "render/Texture.h"

#include "DessinEnregistre.h"
#include "EnregistreurGL.h"
#include "PilesPropres.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
typedef std::vector<Piece> Pieces;

class Coche : public EssaiDessin
{
  protected:
    static Pieces dessine(CCoche& c)
    {
        enregistreur::efface();
        declenche(c.evenements[EVT_DESSIN], &c);
        return DessinEnregistre().pieces;
    }
};

// Une copie à taille naturelle de la texture des coches.
Piece copie(Coord ou, Coord s1, Coord s2)
{
    return {essai::NOM_COCHES, Rect{ou, ou + (s2 - s1)}, Rect{s1, s2}};
}
} // namespace

TEST_F(Coche, TailleDeLImage)
{
    const SkinCoche& s = skinsCoche[COCHE_SKIN_DEFAUT];
    CCoche c(MakeCoord(10, 20), false, COCHE_SKIN_DEFAUT);
    // La table range le dernier texel, la copie le coin exclusif.
    EXPECT_EQ(c.skin.imageBasDroite, s.imageBasDroite + MakeCoord(1, 1));
    EXPECT_EQ(c.limites, MakeRect(10, 20, 42, 52));
    c.setLimites(MakeRect(0, 0, 500, 500));
    EXPECT_EQ(c.limites, MakeRect(0, 0, 32, 32));
    EXPECT_FALSE(c.cochee);
    EXPECT_FALSE(c.appuye);
    EXPECT_FALSE(c.survole);
    EXPECT_TRUE(CCoche(MakeCoord(0, 0), true, COCHE_SKIN_DEFAUT).cochee);

    // La case et sa coche, au repos, depuis la ligne par défaut.
    c.cochee = true;
    const Coord hg = s.imageHautGauche, bd = c.skin.imageBasDroite;
    EXPECT_EQ(dessine(c), (Pieces{copie({0, 0}, hg, bd),
                                  copie({0, 0}, hg + s.decalageCoche, bd + s.decalageCoche)}));
    EXPECT_EQ(dessine(c)[1].texels, MakeRect(0, 32, 32, 64));

    // Une ligne inconnue ne lit rien hors de la table et ne dessine rien.
    CCoche inconnue(MakeCoord(5, 5), true, NOMBRE_SKINS_COCHE);
    EXPECT_EQ(inconnue.limites, MakeRect(5, 5, 5, 5));
    EXPECT_TRUE(dessine(inconnue).empty());
}

TEST_F(Coche, GestionnairesInscritsDansLOrdre)
{
    CCoche c(MakeCoord(0, 0), false, COCHE_SKIN_DEFAUT);
    auto m = [](void (CCoche::*f)(CObjetGDI*)) { return static_cast<MethodeGestionnaire>(f); };
    const MethodeGestionnaire attendu[NOMBRE_EVENEMENTS] = {m(&CCoche::appuie),
                                                            nullptr,
                                                            nullptr,
                                                            nullptr,
                                                            m(&CCoche::clic),
                                                            nullptr,
                                                            nullptr,
                                                            nullptr,
                                                            m(&CCoche::survol),
                                                            m(&CCoche::appuie),
                                                            m(&CCoche::relache),
                                                            m(&CCoche::finSurvol),
                                                            m(&CCoche::dessine)};
    for (int k = 0; k < NOMBRE_EVENEMENTS; ++k) {
        const ListeGestionnaires& l = c.evenements[k];
        ASSERT_EQ(l.nombre, attendu[k] ? 1 : 0) << k;
        if (attendu[k]) {
            EXPECT_EQ(l.tete->element->objet, &c) << k;
            EXPECT_TRUE(l.tete->element->methode == attendu[k]) << k;
        }
    }
}

// Chaque ligne déclenche les listes dans l'ordre d'un conteneur : mise à jour, survol, bouton ;
// puis le dessin doit montrer l'image de l'aspect et la coche à sa place.
TEST_F(Coche, BasculeEtAspectsAuFilDesAppuis)
{
    CCoche c(MakeCoord(100, 200), false, COCHE_SKIN_DEFAUT);
    // Survol et appui lisibles : l'image survolée à droite, l'image enfoncée en dessous.
    c.skin.decalageSurvol = MakeCoord(32, 0);
    c.skin.decalageAppui = MakeCoord(0, 64);
    const SkinCoche s = c.skin;
    enum Aspect { NORMAL, SURVOLE, ENFONCE };
    const int AUCUN = -1;
    struct Ligne {
        const char* quoi;
        int survolOuNon;
        int boutonSouris;
        bool cochee, appuye, survole;
        Aspect aspect;
    } lignes[] = {
        {"dessus", EVT_SURVOL, AUCUN, false, false, true, SURVOLE},
        {"appui", EVT_SURVOL, EVT_APPUI_GAUCHE, false, true, true, ENFONCE},
        {"relâché dessus", EVT_SURVOL_APPUYE, EVT_CLIC_GAUCHE, true, false, false, NORMAL},
        {"libre dessus", EVT_SURVOL, AUCUN, true, false, true, SURVOLE},
        {"appui cochée", EVT_SURVOL, EVT_APPUI_GAUCHE, true, true, true, ENFONCE},
        {"traîné dehors", EVT_APPUYE_DEHORS, AUCUN, true, false, false, NORMAL},
        {"ramené dessus", EVT_SURVOL_APPUYE, AUCUN, true, true, false, ENFONCE},
        {"traîné dehors", EVT_APPUYE_DEHORS, AUCUN, true, false, false, NORMAL},
        {"relâché dehors", AUCUN, EVT_RELACHE_GAUCHE_DEHORS, true, false, false, NORMAL},
        // Appui commencé ailleurs : la case est survolée puis relâchée dessus sans clic.
        {"appui ailleurs, dessus", EVT_SURVOL, AUCUN, true, false, true, SURVOLE},
        {"relâché dessus sans clic", EVT_SURVOL, EVT_RELACHE_GAUCHE_DESSUS, true, false, true,
         SURVOLE},
        {"appui", EVT_SURVOL, EVT_APPUI_GAUCHE, true, true, true, ENFONCE},
        {"décochée", EVT_SURVOL_APPUYE, EVT_CLIC_GAUCHE, false, false, false, NORMAL},
        {"appui décochée", EVT_SURVOL, EVT_APPUI_GAUCHE, false, true, true, ENFONCE},
        {"loin", AUCUN, AUCUN, false, true, false, ENFONCE},
    };
    const Coord ou = MakeCoord(100, 200);
    for (const Ligne& l : lignes) {
        declenche(c.evenements[EVT_MISE_A_JOUR], &c);
        if (l.survolOuNon != AUCUN)
            declenche(c.evenements[l.survolOuNon], &c);
        if (l.boutonSouris != AUCUN)
            declenche(c.evenements[l.boutonSouris], &c);
        EXPECT_EQ(c.cochee, l.cochee) << l.quoi;
        EXPECT_EQ(c.appuye, l.appuye) << l.quoi;
        EXPECT_EQ(c.survole, l.survole) << l.quoi;

        const Coord d = l.aspect == ENFONCE   ? s.decalageAppui
                        : l.aspect == SURVOLE ? s.decalageSurvol
                                              : Coord{0, 0};
        Pieces attendu = {copie(ou, s.imageHautGauche + d, s.imageBasDroite + d)};
        // Coche déplacée de l'enfoncement sous l'appui ; décochée, la case seule.
        if (l.cochee)
            attendu.push_back(copie(ou + (l.aspect == ENFONCE ? s.enfoncement : Coord{0, 0}),
                                    s.imageHautGauche + s.decalageCoche,
                                    s.imageBasDroite + s.decalageCoche));
        EXPECT_EQ(dessine(c), attendu) << l.quoi;
    }
}

TEST_F(Coche, DessineSousLOrigineSansRienEmpiler)
{
    CCoche c(MakeCoord(10, 20), true, COCHE_SKIN_DEFAUT);
    empileOrigine(MakeCoord(300, 400));
    empileDecoupage(MakeCoord(0, 0), MakeCoord(26, 100));
    const Pieces p = dessine(c);
    EXPECT_EQ(profondeurOrigines(), 1);
    EXPECT_EQ(profondeurDecoupages(), 1);
    // Coupées à x = 326 : 16 colonnes sur 32.
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].ecran, MakeRect(310, 420, 326, 452));
    EXPECT_EQ(p[1].texels, MakeRect(0, 32, 16, 64));
}

TEST_F(Coche, EvenementsDesactivesDessineSansReagir)
{
    CCoche c(MakeCoord(0, 0), true, COCHE_SKIN_DEFAUT);
    c.skin.decalageSurvol = MakeCoord(32, 0);
    c.desactiveEvenements();
    for (int k = EVT_APPUI_GAUCHE; k <= EVT_MISE_A_JOUR; ++k)
        declenche(c.evenements[k], &c);
    EXPECT_TRUE(c.cochee);
    EXPECT_FALSE(c.appuye);
    EXPECT_FALSE(c.survole);
    const Pieces p = dessine(c);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].texels, MakeRect(0, 0, 32, 32));
    EXPECT_EQ(p[1].ecran, MakeRect(0, 0, 32, 32));
}
