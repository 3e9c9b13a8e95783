// Tests du bouton poussoir : taille selon l'habillage, gestionnaires, aspects au fil d'un appui,
// dessin des trois modes et légende.
#include "widgets/CBouton.h"

#include "render/PilesDessin.h"
#include "render/Texture.h"
#include "text/StyleTexte.h"

#include "DessinEnregistre.h"
#include "EnregistreurGL.h"
#include "PilesPropres.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
typedef std::vector<Piece> Pieces;

class Bouton : public EssaiDessin
{
  protected:
    // Dessine le bouton par sa liste et relit le journal ; les piles doivent revenir vides.
    static DessinEnregistre dessine(CBouton& b)
    {
        enregistreur::efface();
        declenche(b.evenements[EVT_DESSIN], &b);
        EXPECT_EQ(profondeurOrigines(), 0);
        EXPECT_EQ(profondeurDecoupages(), 0);
        return DessinEnregistre();
    }
};

Piece piece(int x1, int y1, int x2, int y2, int s1, int t1, int s2, int t2)
{
    return {essai::NOM_BOUTONS, MakeRect(x1, y1, x2, y2), MakeRect(s1, t1, s2, t2)};
}

std::string liste(const Pieces& p)
{
    std::string s;
    for (const Piece& q : p)
        s += q.texte() + "\n";
    return s;
}

// Habillage d'essai en mode cadre : bords gauche 10, droit 6, haut 8, bas 12 ; tuiles 19 x 19.
SkinBouton skinCadre(bool etire)
{
    SkinBouton s = skinsBouton[0];
    s.tailleFixe = false;
    s.largeurVariable = false;
    s.decoupeX[0] = 100, s.decoupeX[1] = 110, s.decoupeX[2] = 130, s.decoupeX[3] = 136;
    s.decoupeY[0] = 300, s.decoupeY[1] = 308, s.decoupeY[2] = 328, s.decoupeY[3] = 340;
    s.etire = etire;
    return s;
}

// Compte, pour chaque pixel du bouton, combien de pièces le couvrent.
std::vector<int> couverture(const Pieces& p, Rect r)
{
    const int W = r.largeur(), H = r.hauteur();
    std::vector<int> n(size_t(W * H), 0);
    for (const Piece& q : p)
        for (int y = q.ecran.hautGauche.y; y < q.ecran.basDroite.y; ++y)
            for (int x = q.ecran.hautGauche.x; x < q.ecran.basDroite.x; ++x) {
                const int lx = x - r.hautGauche.x, ly = y - r.hautGauche.y;
                if (lx >= 0 && lx < W && ly >= 0 && ly < H)
                    ++n[size_t(ly * W + lx)];
                else
                    ++n[0] += 1000; // hors du bouton : fait échouer la couverture
            }
    return n;
}
} // namespace

