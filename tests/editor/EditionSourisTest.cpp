// Tests de l'édition à la souris : création, déplacement, redimensionnement, bord de la fenêtre
// et dessin de la sélection, par les rappels de l'application sur l'arbre réel.
#include "ArbreEditeur.h"
#include "TableCas.h"

#include "editor/ExportSource.h"
#include "render/SkinBouton.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CImage.h"
#include "widgets/CProgression.h"
#include "widgets/CRadio.h"
#include "widgets/CSaisie.h"
#include "widgets/CTexte.h"

#include <algorithm>
#include <typeinfo>

namespace
{
const char* genre(CObjetGDI* o)
{
    if (dynamic_cast<CTexte*>(o))
        return "CTexte";
    if (dynamic_cast<CBouton*>(o))
        return "CBouton";
    if (dynamic_cast<CCoche*>(o))
        return "CCoche";
    if (dynamic_cast<CImage*>(o))
        return "CImage";
    if (dynamic_cast<CProgression*>(o))
        return "CProgression";
    if (dynamic_cast<CSaisie*>(o))
        return "CSaisie";
    if (dynamic_cast<CRadio*>(o))
        return "CRadio";
    return "autre";
}
} // namespace

class EditionSouris : public ArbreEditeur
{
  protected:
    void SetUp() override
    {
        ArbreEditeur::SetUp();
        fermeAide();
    }

    // Pose une image par un glissement en mode 4 sur ce rectangle client ; elle est sélectionnée.
    CObjetGDI* poseImage(Rect client)
    {
        choisit(TYPE_IMAGE);
        glisse(client.hautGauche + marges(), client.basDroite + marges());
        EXPECT_EQ(decrit(objetSelectionne->limites), decrit(client));
        return objetSelectionne;
    }
};

