// Boucle : horloge, préparation de l'affichage, affichage et inactivité, et la plateforme par
// défaut, sans affichage.
#include "application/Boucle.h"

#include "application/Curseur.h"
#include "application/Plateforme.h"
#include "containers/CContainer.h"
#include "containers/DessinObjet.h"
#include "render/DossierImages.h"
#include "render/LotGL.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "text/Police.h"
#include "widgets/DemandeImage.h"

#include <GL/gl.h>

#include <cstdlib>

CContainer* racine = nullptr;
int32_t tempsDepart = 0;
int32_t tempsEcoule = 0;
bool (*finAuTour)() = nullptr;

namespace
{
int tempsNul()
{
    return 0;
}
void rien()
{
}
void boiteMuette(const char*, const char*, bool)
{
}
void sortie(int code)
{
    std::exit(code);
}
} // namespace

Plateforme plateforme = {tempsNul, rien, rien, rien, boiteMuette, sortie, rien};

void plateformeParDefaut()
{
    plateforme = Plateforme{tempsNul, rien, rien, rien, boiteMuette, sortie, rien};
}

bool initialiseOpenGL()
{
    prepareEtatGL();
    return chargeTextures();
}

bool prepareDemarrage(const char* dernierRecours)
{
    tempsEcoule = 0;
    tempsDepart = plateforme.temps();
    choisitDossierImages(dernierRecours);
    return initialiseOpenGL() && chargePolices();
}

void affichage()
{
    fermeLotGL();
    glClear(GL_COLOR_BUFFER_BIT);
    if (racine && racine->visible)
        declencheDessin(racine);
    // Le curseur, puis l'échange des tampons une fois tout envoyé.
    dessineCurseur();
    finImageGL();
    plateforme.echangeTampons();
}

void inactivite()
{
    if (finAuTour && finAuTour())
        return;
    // Différence prise sans signe : l'horloge de la plateforme peut repasser par les négatifs
    // sans que l'écart devienne négatif.
    tempsEcoule = int32_t(uint32_t(plateforme.temps()) - uint32_t(tempsDepart));
    poseHorlogeBoiteAOutils(tempsEcoule);
    curseurCourant = curseurDefaut;
    if (racine)
        declenche(racine->evenements[EVT_MISE_A_JOUR], racine);
    plateforme.demandeAffichage();
}

void dessineCurseur()
{
    const Curseur& c = curseurCourant;
    const Rect source = sourceDuCurseur(c, imageDuCurseur(c, tempsEcoule));
    Coord position = {0, 0};
    if (racine)
        position = racine->souris + racine->limites.hautGauche;
    dessineImage(c.texture, position - c.pointChaud, source.hautGauche, source.basDroite);
}