TEST_F(Bouton, TailleSelonLHabillage)
{
    const SkinBouton& barre = skinsBouton[BOUTON_SKIN_ROND_VARIABLE];
    const int minimum = barre.decoupeX[3] - barre.decoupeX[0] - 2;
    const int hauteur = barre.decoupeY[3] - barre.decoupeY[0];
    ASSERT_EQ(minimum, 157);
    ASSERT_EQ(hauteur, 95);
    struct Cas {
        int largeurDemandee, largeurObtenue;
    } cas[] = {{100, 157}, {156, 157}, {157, 157}, {158, 158}, {300, 300}, {-5, 157}};
    pourChaqueCas(cas, [&](const Cas& c) {
        CBouton b(MakeRect(10, 20, 10 + c.largeurDemandee, 500), "x", BOUTON_SKIN_ROND_VARIABLE);
        EXPECT_EQ(b.limites, MakeRect(10, 20, 10 + c.largeurObtenue, 20 + hauteur))
            << c.largeurDemandee;
    });
    // La forme à deux arguments se taille comme la forme à légende, sans légende.
    CBouton sansLegende(MakeRect(10, 20, 110, 40), BOUTON_SKIN_ROND_VARIABLE);
    EXPECT_EQ(sansLegende.limites, MakeRect(10, 20, 167, 115));
    EXPECT_EQ(sansLegende.texte, nullptr);

    // Taille fixe : le coin haut-gauche demandé, la taille de l'image.
    const SkinBouton& rond = skinsBouton[0];
    CBouton fixe(MakeRect(30, 40, 1000, 41), "x", 0);
    EXPECT_EQ(fixe.limites, MakeRect(30, 40, 30 + rond.decoupeX[3] - rond.decoupeX[0],
                                     40 + rond.decoupeY[3] - rond.decoupeY[0]));
    fixe.setLimites(MakeRect(-3, 7, 0, 0));
    EXPECT_EQ(fixe.limites, MakeRect(-3, 7, 92, 102));

    // Forme à position : la taille de la ligne ; forme icône : celle de la source.
    const SkinBouton& message = skinsBouton[6];
    CBouton place(MakeCoord(5, 6), 6);
    EXPECT_EQ(place.limites, MakeRect(5, 6, 5 + message.decoupeX[3] - message.decoupeX[0],
                                      6 + message.decoupeY[3] - message.decoupeY[0]));
    CBouton icone(MakeCoord(5, 6), TEXTURE_BOUTONS, MakeCoord(40, 50), MakeCoord(71, 60),
                  MakeCoord(0, 20), MakeCoord(30, 0), MakeCoord(1, 2));
    EXPECT_EQ(icone.limites, MakeRect(5, 6, 36, 16));
    EXPECT_FALSE(icone.appuye);
    EXPECT_FALSE(icone.survole);

    // Mode cadre : le rectangle tel quel.
    CBouton cadre(MakeRect(0, 0, 1, 1), 0);
    cadre.skin = skinCadre(true);
    cadre.setLimites(MakeRect(7, 8, 9, 100));
    EXPECT_EQ(cadre.limites, MakeRect(7, 8, 9, 100));
}

TEST_F(Bouton, GestionnairesInscritsDansLOrdre)
{
    CBouton b(MakeRect(0, 0, 200, 10), "x", BOUTON_SKIN_ROND_VARIABLE);
    auto m = [](void (CBouton::*f)(CObjetGDI*)) { return static_cast<MethodeGestionnaire>(f); };
    const MethodeGestionnaire attendu[NOMBRE_EVENEMENTS] = {m(&CBouton::appuie),
                                                            nullptr,
                                                            nullptr,
                                                            nullptr,
                                                            m(&CBouton::relache),
                                                            nullptr,
                                                            nullptr,
                                                            nullptr,
                                                            m(&CBouton::survol),
                                                            m(&CBouton::appuie),
                                                            m(&CBouton::relache),
                                                            m(&CBouton::finSurvol),
                                                            m(&CBouton::dessine)};
    for (int k = 0; k < NOMBRE_EVENEMENTS; ++k) {
        const ListeGestionnaires& l = b.evenements[k];
        if (!attendu[k]) {
            EXPECT_EQ(l.nombre, 0) << k;
            continue;
        }
        ASSERT_EQ(l.nombre, 1) << k;
        EXPECT_EQ(l.tete->element->objet, &b) << k;
        EXPECT_TRUE(l.tete->element->methode == attendu[k]) << k;
    }
}