TEST_F(EditionSouris, CreationDeChaqueGenreDansChaqueSens)
{
    // Quatre glissements sur le même rectangle fenêtre (200,100)-(300,200), chacun depuis un coin.
    const Coord hg = {200, 100}, hd = {300, 100}, bg = {200, 200}, bd = {300, 200};
    struct Cas {
        int type;
        Coord a, b;
        const char* genre;
        Rect attendu;
    } cas[] = {
        // Les genres du second menu : le champ sur le rectangle, la case et le choix au point
        // d'appui.
        {TYPE_SAISIE, bd, hg, "CSaisie", MakeRect(193, 70, 293, 170)},
        {TYPE_COCHE_LEGENDEE, bd, hg, "CCoche", MakeRect(293, 170, 439, 202)},
        {TYPE_RADIO, hg, bd, "CRadio", MakeRect(193, 70, 268, 102)},
        // Le rectangle demandé est (193,70)-(293,170) ; le bouton prend sa largeur minimale
        // et sa hauteur d'image.
        {TYPE_BOUTON, bd, hg, "CBouton", MakeRect(193, 70, 350, 165)},
        {TYPE_BOUTON, hg, bd, "CBouton", MakeRect(193, 70, 350, 165)},
        {TYPE_BOUTON, hd, bg, "CBouton", MakeRect(193, 70, 350, 165)},
        {TYPE_BOUTON, bg, hd, "CBouton", MakeRect(193, 70, 350, 165)},
        {TYPE_TEXTE, bd, hg, "CTexte", MakeRect(193, 70, 293, 170)},
        {TYPE_TEXTE, hg, bd, "CTexte", MakeRect(193, 70, 293, 170)},
        {TYPE_TEXTE, hd, bg, "CTexte", MakeRect(193, 70, 293, 170)},
        {TYPE_TEXTE, bg, hd, "CTexte", MakeRect(193, 70, 293, 170)},
        {TYPE_IMAGE, bd, hg, "CImage", MakeRect(193, 70, 293, 170)},
        {TYPE_IMAGE, hg, bd, "CImage", MakeRect(193, 70, 293, 170)},
        {TYPE_IMAGE, hd, bg, "CImage", MakeRect(193, 70, 293, 170)},
        {TYPE_IMAGE, bg, hd, "CImage", MakeRect(193, 70, 293, 170)},
        // Case et barre se posent au point d'appui, pas au coin haut-gauche du glissement.
        {TYPE_COCHE, bd, hg, "CCoche", MakeRect(293, 170, 325, 202)},
        {TYPE_COCHE, hg, bd, "CCoche", MakeRect(193, 70, 225, 102)},
        {TYPE_COCHE, hd, bg, "CCoche", MakeRect(293, 70, 325, 102)},
        {TYPE_COCHE, bg, hd, "CCoche", MakeRect(193, 170, 225, 202)},
        {TYPE_PROGRESSION, bd, hg, "CProgression", MakeRect(293, 170, 393, 207)},
        {TYPE_PROGRESSION, hg, bd, "CProgression", MakeRect(193, 70, 293, 107)},
        {TYPE_PROGRESSION, hd, bg, "CProgression", MakeRect(293, 70, 393, 107)},
        {TYPE_PROGRESSION, bg, hd, "CProgression", MakeRect(193, 170, 293, 207)},
        // Plus large que le minimum, le bouton garde la largeur demandée ; plus étroite, la
        // barre prend la sienne.
        {TYPE_BOUTON, {520, 400}, {250, 130}, "CBouton", MakeRect(243, 100, 513, 195)},
        {TYPE_PROGRESSION, {130, 100}, {100, 140}, "CProgression", MakeRect(123, 70, 175, 107)},
    };
    ASSERT_NO_FATAL_FAILURE(pourChaqueCas(cas, [&](const Cas& c) {
        SCOPED_TRACE(std::string(c.genre) + " " + decrit(Rect{c.a, c.b}));
        choisit(c.type);
        const size_t avant = enfants().size();
        glisse(c.a, c.b);
        ASSERT_EQ(enfants().size(), avant + 1);
        CObjetGDI* nouveau = enfants().front();
        EXPECT_STREQ(genre(nouveau), c.genre);
        EXPECT_EQ(decrit(nouveau->limites), decrit(c.attendu));
        EXPECT_EQ(objetSelectionne, nouveau);
        EXPECT_EQ(fenetre->typeAAjouter, TYPE_SELECTION);
        EXPECT_FALSE(boutonEnfonce);
        // Posé, l'objet se dessine mais ne réagit plus à rien.
        for (int e = 0; e < EVT_DESSIN; ++e)
            EXPECT_EQ(nouveau->evenements[e].nombre, 0) << "liste " << e;
        EXPECT_GT(nouveau->evenements[EVT_DESSIN].nombre, 0);
    }));

    // Les valeurs de départ de chaque genre, lues sur les derniers objets posés.
    std::vector<CObjetGDI*> v = enfants();
    CProgression* barre = dynamic_cast<CProgression*>(v[0]);
    ASSERT_NE(barre, nullptr);
    EXPECT_TRUE(barre->modifiable);
    EXPECT_EQ(barre->minimum, 0);
    EXPECT_EQ(barre->valeur, 50);
    EXPECT_EQ(barre->maximum, 100);
    CBouton* bouton = dynamic_cast<CBouton*>(v[1]);
    ASSERT_NE(bouton, nullptr);
    EXPECT_EQ(bouton->texte, TEXTE_BOUTON_CREE);
    CCoche* coche = dynamic_cast<CCoche*>(v[6]);
    ASSERT_NE(coche, nullptr);
    EXPECT_FALSE(coche->cochee);
    CImage* image = dynamic_cast<CImage*>(v[10]);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->texture, TEXTURE_MOI);
    EXPECT_EQ(decrit(Rect{image->imageHautGauche, image->imageBasDroite}),
              decrit(MakeRect(0, 0, 256, 256)));
    CTexte* texte = dynamic_cast<CTexte*>(v[14]);
    ASSERT_NE(texte, nullptr);
    EXPECT_EQ(texte->texte, TEXTE_ZONE_CREEE);
    // Les trois du second menu, par les lignes que l'export en écrit.
    EXPECT_EQ(ligneObjet(v[v.size() - 1]) + ligneObjet(v[v.size() - 2]) +
                  ligneObjet(v[v.size() - 3]),
              "\tajouteObjetGDI(new CSaisie(MakeRect(193,70,293,170), \"\", 255)) ;\n"
              "\tajouteObjetGDI(new CCoche(MakeCoord(293,170), false, COCHE_SKIN_DEFAUT, "
              "\"Case \\xE0 cocher\")) ;\n"
              "\tajouteObjetGDI(new CRadio(MakeCoord(193,70), \"Choix\", 0)) ;\n");
}

