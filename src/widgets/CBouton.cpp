// Bouton poussoir : construction, taille selon l'habillage, aspects et dessin des trois modes.
#include "widgets/CBouton.h"

#include "render/PilesDessin.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "text/StyleTexte.h"
#include "text/Texte.h"

namespace
{
const Coord SANS_MARGE = {-1, -1};
const Couleur AUCUNE = {0, 0, 0, 0};

// Une ligne inconnue donne un bouton sans texture ni taille : il ne lit rien hors de la table
// et ne dessine rien.
const SkinBouton SKIN_INCONNU = {-1,     true,   true,       {0, 0, 0, 0}, {0, 0, 0, 0},
                                 false,  {0, 0}, {0, 0},     {0, 0},       AUCUNE,
                                 AUCUNE, AUCUNE, SANS_MARGE, SANS_MARGE};

const SkinBouton& ligne(int indice)
{
    if (indice < 0 || indice >= NOMBRE_SKINS_BOUTON)
        return SKIN_INCONNU;
    return skinsBouton[indice];
}

// Le coin bas-droit de l'image d'une ligne, posée en position.
Rect rectangleImage(Coord position, const SkinBouton& s)
{
    return Rect{position,
                position + MakeCoord(s.decoupeX[3] - s.decoupeX[0], s.decoupeY[3] - s.decoupeY[0])};
}
} // namespace

CBouton::CBouton(Rect r, const char* texteLegende, int indiceSkin) : skin(ligne(indiceSkin))
{
    texte = texteLegende;
    construit(r);
}

CBouton::CBouton(Rect r, int indiceSkin) : CBouton(r, nullptr, indiceSkin)
{
}

CBouton::CBouton(Coord position, int indiceSkin) : skin(ligne(indiceSkin))
{
    construit(rectangleImage(position, skin));
}

CBouton::CBouton(Coord position, int texture, Coord sourceHautGauche, Coord sourceBasDroite,
                 Coord decalageSurvol, Coord decalageAppui, Coord enfoncement)
    : skin{texture,
           true,
           true,
           {sourceHautGauche.x, 0, 0, sourceBasDroite.x},
           {sourceHautGauche.y, 0, 0, sourceBasDroite.y},
           false,
           decalageSurvol,
           decalageAppui,
           enfoncement,
           AUCUNE,
           AUCUNE,
           AUCUNE,
           SANS_MARGE,
           SANS_MARGE}
{
    // Taille fixe : le coin bas-droit demandé ne compte pas.
    construit(Rect{position, {0, 0}});
}

void CBouton::construit(Rect demande)
{
    appuye = false;
    survole = false;
    setLimites(demande);
    ajouteGestionnaire(evenements[EVT_APPUI_GAUCHE], this, &CBouton::appuie);
    ajouteGestionnaire(evenements[EVT_CLIC_GAUCHE], this, &CBouton::relache);
    ajouteGestionnaire(evenements[EVT_SURVOL], this, &CBouton::survol);
    ajouteGestionnaire(evenements[EVT_SURVOL_APPUYE], this, &CBouton::appuie);
    ajouteGestionnaire(evenements[EVT_APPUYE_DEHORS], this, &CBouton::relache);
    ajouteGestionnaire(evenements[EVT_MISE_A_JOUR], this, &CBouton::finSurvol);
    ajouteGestionnaire(evenements[EVT_DESSIN], this, &CBouton::dessine);
}

void CBouton::setLimites(Rect r)
{
    const int largeurImage = skin.decoupeX[3] - skin.decoupeX[0];
    const int hauteurImage = skin.decoupeY[3] - skin.decoupeY[0];
    if (skin.tailleFixe) {
        limites = rectangleImage(r.hautGauche, skin);
    } else if (skin.largeurVariable) {
        // Jamais plus étroit que les deux bouts et un peu de milieu.
        int16_t w = r.largeur();
        const int16_t minimum = coupe16(largeurImage - 2);
        if (w < minimum)
            w = minimum;
        limites = Rect{r.hautGauche, r.hautGauche + MakeCoord(w, hauteurImage)};
    } else {
        limites = r;
    }
}