// Un appui tenu, traîné dehors puis ramené, relâché ; puis un appui relâché dehors. Chaque ligne
// déclenche les listes dans l'ordre d'un conteneur : mise à jour, survol, bouton.
TEST_F(Bouton, AspectsAuFilDUnAppui)
{
    // Icône dont le survol et l'appui se lisent différemment : texels décalés vers le bas au
    // survol, vers la droite enfoncé, et dessin déplacé de (2,3) enfoncé.
    const Coord survol = MakeCoord(0, 20), appui = MakeCoord(30, 0), enfonce = MakeCoord(2, 3);
    CBouton b(MakeCoord(50, 60), TEXTURE_BOUTONS, MakeCoord(40, 50), MakeCoord(71, 60), survol,
              appui, enfonce);
    enum Aspect { NORMAL, SURVOLE, ENFONCE };
    const int AUCUN = -1;
    struct Ligne {
        const char* quoi;
        int survolOuNon; // EVT_SURVOL, EVT_SURVOL_APPUYE, EVT_APPUYE_DEHORS ou AUCUN
        int boutonSouris;
        bool appuye, survole;
        Aspect aspect;
    } lignes[] = {
        {"arrivée dessus", EVT_SURVOL, AUCUN, false, true, SURVOLE},
        {"appui", EVT_SURVOL, EVT_APPUI_GAUCHE, true, true, ENFONCE},
        {"tenu dessus", EVT_SURVOL_APPUYE, AUCUN, true, false, ENFONCE},
        {"traîné dehors", EVT_APPUYE_DEHORS, AUCUN, false, false, NORMAL},
        {"toujours dehors", EVT_APPUYE_DEHORS, AUCUN, false, false, NORMAL},
        {"ramené dessus", EVT_SURVOL_APPUYE, AUCUN, true, false, ENFONCE},
        {"relâché dessus", EVT_SURVOL_APPUYE, EVT_CLIC_GAUCHE, false, false, NORMAL},
        {"libre dessus", EVT_SURVOL, AUCUN, false, true, SURVOLE},
        {"second appui", EVT_SURVOL, EVT_APPUI_GAUCHE, true, true, ENFONCE},
        {"traîné dehors", EVT_APPUYE_DEHORS, AUCUN, false, false, NORMAL},
        {"relâché dehors", AUCUN, EVT_RELACHE_GAUCHE_DEHORS, false, false, NORMAL},
        {"loin", AUCUN, AUCUN, false, false, NORMAL},
    };
    for (const Ligne& l : lignes) {
        declenche(b.evenements[EVT_MISE_A_JOUR], &b);
        if (l.survolOuNon != AUCUN)
            declenche(b.evenements[l.survolOuNon], &b);
        if (l.boutonSouris != AUCUN)
            declenche(b.evenements[l.boutonSouris], &b);
        EXPECT_EQ(b.appuye, l.appuye) << l.quoi;
        EXPECT_EQ(b.survole, l.survole) << l.quoi;

        const Coord d = l.aspect == ENFONCE ? appui : l.aspect == SURVOLE ? survol : Coord{0, 0};
        const Coord o = MakeCoord(50, 60) + (l.aspect == ENFONCE ? enfonce : Coord{0, 0});
        // L'image fait un texel de plus que le rectangle dans chaque sens.
        const Pieces attendu = {
            piece(o.x, o.y, o.x + 32, o.y + 11, 40 + d.x, 50 + d.y, 72 + d.x, 61 + d.y)};
        EXPECT_EQ(dessine(b).pieces, attendu) << l.quoi;
    }
}

TEST_F(Bouton, ImageFixe)
{
    const SkinBouton& s = skinsBouton[0];
    CBouton b(MakeRect(10, 20, 11, 21), nullptr, 0);
    const int L = s.decoupeX[3] - s.decoupeX[0] + 1, H = s.decoupeY[3] - s.decoupeY[0] + 1;
    EXPECT_EQ(dessine(b).pieces, Pieces{piece(10, 20, 10 + L, 20 + H, s.decoupeX[0], s.decoupeY[0],
                                              s.decoupeX[3] + 1, s.decoupeY[3] + 1)});
    b.appuye = true;
    const Coord e = s.enfoncement, a = s.decalageAppui;
    EXPECT_EQ(dessine(b).pieces,
              Pieces{piece(10 + e.x, 20 + e.y, 10 + e.x + L, 20 + e.y + H, s.decoupeX[0] + a.x,
                           s.decoupeY[0] + a.y, s.decoupeX[3] + 1 + a.x, s.decoupeY[3] + 1 + a.y)});
}

