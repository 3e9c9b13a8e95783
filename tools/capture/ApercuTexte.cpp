// Aperçu du texte : le texte balisé de la boîte à outils dessiné avec Police0 (aide de l'éditeur,
// styles, tailles, couleurs, alignements, coupure des lignes), rendu par Mesa hors écran en PNG.
#include "CaptureEGL.h"
#include "Wexo.h"
#include "editor/Editeur.h"
#include "editor/EtatEditeur.h"

#include <GL/gl.h>

#include <cstdio>

namespace
{
const Couleur FOND = {237, 227, 199, 255};

// Un fond uni puis un texte posé dedans, à une marge près sur trois côtés.
void encadre(Rect r, Couleur fond, int marge, const char* texte)
{
    remplitRectangle(r.hautGauche, r.basDroite, fond);
    afficheTexteLitteral(MakeCoord(r.hautGauche.x + marge, r.hautGauche.y + marge),
                         MakeCoord(r.basDroite.x - marge, r.basDroite.y), texte);
}
} // namespace

int main(int argc, char** argv)
{
    const char* sortie = argc > 1 ? argv[1] : "texte.png";
    if (!demarreCapture())
        return 1;
    glClearColor(FOND.r / 255.0f, FOND.g / 255.0f, FOND.b / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    // L'aide de l'éditeur, telle que sa fenêtre la montre.
    encadre(MakeRect(10, 20, 484, 192), Couleur{255, 250, 235, 255}, 10, TEXTE_AIDE);

    // Deux légendes centrées sur leur bouton, claire sur foncé et foncée sur clair.
    encadre(MakeRect(600, 40, 800, 80), Couleur{90, 120, 200, 255}, 13,
            "<centre><couleur='blanc'>Bouton");
    encadre(MakeRect(600, 100, 800, 140), Couleur{200, 200, 200, 255}, 13, "<centre>Bouton");

    afficheTexteLitteral(
        MakeCoord(20, 260), MakeCoord(1004, 330),
        "Normal <b>gras</b> <i>italique</i> <u>soulign\xE9</u> <barre>barr\xE9</barre> "
        "<b><i>gras italique</i></b><br>"
        "<couleur='rouge'>rouge</couleur> <couleur='vert'>vert</couleur> "
        "<couleur='bleu'>bleu</couleur> <couleur='orange'>orange</couleur> "
        "<couleur='255,0,255'>255,0,255</couleur> <couleur='0,0,0,100'>transparent</couleur><br>"
        "<taille='8'>taille 8</taille> <taille='12'>taille 12</taille> taille 16 "
        "<taille='24'>taille 24</taille> <taille='32'>taille 32</taille>");
    // Le seul texte mis en forme comme par printf : "%d %%" y devient "42 %".
    afficheTexte(MakeCoord(20, 334), MakeCoord(1004, 360),
                 "Accents : \xE0 \xE2 \xE7 \xE8 \xE9 \xEA \xEB \xEE \xEF \xF4 \xF9 \xFB \xC0 \xC9 "
                 "\xC8 \xCA \xC7 - %d %% ponctuation ; : ! ? ' \" ( ) [ ] { }",
                 42);

    afficheTexteLitteral(MakeCoord(20, 420), MakeCoord(1004, 490),
                         "<centre>ligne centr\xE9"
                         "e<p><align='droite'>ligne \xE0 droite<p>de retour \xE0 gauche");

    encadre(
        MakeRect(20, 500, 260, 700), Couleur{230, 230, 210, 255}, 0,
        "Un texte long dans une zone \xE9troite est coup\xE9 apr\xE8s les espaces ou les "
        "traits d'union, et un motBienTropLongPourTenirSurUneLigne est coup\xE9 au caract\xE8re "
        "qui d\xE9passe.");

    glFinish();
    const bool ecrit = ecritPNG(sortie, PLEIN_ECRAN);
    std::printf("%s\n", ecrit ? sortie : "ÉCHEC");
    return ecrit ? 0 : 1;
}
