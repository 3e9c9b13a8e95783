// BancGL : mesure, avec le vrai OpenGL, le temps d'une image de chaque scène, celui du même
// flux d'appels rejoué brut et celui du moindre travail qui trace les mêmes pixels (réordonné
// par texture, et dans l'ordre du flux), en alternant les quatre pour qu'ils subissent le même
// bruit.
#include "PlancherMinimal.h"
#include "Rejeu.h"
#include "Scenes.h"

#include "application/Plateforme.h"
#include "render/LotGL.h"

#include <GL/freeglut.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
const int IMAGES_CHAUFFE = 10;
const int IMAGES_PAR_TOUR = 25; // 12 x 25 = 300 images mesurées de chaque sorte

// BANC_TOURS réduit la mesure pendant la mise au point du banc.
int tours()
{
    const char* v = std::getenv("BANC_TOURS");
    return v && std::atoi(v) > 0 ? std::atoi(v) : 12;
}

// Instant où l'image courante a fini d'émettre ses appels, pris à l'échange des tampons.
double finEmission = 0;

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

void echangeChronometre()
{
    finEmission = maintenantMs();
    glutSwapBuffers();
}

struct Temps {
    std::vector<double> image;    // jusqu'à l'image tracée (glFinish)
    std::vector<double> emission; // jusqu'à l'échange des tampons : le processeur seul
};

// Une image terminée : glFinish attend que le rendu logiciel ait vraiment tout tracé.
template <class F> double chronometre(F image, Temps* temps = nullptr)
{
    double debut = maintenantMs();
    image();
    glFinish();
    const double fin = maintenantMs();
    if (temps) {
        temps->image.push_back(fin - debut);
        temps->emission.push_back(finEmission - debut);
    }
    return fin - debut;
}

template <class Rejeu> void rejoueImage(const Rejeu& flux)
{
    flux.rejoue();
    echangeChronometre();
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

// Un rejeu doit tracer exactement l'image de la boîte à outils, sinon son plancher ne vaut rien.
template <class Rejeu> long pixelsDifferents(const Rejeu& flux)
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
                      boite[i + 2] != plancher[i + 2] || boite[i + 3] != plancher[i + 3];
    return differents;
}

bool mesure(const std::string& dossier, const std::string& scene, int objets)
{
    CFluxGL flux;
    CPlancherMinimal minimal, enOrdre;
    std::string erreur;
    // Ce que l'image dessine, lu dans sa liste : le témoin du dorsal le temps d'une image.
    ListeDessin image;
    dorsalGL().temoin(&image);
    imageEditeur();
    dorsalGL().temoin(nullptr);
    if (!flux.lit(dossier + "/flux_" + scene + ".txt", nomsTextures(), erreur) ||
        !minimal.construit(image, erreur) || !enOrdre.construit(image, erreur, false)) {
        std::fprintf(stderr, "%s\n", erreur.c_str());
        return false;
    }
    const long differents = pixelsDifferents(flux);
    const long differentsMinimal = pixelsDifferents(minimal);
    const long differentsEnOrdre = pixelsDifferents(enOrdre);
    auto boite = [] { imageEditeur(); };
    auto brut = [&] { rejoueImage(flux); };
    auto moindre = [&] { rejoueImage(minimal); };
    auto ordre = [&] { rejoueImage(enOrdre); };
    for (int i = 0; i < IMAGES_CHAUFFE; ++i) {
        chronometre(boite);
        chronometre(brut);
        chronometre(moindre);
        chronometre(ordre);
    }
    Temps tBoite, tBrut, tMoindre, tOrdre;
    for (int tour = 0, n = tours(); tour < n; ++tour) {
        glutMainLoopEvent();
        // Une image de chaque sorte à tour de rôle, l'ordre tournant à chaque image.
        for (int i = 0; i < IMAGES_PAR_TOUR; ++i) {
            for (int k = 0; k < 4; ++k) {
                switch ((tour + i + k) % 4) {
                case 0:
                    chronometre(boite, &tBoite);
                    break;
                case 1:
                    chronometre(brut, &tBrut);
                    break;
                case 2:
                    chronometre(moindre, &tMoindre);
                    break;
                default:
                    chronometre(ordre, &tOrdre);
                    break;
                }
            }
        }
    }
    std::printf("scene %s objets %d images %zu appels %zu boite_ms %.4f plancher_ms %.4f "
                "pixels_differents %ld minimal_ms %.4f pixels_differents_minimal %ld "
                "emission_boite_ms %.4f emission_plancher_ms %.4f emission_minimal_ms %.4f "
                "dessins %zu lots %zu en_ordre_ms %.4f lots_en_ordre %zu "
                "pixels_differents_en_ordre %ld emission_en_ordre_ms %.4f\n",
                scene.c_str(), objets, tBoite.image.size(), flux.taille(), mediane(tBoite.image),
                mediane(tBrut.image), differents, mediane(tMoindre.image), differentsMinimal,
                mediane(tBoite.emission), mediane(tBrut.emission), mediane(tMoindre.emission),
                minimal.dessins(), minimal.lots(), mediane(tOrdre.image), enOrdre.lots(),
                differentsEnOrdre, mediane(tOrdre.emission));
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
    plateforme.echangeTampons = echangeChronometre;
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