TEST_F(Bouton, BarreEtiree)
{
    const SkinBouton& s = skinsBouton[BOUTON_SKIN_ROND_VARIABLE];
    const int x0 = s.decoupeX[0], x1 = s.decoupeX[1], x2 = s.decoupeX[2], x3 = s.decoupeX[3];
    const int y0 = s.decoupeY[0], y3 = s.decoupeY[3];
    CBouton b(MakeRect(10, 20, 310, 30), nullptr, BOUTON_SKIN_ROND_VARIABLE);
    b.survole = true;
    const int dy = s.decalageSurvol.y, fin = 10 + 300, bas = 20 + y3 - y0 + 1;
    const Pieces attendu = {
        piece(10, 20, 10 + x1 - x0, bas, x0, y0 + dy, x1, y3 + 1 + dy),
        piece(fin - (x3 - x2), 20, fin, bas, x2 + 1, y0 + dy, x3 + 1, y3 + 1 + dy),
        piece(10 + x1 - x0, 20, fin - (x3 - x2), bas, x1 + 2, y0 + dy, x2 - 1, y3 + 1 + dy),
    };
    // Bout gauche de 65, bout droit de 83, milieu étiré de 152 pris dans les colonnes 163 à 170.
    ASSERT_EQ(attendu[2], piece(75, 20, 227, 116, 163, 96, 171, 192));
    const DessinEnregistre d = dessine(b);
    EXPECT_EQ(d.pieces, attendu) << liste(d.pieces);
}

TEST_F(Bouton, BarreRepeteeCoupeeAuDecoupage)
{
    SkinBouton s = skinsBouton[BOUTON_SKIN_ROND_VARIABLE];
    s.etire = false;
    const int x0 = s.decoupeX[0], x1 = s.decoupeX[1], x2 = s.decoupeX[2], x3 = s.decoupeX[3];
    const int gauche = x1 - x0, droite = x3 - x2, tuile = x2 - x1 - 1;
    const int bas = s.decoupeY[3] + 1;
    struct Cas {
        int largeur;
        int tuilesVues;
        int largeurDerniere; // la dernière tuile, coupée par le découpage
    } cas[] = {
        {300, 16, 2},  // milieu de 152 : 15 tuiles entières et 2 colonnes
        {298, 15, 10}, // milieu de 150 : la seizième tuile commence au bord et ne se voit pas
        {157, 1, 9},   // la largeur minimale : une tuile coupée à 9
        {299, 16, 1},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        CBouton b(MakeRect(0, 0, c.largeur, 1), nullptr, BOUTON_SKIN_ROND_VARIABLE);
        b.skin = s;
        const DessinEnregistre d = dessine(b);
        ASSERT_EQ(d.pieces.size(), size_t(2 + c.tuilesVues)) << c.largeur << liste(d.pieces);
        for (int i = 0; i < c.tuilesVues; ++i) {
            const int x = gauche + i * tuile;
            const int l = i + 1 == c.tuilesVues ? c.largeurDerniere : tuile;
            EXPECT_EQ(d.pieces[size_t(2 + i)], piece(x, 0, x + l, bas, x1 + 1, 0, x1 + 1 + l, bas))
                << c.largeur << " tuile " << i;
        }
        EXPECT_EQ(d.pieces.back().ecran.basDroite.x, c.largeur - droite) << c.largeur;
    });
}

TEST_F(Bouton, CadreSansCoins)
{
    for (bool etire : {true, false}) {
        CBouton b(MakeRect(0, 0, 1, 1), 0);
        b.skin = skinCadre(etire);
        const Rect r = MakeRect(100, 50, 100 + 61, 50 + 47);
        b.setLimites(r);
        b.appuye = true;
        const Coord e = b.skin.enfoncement;
        const DessinEnregistre d = dessine(b);
        // Enfoncé : tout se décale de l'enfoncement.
        const std::vector<int> n = couverture(d.pieces, r + e);
        const int W = r.largeur(), H = r.hauteur();
        int manques = 0, doubles = 0, coinsPeints = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const bool coin = (x < 10 || x >= W - 6) && (y < 8 || y >= H - 12);
                const int v = n[size_t(y * W + x)];
                coinsPeints += coin && v != 0;
                manques += !coin && v == 0;
                doubles += v > 1;
            }
        EXPECT_EQ(coinsPeints, 0) << etire << liste(d.pieces);
        EXPECT_EQ(manques, 0) << etire;
        EXPECT_EQ(doubles, 0) << etire;
    }
}

