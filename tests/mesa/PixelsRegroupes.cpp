// Pixels regroupés : chaque image des scènes du banc, dessinée par Mesa hors écran en lots puis
// par le chemin de référence (chaque primitive seule), doit avoir exactement les mêmes pixels.
#include "CaptureEGL.h"
#include "Scenes.h"

#include "Wexo.h"
#include "containers/DessinObjet.h"
#include "editor/Editeur.h"
#include "render/LotGL.h"
#include "render/TailleAffichage.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
// Un affichage plus grand que l'écran de la boîte à outils, où tout est aussi comparé.
const int GRANDE_LARGEUR = 1600, GRANDE_HAUTEUR = 1000;

// L'affichage courant, pixel pour pixel, depuis le bas comme OpenGL le lit.
std::vector<unsigned char> pixels()
{
    std::vector<unsigned char> p(size_t(largeurAffichage()) * size_t(hauteurAffichage()) * 4);
    glFinish();
    glReadPixels(0, 0, largeurAffichage(), hauteurAffichage(), GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return p;
}

// Passe à un affichage de largeur x hauteur : vue et état de la boîte à outils.
void affichageDe(int largeur, int hauteur)
{
    poseTailleAffichage(largeur, hauteur);
    glViewport(0, 0, largeur, hauteur);
    prepareEtatGL();
}

// Les pixels de l'image en lots et de l'image de référence ; faux quand ils diffèrent ou que
// l'image est presque vide (rien n'aurait été comparé).
template <class Image> bool compare(const std::string& nom, Image image)
{
    regroupementGL(true);
    image();
    const std::vector<unsigned char> lots = pixels();
    regroupementGL(false);
    image();
    const std::vector<unsigned char> reference = pixels();
    regroupementGL(true);
    long differents = 0, allumes = 0;
    for (size_t i = 0; i < lots.size(); i += 4) {
        differents += lots[i] != reference[i] || lots[i + 1] != reference[i + 1] ||
                      lots[i + 2] != reference[i + 2] || lots[i + 3] != reference[i + 3];
        allumes += lots[i] || lots[i + 1] || lots[i + 2];
    }
    const bool ok = differents == 0 && allumes > 1000;
    std::printf("%s %s : %ld pixels différents, %ld allumés\n", ok ? "ok" : "ÉCHEC", nom.c_str(),
                differents, allumes);
    return ok;
}

// Des textes de toutes tailles et de tous styles : pleine taille en sommets absolus, tailles
// fractionnaires par translation, changement de taille au milieu d'une ligne.
void imageTextes()
{
    fermeLotGL();
    glClear(GL_COLOR_BUFFER_BIT);
    const char* textes[] = {
        "Seize <b>gras</b> <i>pench\xE9</i> <u>soulign\xE9</u> <barre>barr\xE9</barre>",
        "<taille='24'>Vingt-quatre <b>gras</b> <i>pench\xE9</i> <u>soulign\xE9</u>",
        "<taille='13'>Treize <b><i>les deux</i></b> puis <taille='16'>seize</taille> encore",
        "Entier puis <taille='7'>sept <u>soulign\xE9</u> <taille='31'>trente et un",
        "<centre><couleur='rouge'>Centr\xE9 rouge</couleur> <couleur='0,255,0'>vert</couleur>",
    };
    int y = 10;
    for (const char* t : textes) {
        styleCourant().couleur = Couleur{255, 255, 255, 255};
        afficheTexte(MakeCoord(10, y), MakeCoord(1000, y + 120), "%s", t);
        y += 120;
    }
    // Un glyphe entre deux copies de texels et un rectangle : chacun avec son état.
    dessineImage(TEXTURE_MOI, MakeCoord(600, 620), MakeCoord(0, 0), MakeCoord(100, 100));
    styleCourant().couleur = Couleur{255, 255, 0, 200};
    afficheTexte(MakeCoord(620, 650), MakeCoord(900, 700), "<b>sur l'image</b>");
    remplitRectangle(MakeCoord(700, 640), MakeCoord(760, 700), Couleur{0, 0, 255, 128});
    dessineImage(TEXTURE_BOUTONS, MakeCoord(720, 660), MakeCoord(0, 0), MakeCoord(60, 30));
    dessineCadre(MakeCoord(590, 610), MakeCoord(800, 730), Couleur{255, 0, 255, 255}, 3, 0xFFFF, 1);
    fermeLotGL();
}
// Un objet de programme qui dessine par OpenGL à la façon documentée : sa propre texture créée
// une fois, un quad, puis un trait de couleur unie.
class CDamier : public CObjetGDI
{
  public:
    explicit CDamier(Rect r)
    {
        limites = r;
        ajouteGestionnaire(evenements[EVT_DESSIN], this, &CDamier::dessine);
    }
    void dessine(CObjetGDI*)
    {
        static GLuint nom = 0;
        if (!nom) {
            const unsigned char texels[16] = {255, 0, 0,   255, 0,   0, 255, 255,
                                              0,   0, 255, 255, 255, 0, 0,   255};
            glGenTextures(1, &nom);
            glBindTexture(GL_TEXTURE_2D, nom);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        }
        const Coord o = origineCourante() + limites.hautGauche;
        const int x1 = o.x, y1 = HAUTEUR_ECRAN - o.y;
        const int x2 = x1 + limites.largeur(), y2 = y1 - limites.hauteur();
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, nom);
        glColor4f(1, 1, 1, 1);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 1);
        glVertex2i(x1, y1);
        glTexCoord2f(1, 1);
        glVertex2i(x2, y1);
        glTexCoord2f(1, 0);
        glVertex2i(x2, y2);
        glTexCoord2f(0, 0);
        glVertex2i(x1, y2);
        glEnd();
        glDisable(GL_TEXTURE_2D);
        glColor4ub(0, 255, 0, 255);
        glLineWidth(3);
        glBegin(GL_LINE_LOOP);
        glVertex2i(x1, y2 - 5);
        glVertex2i(x2 + 40, y2 - 5);
        glEnd();
    }
};