TEST_F(EditionSouris, GlissementsDeDixEtOnzePixels)
{
    struct Cas {
        Coord a, b;
        bool cree;
        Rect attendu;
    } cas[] = {
        {{100, 100}, {110, 150}, false, {}}, // 10 de large
        {{100, 100}, {150, 110}, false, {}}, // 10 de haut
        {{100, 100}, {90, 89}, false, {}},   // 10 de large vers la gauche
        {{100, 100}, {111, 111}, true, MakeRect(93, 70, 104, 81)},
        {{100, 100}, {89, 89}, true, MakeRect(82, 59, 93, 70)},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        SCOPED_TRACE(decrit(Rect{c.a, c.b}));
        if (fenetre->typeAAjouter != TYPE_TEXTE)
            choisit(TYPE_TEXTE);
        const size_t avant = enfants().size();
        glisse(c.a, c.b);
        EXPECT_EQ(enfants().size(), avant + (c.cree ? 1 : 0));
        if (c.cree) {
            EXPECT_EQ(decrit(enfants().front()->limites), decrit(c.attendu));
            EXPECT_EQ(fenetre->typeAAjouter, TYPE_SELECTION);
        } else {
            // Le mode de création reste : l'utilisateur peut recommencer.
            EXPECT_EQ(fenetre->typeAAjouter, TYPE_TEXTE);
            EXPECT_EQ(objetSelectionne, nullptr);
        }
    });
    // En mode sélection, un glissement dans le vide ne crée rien.
    const size_t avant = enfants().size();
    glisse({400, 400}, {600, 600});
    EXPECT_EQ(enfants().size(), avant);
    EXPECT_EQ(objetSelectionne, nullptr);
}