TEST_F(Bouton, CadreEtireEtRepetePieceParPiece)
{
    CBouton b(MakeRect(0, 0, 1, 1), 0);
    b.skin = skinCadre(true);
    b.setLimites(MakeRect(0, 0, 61, 47));
    // Survolé : les texels se décalent, pas le dessin.
    b.survole = true;
    const Coord v = b.skin.decalageSurvol;
    auto p = [&](int x1, int y1, int x2, int y2, int s1, int t1, int s2, int t2) {
        return piece(x1, y1, x2, y2, s1 + v.x, t1 + v.y, s2 + v.x, t2 + v.y);
    };
    const Pieces etire = {
        p(10, 0, 55, 8, 112, 300, 129, 308),   // haut
        p(10, 35, 55, 47, 112, 329, 129, 341), // bas
        p(0, 8, 10, 35, 100, 310, 110, 327),   // gauche
        p(55, 8, 61, 35, 131, 310, 137, 327),  // droite
        p(10, 8, 55, 35, 112, 310, 129, 327),  // centre
    };
    EXPECT_EQ(dessine(b).pieces, etire);

    // Répété : tuiles de 19 ; milieu de 45 (nx = 2) et de 27 (ny = 1).
    b.skin = skinCadre(false);
    const Pieces repete = {
        p(10, 0, 29, 8, 111, 300, 130, 308),   p(10, 35, 29, 47, 111, 329, 130, 341),
        p(29, 0, 48, 8, 111, 300, 130, 308),   p(29, 35, 48, 47, 111, 329, 130, 341),
        p(48, 0, 55, 8, 111, 300, 118, 308),   p(48, 35, 55, 47, 111, 329, 118, 341),
        p(0, 8, 10, 27, 100, 309, 110, 328),   p(55, 8, 61, 27, 131, 309, 137, 328),
        p(0, 27, 10, 35, 100, 309, 110, 317),  p(55, 27, 61, 35, 131, 309, 137, 317),
        p(10, 8, 29, 27, 111, 309, 130, 328),  p(29, 8, 48, 27, 111, 309, 130, 328),
        p(48, 8, 55, 27, 111, 309, 118, 328),  p(10, 27, 29, 35, 111, 309, 130, 317),
        p(29, 27, 48, 35, 111, 309, 130, 317), p(48, 27, 55, 35, 111, 309, 118, 317),
    };
    const DessinEnregistre d = dessine(b);
    EXPECT_EQ(d.pieces, repete) << liste(d.pieces);
}

TEST_F(Bouton, TuilesSansTailleEtireesPlutotQueDiviser)
{
    // Barre dont la tuile ferait 0 : le milieu est étiré, une seule fois.
    CBouton barre(MakeRect(0, 0, 200, 1), nullptr, BOUTON_SKIN_ROND_VARIABLE);
    barre.skin.etire = false;
    barre.skin.decoupeX[2] = barre.skin.decoupeX[1] + 1;
    const DessinEnregistre d = dessine(barre);
    ASSERT_EQ(d.pieces.size(), 3u) << liste(d.pieces);
    EXPECT_EQ(d.pieces[2].ecran, MakeRect(65, 0, 200 - (255 - 162), 96));

    // Cadre sans largeur de tuile : haut, bas et centre étirés ; gauche et droite répétés.
    CBouton cadre(MakeRect(0, 0, 1, 1), 0);
    cadre.skin = skinCadre(false);
    cadre.skin.decoupeX[2] = cadre.skin.decoupeX[1];
    cadre.setLimites(MakeRect(0, 0, 61, 47));
    EXPECT_EQ(dessine(cadre).pieces.size(), 2u + 4u + 1u);
    // Ni largeur ni hauteur : les cinq pièces étirées.
    cadre.skin.decoupeY[2] = cadre.skin.decoupeY[1] + 1;
    EXPECT_EQ(dessine(cadre).pieces.size(), 5u);
}