void CBouton::appuie(CObjetGDI* /*emetteur*/)
{
    appuye = true;
}

void CBouton::relache(CObjetGDI* /*emetteur*/)
{
    appuye = false;
}

void CBouton::survol(CObjetGDI* /*emetteur*/)
{
    survole = true;
}

void CBouton::finSurvol(CObjetGDI* /*emetteur*/)
{
    survole = false;
}

void CBouton::dessine(CObjetGDI* /*emetteur*/)
{
    const Coord d = appuye ? skin.decalageAppui : survole ? skin.decalageSurvol : Coord{0, 0};
    int X[4], Y[4];
    for (int i = 0; i < 4; ++i) {
        X[i] = skin.decoupeX[i] + d.x;
        Y[i] = skin.decoupeY[i] + d.y;
    }
    const int W = limites.largeur();
    const int H = limites.hauteur();

    empileOrigine(limites.hautGauche + (appuye ? skin.enfoncement : Coord{0, 0}));
    // Un habillage sans texture du jeu n'a pas d'image : seule sa légende se dessine.
    if (skin.texture >= 0 && skin.texture < NOMBRE_TEXTURES) {
        if (skin.tailleFixe)
            dessineImage(skin.texture, {0, 0}, MakeCoord(X[0], Y[0]),
                         MakeCoord(X[3] + 1, Y[3] + 1));
        else if (skin.largeurVariable)
            dessineBarre(X, Y, W);
        else
            dessineQuatreBords(X, Y, W, H);
    }
    dessineLegende(W, H);
    depileOrigine();
}

namespace
{
// Pose des tuiles de largeur pasX et de hauteur pasY, de (0,0) à (nx, ny) inclus, à partir de
// depart ; le découpage de l'appelant coupe la dernière rangée.
void pave(int texture, Coord depart, Coord source1, Coord source2, int pasX, int nx, int pasY,
          int ny)
{
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i)
            dessineImage(texture, depart + MakeCoord(i * pasX, j * pasY), source1, source2);
}
} // namespace

void CBouton::dessineBarre(const int X[4], const int Y[4], int W)
{
    const int t = skin.texture;
    const int gauche = X[1] - X[0]; // largeur du bout gauche
    const int droite = X[3] - X[2]; // largeur du bout droit
    dessineImage(t, {0, 0}, MakeCoord(X[0], Y[0]), MakeCoord(X[1], Y[3] + 1));
    dessineImage(t, MakeCoord(W - droite, 0), MakeCoord(X[2] + 1, Y[0]),
                 MakeCoord(X[3] + 1, Y[3] + 1));

    const int tuile = X[2] - X[1] - 1;
    // Une tuile sans largeur ne se répète pas : le milieu est alors étiré.
    if (skin.etire || tuile <= 0) {
        dessineImageEtiree(t, MakeCoord(gauche, 0), MakeCoord(W - droite, Y[3] - Y[0] + 1),
                           MakeCoord(X[1] + 2, Y[0]), MakeCoord(X[2] - 1, Y[3] + 1));
        return;
    }
    // Le découpage descend jusqu'au bas de l'image, comme les bouts et le milieu étiré : à la
    // hauteur de limites, il retrancherait aux tuiles leur dernière ligne.
    empileDecoupage(MakeCoord(gauche, 0), MakeCoord(W - droite, Y[3] - Y[0] + 1));
    const int n = (W - gauche - droite) / tuile;
    pave(t, MakeCoord(gauche, 0), MakeCoord(X[1] + 1, Y[0]), MakeCoord(X[2], Y[3] + 1), tuile, n, 0,
         0);
    depileDecoupage();
}

