// Aperçu des objets : une vraie fenêtre de la boîte à outils, un objet de chaque sorte, menée
// par les rappels d'entrée puis dessinée par Mesa hors écran et écrite en PNG.
#include "CaptureEGL.h"
#include "Wexo.h"
#include "application/Entrees.h"
#include "containers/CFenetre.h"
#include "editor/Editeur.h"

#include <GL/gl.h>

#include <cstdio>
#include <vector>

namespace
{
// Coin d'un objet dans l'écran : la fenêtre est directement sous la racine.
Coord surEcran(const CFenetre& f, const CObjetGDI& o, int dx, int dy)
{
    return MakeCoord(f.limites.hautGauche.x + f.skin.margeGauche + o.limites.hautGauche.x + dx,
                     f.limites.hautGauche.y + f.skin.margeHaut + o.limites.hautGauche.y + dy);
}

void bouge(Coord p)
{
    mouvementSouris(p.x, p.y);
}

void clique(Coord p)
{
    bouge(p);
    boutonSouris(BOUTON_GAUCHE, ETAT_ENFONCE, p.x, p.y);
    boutonSouris(BOUTON_GAUCHE, ETAT_RELACHE, p.x, p.y);
}
} // namespace

int main(int argc, char** argv)
{
    const char* sortie = argc > 1 ? argv[1] : "apercu-objets.png";
    if (!demarreCapture())
        return 1;

    // La racine plein écran, sans cadre, et une fenêtre beige au milieu.
    CContainer* fond = new CContainer(-1);
    fond->limites = PLEIN_ECRAN;
    racine = fond;
    CFenetre* fenetre = new CFenetre(CONTAINER_SKIN_BEIGE);
    fenetre->setLimites(MakeRect(0, 0, 640, 410));

    CBouton* normal =
        new CBouton(MakeRect(10, 12, 200, 0), "<centre>Normal", BOUTON_SKIN_ROND_VARIABLE);
    CBouton* survole =
        new CBouton(MakeRect(210, 12, 400, 0), "<centre>Survol\xE9", BOUTON_SKIN_ROND_VARIABLE);
    CBouton* appuye =
        new CBouton(MakeRect(410, 12, 600, 0), "<centre>Appuy\xE9", BOUTON_SKIN_ROND_VARIABLE);
    CCoche* coche = new CCoche(MakeCoord(16, 130), false, COCHE_SKIN_DEFAUT,
                               "Case coch\xE9"
                               "e");
    CCoche* vide = new CCoche(MakeCoord(16, 176), false, COCHE_SKIN_DEFAUT, "Case vide");
    CRadio* petit = new CRadio(MakeCoord(450, 284), "Choix fait", 1);
    CRadio* grand = new CRadio(MakeCoord(450, 322), "Choix au focus", 1);
    CProgression* barre =
        new CProgression(MakeCoord(210, 134), 220, true, 0, 0, 100, PROGRESSION_SKIN_DEFAUT);
    // La légende de la barre montre la valeur que le glissement aura posée.
    static char texteBarre[64] = "";
    CTexte* legendeBarre = new CTexte(MakeRect(214, 182, 440, 204), texteBarre);
    CImage* image = new CImage(MakeRect(450, 120, 600, 270), TEXTURE_MOI);
    CTexte* zone = new CTexte(
        MakeRect(16, 236, 430, 350),
        "<taille='16'>Zone de texte : <b>gras</b>, <i>italique</i>, <u>soulign\xE9</u>, "
        "<barre>barr\xE9</barre>, <couleur='0,120,110'>couleur</couleur>.<br>"
        "Accents \xE9\xE8\xEA\xE0\xE7\xF4 \xC9\xC0\xC7, 100 % litt\xE9ral, coup\xE9 au bord "
        "du rectangle qui lui est donn\xE9.");

    for (CObjetGDI* o : std::vector<CObjetGDI*>{zone, image, legendeBarre, barre, vide, coche,
                                                petit, grand, appuye, survole, normal})
        fenetre->ajouteObjetGDI(o);
    fond->ajouteObjetGDI(fenetre);

    // Les gestes passent par les rappels d'entrée, comme sous GLUT : un clic coche la case, un
    // glissement règle la barre, puis un appui reste tenu sur le troisième bouton.
    clique(surEcran(*fenetre, *coche, 12, 12));
    bouge(surEcran(*fenetre, *barre, 20, 18));
    boutonSouris(BOUTON_GAUCHE, ETAT_ENFONCE, 0, 0);
    bouge(surEcran(*fenetre, *barre, 140, 22));
    boutonSouris(BOUTON_GAUCHE, ETAT_RELACHE, 0, 0);
    clique(surEcran(*fenetre, *petit, 12, 12));
    bouge(surEcran(*fenetre, *appuye, 165, 62));
    boutonSouris(BOUTON_GAUCHE, ETAT_ENFONCE, 0, 0);
    // Une seule souris : le survol du deuxième bouton est l'événement qu'une seconde souris
    // ferait tirer par la fenêtre.
    declenche(survole->evenements[EVT_SURVOL], survole);
    // L'appui a donné le focus au bouton : il passe au second choix, qui montre son cadre.
    fenetre->donneFocus(grand);
    std::snprintf(texteBarre, sizeof texteBarre,
                  "R\xE9gl\xE9"
                  "e \xE0 la souris : %d",
                  int(barre->valeur));

    affichage();
    glFinish();
    const bool ecrit = ecritPNG(sortie, fenetre->limites);
    std::printf("%s : fenêtre (%d,%d)-(%d,%d), barre à %d\n", ecrit ? sortie : "ÉCHEC",
                fenetre->limites.hautGauche.x, fenetre->limites.hautGauche.y,
                fenetre->limites.basDroite.x, fenetre->limites.basDroite.y, barre->valeur);
    delete fond;
    racine = nullptr;
    return ecrit ? 0 : 1;
}