TEST_F(EditionSouris, DeplacementEtRedimensionnement)
{
    // L'image (100,100)-(200,180) en coordonnées client, (107,130)-(207,210) à l'écran.
    const Rect depart = MakeRect(100, 100, 200, 180);
    struct Cas {
        const char* nom;
        Coord appui, arrivee;
        Coord poignee;
        Rect attendu;
        bool resteSelectionne;
    } cas[] = {
        {"milieu : déplacement", {157, 170}, {120, 300}, {0, 0}, MakeRect(63, 230, 163, 310), true},
        {"hors de la zone client", {157, 170}, {20, 35}, {0, 0}, MakeRect(-37, -35, 63, 45), true},
        {"à 5 du bord gauche : déplacement",
         {112, 170},
         {122, 170},
         {0, 0},
         MakeRect(110, 100, 210, 180),
         true},
        {"bord gauche", {111, 170}, {60, 150}, {-1, 0}, MakeRect(53, 100, 200, 180), true},
        {"bord droit", {203, 170}, {250, 150}, {1, 0}, MakeRect(100, 100, 243, 180), true},
        {"bord haut", {150, 134}, {140, 100}, {0, -1}, MakeRect(100, 70, 200, 180), true},
        {"bord bas", {150, 206}, {140, 300}, {0, 1}, MakeRect(100, 100, 200, 270), true},
        {"coin haut-gauche", {108, 131}, {90, 120}, {-1, -1}, MakeRect(83, 90, 200, 180), true},
        {"coin haut-droit", {206, 131}, {300, 50}, {1, -1}, MakeRect(100, 20, 293, 180), true},
        {"coin bas-gauche", {108, 209}, {50, 400}, {-1, 1}, MakeRect(43, 100, 200, 370), true},
        {"coin bas-droit", {206, 209}, {300, 300}, {1, 1}, MakeRect(100, 100, 293, 270), true},
        // Au-delà du bord opposé, l'objet garde 11 pixels et ce bord ne bouge pas.
        {"gauche passé la droite",
         {109, 170},
         {400, 170},
         {-1, 0},
         MakeRect(189, 100, 200, 180),
         true},
        {"droite passé la gauche",
         {205, 170},
         {20, 170},
         {1, 0},
         MakeRect(100, 100, 111, 180),
         true},
        {"haut passé le bas", {150, 132}, {150, 600}, {0, -1}, MakeRect(100, 169, 200, 180), true},
        {"bas passé le haut", {150, 208}, {150, 0}, {0, 1}, MakeRect(100, 100, 200, 111), true},
        // Juste dehors, le bord reste saisissable ; à 5 pixels, la sélection se perd.
        {"3 dehors à droite", {210, 170}, {260, 170}, {1, 0}, MakeRect(100, 100, 253, 180), true},
        {"4 dehors en bas", {150, 214}, {150, 250}, {0, 1}, MakeRect(100, 100, 200, 220), true},
        {"5 dehors à droite", {212, 170}, {260, 170}, {0, 0}, depart, false},
        // Les quatre bords à 5 pixels pile : dedans, l'objet se déplace ; dehors, la sélection
        // se perd.
        {"à 5 du bord droit : déplacement",
         {202, 170},
         {215, 174},
         {0, 0},
         MakeRect(113, 104, 213, 184),
         true},
        {"à 5 du bord haut : déplacement",
         {150, 135},
         {163, 142},
         {0, 0},
         MakeRect(113, 107, 213, 187),
         true},
        {"à 5 du bord bas : déplacement",
         {150, 205},
         {141, 199},
         {0, 0},
         MakeRect(91, 94, 191, 174),
         true},
        {"5 dehors à gauche", {102, 170}, {60, 170}, {0, 0}, depart, false},
        {"5 dehors en haut", {150, 125}, {150, 100}, {0, 0}, depart, false},
        {"5 dehors en bas", {150, 215}, {150, 260}, {0, 0}, depart, false},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        CObjetGDI* image = poseImage(depart);
        va(c.appui);
        appuie();
        EXPECT_EQ(poignee, c.poignee);
        EXPECT_EQ(objetSelectionne, c.resteSelectionne ? image : nullptr);
        va(c.arrivee);
        tic(); // une mise à jour sans mouvement ne change rien de plus
        relache();
        tic();
        EXPECT_EQ(decrit(image->limites), decrit(c.attendu));
        EXPECT_EQ(objetSelectionne, c.resteSelectionne ? image : nullptr);
        EXPECT_FALSE(boutonEnfonce);
        // Le redimensionnement n'atteint que la sélection, et la fenêtre reste plein écran.
        EXPECT_TRUE(fenetre->estPleinEcran());
        objetSelectionne = image;
        touche(TOUCHE_SUPPR);
    });
    EXPECT_TRUE(enfants().empty());
}

TEST_F(EditionSouris, BordDeLaFenetre)
{
    const Rect pleinEcran = fenetre->limites;
    EXPECT_EQ(decrit(pleinEcran), decrit(MakeRect(0, 0, 1030, 777)));
    // Bord bas saisi loin de tout objet, puis remonté jusqu'à y = 499.
    va(500, 760);
    appuie();
    EXPECT_EQ(objetSelectionne, fenetre);
    EXPECT_EQ(poignee, MakeCoord(0, 1));
    va(500, 499);
    relache();
    EXPECT_EQ(decrit(fenetre->limites), decrit(MakeRect(0, 0, 1024, 500)));
    EXPECT_EQ(objetSelectionne, nullptr);
    EXPECT_FALSE(boutonEnfonce);
    EXPECT_FALSE(fenetre->estPleinEcran());

    // + et - pendant le glissement du bord ne touchent pas à la liste des enfants.
    va(500, 490);
    appuie();
    ASSERT_EQ(objetSelectionne, fenetre);
    touche(TOUCHE_PLUS);
    touche(TOUCHE_MOINS);
    EXPECT_TRUE(enfants().empty());
    // Redescendu au bas de l'écran, la fenêtre redevient plein écran.
    va(500, 767);
    tic();
    relache();
    EXPECT_EQ(decrit(fenetre->limites), decrit(pleinEcran));
    EXPECT_TRUE(fenetre->estPleinEcran());

    // Le coin droit-bas : les deux bords, et la limite de l'écran.
    struct Cas {
        Coord appui, arrivee;
        Coord poignee;
        Rect attendu;
    } cas[] = {
        {{1015, 760}, {599, 399}, {1, 1}, MakeRect(0, 0, 600, 400)},
        {{590, 200}, {799, 300}, {1, 0}, MakeRect(0, 0, 800, 400)},
        // Jamais plus petite que son cadre.
        {{795, 395}, {3, 3}, {1, 1}, MakeRect(0, 0, 50, 46)},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        va(c.appui);
        appuie();
        EXPECT_EQ(poignee, c.poignee);
        va(c.arrivee);
        relache();
        EXPECT_EQ(decrit(fenetre->limites), decrit(c.attendu));
    });
}