void CBouton::dessineQuatreBords(const int X[4], const int Y[4], int W, int H)
{
    const int t = skin.texture;
    const int Lw = X[1] - X[0], Rw = X[3] - X[2];
    const int Th = Y[1] - Y[0], Bh = Y[3] - Y[2];
    const int tw = X[2] - X[1] - 1, th = Y[2] - Y[1] - 1;
    // Chaque pièce répétée dont la tuile n'a pas de taille est étirée à la place.
    const bool etireLargeur = skin.etire || tw <= 0;
    const bool etireHauteur = skin.etire || th <= 0;
    const int nx = etireLargeur ? 0 : (W - Lw - Rw) / tw;
    const int ny = etireHauteur ? 0 : (H - Th - Bh) / th;

    // Haut et bas.
    if (etireLargeur) {
        dessineImageEtiree(t, MakeCoord(Lw, 0), MakeCoord(W - Rw, Th), MakeCoord(X[1] + 2, Y[0]),
                           MakeCoord(X[2] - 1, Y[1]));
        dessineImageEtiree(t, MakeCoord(Lw, H - Bh), MakeCoord(W - Rw, H),
                           MakeCoord(X[1] + 2, Y[2] + 1), MakeCoord(X[2] - 1, Y[3] + 1));
    } else {
        empileDecoupage(MakeCoord(Lw, 0), MakeCoord(W - Rw, H));
        for (int i = 0; i <= nx; ++i) {
            dessineImage(t, MakeCoord(Lw + i * tw, 0), MakeCoord(X[1] + 1, Y[0]),
                         MakeCoord(X[2], Y[1]));
            dessineImage(t, MakeCoord(Lw + i * tw, H - Bh), MakeCoord(X[1] + 1, Y[2] + 1),
                         MakeCoord(X[2], Y[3] + 1));
        }
        depileDecoupage();
    }

    // Gauche et droite.
    if (etireHauteur) {
        dessineImageEtiree(t, MakeCoord(0, Th), MakeCoord(Lw, H - Bh), MakeCoord(X[0], Y[1] + 2),
                           MakeCoord(X[1], Y[2] - 1));
        dessineImageEtiree(t, MakeCoord(W - Rw, Th), MakeCoord(W, H - Bh),
                           MakeCoord(X[2] + 1, Y[1] + 2), MakeCoord(X[3] + 1, Y[2] - 1));
    } else {
        empileDecoupage(MakeCoord(0, Th), MakeCoord(W, H - Bh));
        for (int j = 0; j <= ny; ++j) {
            dessineImage(t, MakeCoord(0, Th + j * th), MakeCoord(X[0], Y[1] + 1),
                         MakeCoord(X[1], Y[2]));
            dessineImage(t, MakeCoord(W - Rw, Th + j * th), MakeCoord(X[2] + 1, Y[1] + 1),
                         MakeCoord(X[3] + 1, Y[2]));
        }
        depileDecoupage();
    }

    // Centre.
    if (etireLargeur || etireHauteur) {
        dessineImageEtiree(t, MakeCoord(Lw, Th), MakeCoord(W - Rw, H - Bh),
                           MakeCoord(X[1] + 2, Y[1] + 2), MakeCoord(X[2] - 1, Y[2] - 1));
    } else {
        empileDecoupage(MakeCoord(Lw, Th), MakeCoord(W - Rw, H - Bh));
        pave(t, MakeCoord(Lw, Th), MakeCoord(X[1] + 1, Y[1] + 1), MakeCoord(X[2], Y[2]), tw, nx, th,
             ny);
        depileDecoupage();
    }
}

void CBouton::dessineLegende(int W, int H)
{
    if (!texte ||
        (skin.margeTexteHautGauche == SANS_MARGE && skin.margeTexteBasDroite == SANS_MARGE))
        return;
    const Couleur couleur = appuye    ? skin.couleurTexteAppui
                            : survole ? skin.couleurTexteSurvol
                                      : skin.couleurTexte;
    const Couleur avant = styleCourant().couleur;
    styleCourant().couleur = couleur;
    // Une légende est un texte conservé : ses '%' se dessinent tels quels.
    afficheTexteLitteral(skin.margeTexteHautGauche,
                         MakeCoord(W - skin.margeTexteBasDroite.x, H - skin.margeTexteBasDroite.y),
                         texte);
    styleCourant().couleur = avant;
}