// L'objet de programme posé entre des objets de la boîte à outils, avant et après lui ; dans le
// grand affichage, le conteneur descend plus bas que l'écran de la boîte à outils.
CContainer* racineUtilisateur(int x, int y)
{
    CContainer* racine = new CContainer(CONTAINER_SKIN_BEIGE);
    racine->setLimites(MakeRect(x, y, x + 680, y + 480));
    racine->ajouteObjetGDI(
        new CBouton(MakeRect(10, 10, 200, 60), "<centre>Avant", BOUTON_SKIN_ROND_VARIABLE));
    racine->ajouteObjetGDI(new CDamier(MakeRect(150, 40, 250, 140)));
    racine->ajouteObjetGDI(
        new CImage(TEXTURE_MOI, MakeRect(200, 100, 300, 200), MakeRect(0, 0, 256, 256)));
    racine->ajouteObjetGDI(new CTexte(MakeRect(180, 120, 500, 200), "Texte <b>apr\xE8s</b>"));
    return racine;
}

CContainer* racineEnCours = nullptr;

void imageRacine()
{
    fermeLotGL();
    glClear(GL_COLOR_BUFFER_BIT);
    declencheDessin(racineEnCours);
    fermeLotGL();
}

void imageGestionnaireUtilisateur()
{
    static CContainer* racine = nullptr;
    if (!racine) {
        racine = new CContainer(CONTAINER_SKIN_BEIGE);
        racine->setLimites(MakeRect(20, 20, 700, 500));
        racine->ajouteObjetGDI(
            new CBouton(MakeRect(10, 10, 200, 60), "<centre>Avant", BOUTON_SKIN_ROND_VARIABLE));
        racine->ajouteObjetGDI(new CDamier(MakeRect(150, 40, 250, 140)));
        racine->ajouteObjetGDI(
            new CImage(TEXTURE_MOI, MakeRect(200, 100, 300, 200), MakeRect(0, 0, 256, 256)));
        racine->ajouteObjetGDI(new CTexte(MakeRect(180, 120, 500, 200), "Texte <b>apr\xE8s</b>"));
        racine->ajouteObjetGDI(new CProgression(MakeCoord(100, 220), 200, false, 0, 60, 100, 0));
        racine->ajouteObjetGDI(new CCoche(MakeCoord(320, 220), true, COCHE_SKIN_DEFAUT));
    }
    fermeLotGL();
    glClear(GL_COLOR_BUFFER_BIT);
    declencheDessin(racine);
    fermeLotGL();
}
} // namespace

int main()
{
    if (!ouvreContexte(GRANDE_LARGEUR, GRANDE_HAUTEUR)) {
        std::fputs("pas de contexte OpenGL hors écran (EGL Mesa) : test sauté\n", stderr);
        return 77;
    }
    if (!demarreScenes()) {
        std::fputs("images de Data/ illisibles : lancer depuis le dossier de build\n", stderr);
        return 1;
    }
    glViewport(0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN);
    bool ok = compare("éditeur au démarrage", imageEditeur);
    ok = compare("textes", imageTextes) && ok;
    ok = compare("gestionnaire de l'utilisateur", imageGestionnaireUtilisateur) && ok;
    fermeAide();
    for (int n : NOMBRES_OBJETS) {
        poseObjetsJusqua(n);
        ok = compare("N = " + std::to_string(n), imageEditeur) && ok;
    }

    // 1600 x 1000 : en lots comme en référence, et le damier, tracé par le programme en
    // (x, 768 - y), tombe à sa place de la boîte à outils, même sous la ligne 768.
    affichageDe(GRANDE_LARGEUR, GRANDE_HAUTEUR);
    racineEnCours = racineUtilisateur(850, 480);
    ok = compare("1600 x 1000", imageRacine) && ok;
    const std::vector<unsigned char> p = pixels();
    // Le coin haut-gauche du damier : (850 + 7 + 150 + 1, 480 + 30 + 40 + 1), bleu.
    const int x = 850 + 7 + 150 + 1, y = 480 + 30 + 40 + 1;
    const unsigned char* bleu = &p[4 * (size_t(GRANDE_HAUTEUR - 1 - y) * GRANDE_LARGEUR + x)];
    const bool enPlace = bleu[0] == 0 && bleu[1] == 0 && bleu[2] == 255;
    std::printf("%s damier en place : (%d, %d, %d)\n", enPlace ? "ok" : "ÉCHEC", bleu[0], bleu[1],
                bleu[2]);
    return ok && enPlace ? 0 : 1;
}
