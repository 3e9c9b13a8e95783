// BancGL : mesure, avec le vrai OpenGL, le temps d'une image de chaque scène et celui du même
// flux d'appels rejoué brut, en alternant les deux pour qu'ils subissent le même bruit.
#include "Rejeu.h"
#include "Scenes.h"

#include "app/Plateforme.h"

#include <GL/freeglut.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
const int IMAGES_CHAUFFE = 10;
const int TOURS = 8;
const int IMAGES_PAR_TOUR = 25; // 8 x 25 = 200 images mesurées de chaque sorte

double maintenantMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double mediane(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// Une image terminée : glFinish attend que le rendu logiciel ait vraiment tout tracé.
template <class F> double chronometre(F image)
{
    double debut = maintenantMs();
    image();
    glFinish();
    return maintenantMs() - debut;
}

void rejoueImage(const CFluxGL& flux)
{
    flux.rejoue();
    glutSwapBuffers();
}

// L'horloge reste à zéro : le curseur montre toujours l'image 0, comme dans le flux enregistré.
int tempsNul()
{
    return 0;
}
void rien()
{
}

// Les pixels de l'image affichée, lus après qu'elle a été montrée.
std::vector<unsigned char> pixelsAffiches()
{
    std::vector<unsigned char> pixels(1024 * 768 * 4);
    glReadBuffer(GL_FRONT);
    glReadPixels(0, 0, 1024, 768, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// Le rejeu doit tracer exactement l'image de la boîte à outils, sinon le plancher ne vaut rien.
long pixelsDifferents(const CFluxGL& flux)
{
    imageEditeur();
    glFinish();
    const std::vector<unsigned char> boite = pixelsAffiches();
    rejoueImage(flux);
    glFinish();
    const std::vector<unsigned char> plancher = pixelsAffiches();
    long differents = 0;
    for (size_t i = 0; i < boite.size(); i += 4)
        differents += boite[i] != plancher[i] || boite[i + 1] != plancher[i + 1] ||
                      boite[i + 2] != plancher[i + 2];
    return differents;
}
bool mesure(const std::string& dossier, const std::string& scene, int objets)
{
    CFluxGL flux;
    std::string erreur;
    if (!flux.lit(dossier + "/flux_" + scene + ".txt", nomsTextures(), erreur)) {
        std::fprintf(stderr, "%s\n", erreur.c_str());
        return false;
    }
    const long differents = pixelsDifferents(flux);
    for (int i = 0; i < IMAGES_CHAUFFE; ++i) {
        chronometre(imageEditeur);
        chronometre([&] { rejoueImage(flux); });
    }
    std::vector<double> boite, plancher;
    for (int tour = 0; tour < TOURS; ++tour) {
        glutMainLoopEvent();
        // Une image de chaque sorte à tour de rôle, l'ordre changeant à chaque tour.
        for (int i = 0; i < IMAGES_PAR_TOUR; ++i) {
            if ((tour + i) % 2) {
                boite.push_back(chronometre(imageEditeur));
                plancher.push_back(chronometre([&] { rejoueImage(flux); }));
            } else {
                plancher.push_back(chronometre([&] { rejoueImage(flux); }));
                boite.push_back(chronometre(imageEditeur));
            }
        }
    }
    std::printf("scene %s objets %d images %zu appels %zu boite_ms %.4f plancher_ms %.4f "
                "pixels_differents %ld\n",
                scene.c_str(), objets, boite.size(), flux.taille(), mediane(boite),
                mediane(plancher), differents);
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("rss_max_ko %ld apres %s\n", usage.ru_maxrss, scene.c_str());
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    glutInit(&argc, argv);
    if (argc != 2) {
        std::fputs("usage : banc_gl <dossier des flux>, lancé là où se trouve Data/\n", stderr);
        return 1;
    }
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGBA);
    glutGameModeString("1024x768:32");
    if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE)) {
        glutEnterGameMode();
    } else {
        // Sans mode jeu, une fenêtre de même taille donne le même travail de tracé.
        std::fputs("mode jeu impossible : fenêtre 1024x768\n", stderr);
        glutInitWindowSize(1024, 768);
        glutCreateWindow("banc");
    }
    glutDisplayFunc(rien);
    glutMainLoopEvent();
    plateforme.temps = tempsNul;
    plateforme.demandeAffichage = rien;
    plateforme.echangeTampons = glutSwapBuffers;
    std::printf("rendu %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

    // La part de la boîte à outils et de l'éditeur dans le démarrage : images, police, arbre,
    // puis la première image.
    const double debut = maintenantMs();
    if (!demarreScenes()) {
        std::fputs("images de Data/ illisibles\n", stderr);
        return 1;
    }
    const double demarre = maintenantMs() - debut;
    const double premiere = chronometre(imageEditeur);
    std::printf("demarre_ms %.3f premiere_image_ms %.3f\n", demarre, premiere);
    bool ok = mesure(argv[1], "aide", 0);
    fermeAide();
    for (int n : NOMBRES_OBJETS) {
        poseObjetsJusqua(n);
        ok = mesure(argv[1], std::to_string(n), n) && ok;
    }
    return ok ? 0 : 1;
}