TEST_F(EditionSouris, BordDroitSeulDepuisLePleinEcranBorneAussiLeBas)
{
    // Plein écran, le bas est à 768 + 9 : tirer le seul bord droit le ramène aussi à l'écran.
    ASSERT_EQ(decrit(fenetre->limites), decrit(MakeRect(0, 0, 1030, 777)));
    va(1015, 300);
    appuie();
    ASSERT_EQ(objetSelectionne, fenetre);
    ASSERT_EQ(poignee, MakeCoord(1, 0));
    va(799, 300);
    relache();
    EXPECT_EQ(decrit(fenetre->limites), decrit(MakeRect(0, 0, 800, 768)));
    touche(TOUCHE_ECHAP);
    ASSERT_EQ(nombreFins, 1);
    const std::vector<std::string> lignes = lignesFichier(NOM_FICHIER_SOURCE);
    ASSERT_GE(lignes.size(), 4u);
    EXPECT_EQ(lignes[3], "\tsetLimites(MakeRect(0,0,800,768)) ;");
}

TEST_F(EditionSouris, DessinDeLaSelectionEtDeLElastique)
{
    poseImage(MakeRect(100, 100, 200, 181));
    enregistreur::efface();
    declenche(racine->evenements[EVT_DESSIN], racine);
    // Le contour 4 pixels plus haut et plus à gauche : (103,126)-(203,207) à l'écran, puis
    // huit poignées centrées sur ses coins et ses milieux, par-dessus tout le reste.
    const Couleur rouge = {255, 0, 0, 255}, contour = {180, 0, 0, 255};
    std::vector<std::string> attendu =
        traitGL(4, contour, {{103, 126}, {203, 126}, {203, 207}, {103, 207}});
    const Coord centres[] = {{103, 126}, {203, 126}, {103, 207}, {203, 207},
                             {153, 126}, {153, 207}, {103, 166}, {203, 166}};
    for (Coord c : centres) {
        const std::vector<std::string> point =
            traitGL(8, rouge, {c - MakeCoord(4, 0), c + MakeCoord(4, 0)});
        attendu.insert(attendu.end(), point.begin(), point.end());
    }
    EXPECT_EQ(derniersAppels(attendu.size()), attendu);

    // Appui dans le vide : plus de sélection, un élastique noir translucide tant qu'on tient.
    va(600, 300);
    appuie();
    va(500, 350);
    enregistreur::efface();
    declenche(racine->evenements[EVT_DESSIN], racine);
    attendu = traitGL(3, {0, 0, 0, 150}, {{500, 300}, {600, 300}, {600, 350}, {500, 350}});
    EXPECT_EQ(derniersAppels(attendu.size()), attendu);
    relache();
    EXPECT_EQ(objetSelectionne, nullptr);

    // Pendant le glissement du bord, le contour suit la fenêtre elle-même, 4 pixels plus haut
    // et plus à gauche, et non décalé de ses marges.
    va(500, 760);
    appuie();
    va(599, 399);
    tic();
    ASSERT_EQ(objetSelectionne, fenetre);
    enregistreur::efface();
    declenche(racine->evenements[EVT_DESSIN], racine);
    attendu = traitGL(4, contour, {{-4, -4}, {1020, -4}, {1020, 396}, {-4, 396}});
    const std::vector<std::string> t = enregistreur::textes();
    EXPECT_NE(std::search(t.begin(), t.end(), attendu.begin(), attendu.end()), t.end());
    relache();
}

