// Pixels regroupés : chaque image des scènes du banc, dessinée par Mesa hors écran en lots puis
// par le chemin de référence (chaque primitive seule), doit avoir exactement les mêmes pixels.
#include "CaptureEGL.h"
#include "Scenes.h"

#include "Wexo.h"
#include "editor/Editeur.h"
#include "render/LotGL.h"

#include <GL/gl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
std::vector<unsigned char> pixels()
{
    std::vector<unsigned char> p(size_t(LARGEUR_ECRAN) * HAUTEUR_ECRAN * 4);
    glFinish();
    glReadPixels(0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return p;
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
} // namespace

int main()
{
    if (!ouvreContexte()) {
        std::fputs("pas de contexte OpenGL hors écran (EGL Mesa) : test sauté\n", stderr);
        return 77;
    }
    if (!demarreScenes()) {
        std::fputs("images de Data/ illisibles : lancer depuis le dossier de build\n", stderr);
        return 1;
    }
    bool ok = compare("éditeur au démarrage", imageEditeur);
    ok = compare("textes", imageTextes) && ok;
    fermeAide();
    for (int n : NOMBRES_OBJETS) {
        poseObjetsJusqua(n);
        ok = compare("N = " + std::to_string(n), imageEditeur) && ok;
    }
    return ok ? 0 : 1;
}