TEST_F(Bouton, LegendeEnCouleurDeLAspectPuisRendue)
{
    // Une légende est prise telle quelle : "%s" s'y dessine.
    CBouton b(MakeRect(10, 20, 310, 30), "a%sb", BOUTON_SKIN_ROND_VARIABLE);
    // La ligne 1 a la même couleur survolée et enfoncée : une couleur enfoncée à part montre
    // que l'appui l'emporte sur le survol.
    ASSERT_EQ(b.skin.couleurTexteSurvol, b.skin.couleurTexteAppui);
    b.skin.couleurTexteAppui = Couleur{200, 10, 20, 255};
    const SkinBouton& s = b.skin;
    const Couleur avant{1, 2, 3, 4};
    struct Cas {
        bool appuye, survole;
        Couleur couleur;
        Coord decalage;
    } cas[] = {{false, false, s.couleurTexte, {0, 0}},
               {false, true, s.couleurTexteSurvol, {0, 0}},
               {true, true, s.couleurTexteAppui, s.enfoncement},
               {true, false, s.couleurTexteAppui, s.enfoncement}};
    pourChaqueCas(cas, [&](const Cas& c) {
        styleCourant().couleur = avant;
        b.appuye = c.appuye;
        b.survole = c.survole;
        const DessinEnregistre d = dessine(b);
        ASSERT_EQ(d.glyphes.size(), 4u) << c.appuye << c.survole << enregistreur::journal();
        std::string codes;
        for (const GlypheVu& g : d.glyphes) {
            codes += g.code;
            EXPECT_EQ(g.couleur, c.couleur) << c.appuye << c.survole;
        }
        EXPECT_EQ(codes, "a%sb");
        // Le texte commence au coin de sa marge, déplacé avec le bouton enfoncé.
        EXPECT_EQ(d.glyphes[0].x, 10 + s.margeTexteHautGauche.x + c.decalage.x);
        EXPECT_EQ(styleCourant().couleur, avant) << c.appuye << c.survole;
        EXPECT_EQ(profondeurStyle, 0);
    });
}

TEST_F(Bouton, PasDeLegendeSansZoneOuSansTexte)
{
    // La ligne 0 n'a pas de zone de texte : une légende donnée ne se dessine pas.
    CBouton rond(MakeRect(0, 0, 5, 5), "abc", 0);
    ASSERT_EQ(rond.skin.margeTexteHautGauche, MakeCoord(-1, -1));
    DessinEnregistre d = dessine(rond);
    EXPECT_TRUE(d.glyphes.empty());
    EXPECT_EQ(d.pieces.size(), 1u);

    // Une seule marge à (-1,-1) laisse une zone : la légende se dessine.
    rond.skin.margeTexteBasDroite = MakeCoord(0, 0);
    EXPECT_EQ(dessine(rond).glyphes.size(), 3u);

    CBouton barre(MakeRect(0, 0, 300, 5), BOUTON_SKIN_ROND_VARIABLE);
    d = dessine(barre);
    EXPECT_TRUE(d.glyphes.empty());
    EXPECT_EQ(d.pieces.size(), 3u);
}

TEST_F(Bouton, LigneInconnueSansImage)
{
    for (int ligne : {-1, NOMBRE_SKINS_BOUTON, 1000}) {
        CBouton b(MakeRect(10, 10, 50, 50), "abc", ligne);
        EXPECT_EQ(b.limites, MakeRect(10, 10, 10, 10)) << ligne;
        dessine(b);
        EXPECT_TRUE(enregistreur::appels().empty()) << ligne;
    }
    // Une icône dont la texture n'existe pas ne lit rien hors du jeu de textures.
    CBouton icone(MakeCoord(0, 0), NOMBRE_TEXTURES, MakeCoord(0, 0), MakeCoord(9, 9),
                  MakeCoord(0, 0), MakeCoord(0, 0), MakeCoord(0, 0));
    dessine(icone);
    EXPECT_TRUE(enregistreur::appels().empty());
}