TEST_F(EditionSouris, RelacheHorsDeLaFenetreReduite)
{
    // Fenêtre réduite à (0,0)-(600,400) par son coin.
    glisse({1015, 760}, {599, 399});
    ASSERT_EQ(decrit(fenetre->limites), decrit(MakeRect(0, 0, 600, 400)));

    // Bord bas tiré puis relâché à droite de la fenêtre : le glissement finit là.
    va(300, 395);
    appuie();
    ASSERT_EQ(poignee, MakeCoord(0, 1));
    va(800, 450);
    relache();
    EXPECT_EQ(decrit(fenetre->limites), decrit(MakeRect(0, 0, 600, 451)));
    EXPECT_FALSE(boutonEnfonce);
    EXPECT_EQ(objetSelectionne, nullptr);
    va(800, 600);
    tic();
    EXPECT_EQ(decrit(fenetre->limites), decrit(MakeRect(0, 0, 600, 451)));

    // Glissement de création relâché dehors : rien n'est créé, ni maintenant ni au clic
    // suivant dans la fenêtre.
    choisit(TYPE_TEXTE);
    va(100, 100);
    appuie();
    va(700, 300);
    relache();
    EXPECT_FALSE(boutonEnfonce);
    clique({200, 200});
    EXPECT_TRUE(enfants().empty());
    EXPECT_EQ(fenetre->typeAAjouter, TYPE_TEXTE);

    // Objet déplacé puis relâché dehors : il ne suit plus la souris bouton levé.
    glisse({100, 100}, {200, 200});
    CObjetGDI* texte = objetSelectionne;
    ASSERT_NE(texte, nullptr);
    va(150, 150);
    appuie();
    va(750, 150);
    relache();
    const Rect lache = texte->limites;
    EXPECT_EQ(decrit(lache), decrit(MakeRect(693, 70, 793, 170)));
    va(900, 350);
    tic();
    EXPECT_EQ(decrit(texte->limites), decrit(lache));
    EXPECT_EQ(objetSelectionne, texte);
}

TEST_F(EditionSouris, RelacheSousUnMenuOuUneAideOuvertsPendantLeGlissement)
{
    // Un menu ou une aide ouverts bouton tenu restent devant : le relâchement ne pose rien
    // par-dessus eux, et une icône cliquée ensuite ne laisse pas la sélection sur un menu détruit.
    struct Cas {
        const char* nom;
        bool menu; // Espace ouvre le menu ; sinon F1 ouvre l'aide
        int type;  // mode du glissement
    } cas[] = {
        {"menu, création", true, TYPE_TEXTE},
        {"aide, création", false, TYPE_IMAGE},
        {"menu, élastique", true, TYPE_SELECTION},
    };
    pourChaqueCas(cas, [&](const Cas& c) {
        if (c.type != TYPE_SELECTION)
            choisit(c.type);
        va(100, 100);
        appuie();
        va(300, 250);
        tic();
        if (c.menu)
            touche(TOUCHE_ESPACE);
        else
            speciale(TOUCHE_F1);
        tic();
        relache();
        tic();
        ASSERT_EQ(enfants().size(), 1u);
        CObjetGDI* devant = enfants().front();
        EXPECT_EQ(dynamic_cast<CSelectionObjetGDI*>(devant) != nullptr, c.menu);
        EXPECT_EQ(dynamic_cast<CFenetre*>(devant) != nullptr, !c.menu);
        EXPECT_FALSE(boutonEnfonce);
        EXPECT_EQ(objetSelectionne, nullptr);
        // Le mode reste : l'utilisateur peut recommencer son glissement.
        EXPECT_EQ(fenetre->typeAAjouter, c.type);
        if (c.menu)
            clique(centreIcone(TYPE_COCHE));
        else
            fermeAide();
        tic();
        EXPECT_TRUE(enfants().empty());
        EXPECT_EQ(objetSelectionne, nullptr);
        fenetre->typeAAjouter = TYPE_SELECTION;
    });
}
