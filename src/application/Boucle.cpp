// Boucle : horloge, préparation de l'affichage, affichage et inactivité, et la plateforme par
// défaut, sans affichage.
#include "application/Boucle.h"

#include "application/ChoixImages.h"
#include "application/Curseur.h"
#include "application/Minuteries.h"
#include "application/Plateforme.h"
#include "containers/CContainer.h"
#include "containers/DessinObjet.h"
#include "render/LotGL.h"
#include "render/Primitives.h"
#include "render/TailleAffichage.h"
#include "render/Texture.h"
#include "text/Police.h"
#include "widgets/DemandeImage.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

CContainer* racine = nullptr;
int32_t tempsDepart = 0;
int32_t tempsEcoule = 0;
bool (*finAuTour)() = nullptr;
PolitiqueImages politiqueImages = PolitiqueImages::CONTINUE;
bool imagesContinuesDemandees = false;
bool pointeurDedans = false;
std::atomic<uint64_t> imagesAffichees{0};

namespace
{
int tempsNul()
{
    return 0;
}
void rien()
{
}
// Vrai entre la demande d'une image et son dessin.
bool affichageDemande = false;

bool continu()
{
    return politiqueImages == PolitiqueImages::CONTINUE || imagesContinuesDemandees;
}

int32_t horlogeMaintenant()
{
    return int32_t(uint32_t(plateforme.temps()) - uint32_t(tempsDepart));
}

// Le plus proche de deux délais (-1 : aucun).
int32_t plusProche(int32_t a, int32_t b)
{
    if (a < 0)
        return b;
    return b < 0 ? a : std::min(a, b);
}

void boiteMuette(const char*, const char*, bool)
{
}
void sansTitre(const char*)
{
}
void sortie(int code)
{
    std::exit(code);
}
} // namespace

Plateforme plateforme = {tempsNul, rien, rien, rien, boiteMuette, sortie, rien, rien, sansTitre};

void plateformeParDefaut()
{
    plateforme = Plateforme{tempsNul, rien, rien, rien, boiteMuette, sortie, rien, rien, sansTitre};
}

bool initialiseOpenGL()
{
    prepareEtatGL();
    return chargeTextures();
}

bool prepareDemarrage(const char* dernierRecours, bool dataImpose)
{
    tempsEcoule = 0;
    tempsDepart = plateforme.temps();
    poseHorlogeBoiteAOutils(0);
    // L'écran de la boîte à outils jusqu'à la première vue posée.
    poseTailleAffichage(LARGEUR_ECRAN, HAUTEUR_ECRAN);
    choisitDossierImages(dernierRecours, dataImpose);
    return initialiseOpenGL() && chargePolices();
}

void affichage()
{
    affichageDemande = false;
    ++imagesAffichees;
    fermeLotGL();
    glClear(GL_COLOR_BUFFER_BIT);
    if (racine && racine->visible)
        declencheDessin(racine);
    // Le curseur, puis l'échange des tampons une fois tout envoyé.
    dessineCurseur();
    finImageGL();
    plateforme.echangeTampons();
    // Au-dessus de la fenêtre, le curseur animé veut sa prochaine image.
    const Curseur& c = curseurCourant;
    if (!continu() && pointeurDedans && c.dureeImage > 0 && c.nombreImages > 1)
        demandeImageDans(c.dureeImage - int32_t(uint32_t(tempsEcoule) % uint32_t(c.dureeImage)));
}

void inactivite()
{
    if (finAuTour && finAuTour())
        return;
    // Différence prise sans signe : l'horloge de la plateforme peut repasser par les négatifs
    // sans que l'écart devienne négatif.
    tempsEcoule = horlogeMaintenant();
    poseHorlogeBoiteAOutils(tempsEcoule);
    if (politiqueImages == PolitiqueImages::A_LA_DEMANDE)
        executeEchus(tempsEcoule);
    curseurCourant = curseurDefaut;
    if (racine)
        declenche(racine->evenements[EVT_MISE_A_JOUR], racine);
    int32_t attente = -1;
    // La demande est prise même en continu : elle ne reste pas pour après.
    const bool demandee = prendDemandeImage(tempsEcoule, attente);
    if (continu() || demandee) {
        affichageDemande = true;
        plateforme.demandeAffichage();
    }
}

bool affichageEnAttente()
{
    return affichageDemande;
}

int32_t delaiAvantTour()
{
    if (continu() || affichageDemande)
        return 0;
    const int32_t maintenant = horlogeMaintenant();
    return plusProche(delaiDemandeImage(maintenant), delaiMinuteries(maintenant));
}

void rafraichitHorloge()
{
    poseHorlogeBoiteAOutils(horlogeMaintenant());
}

void commenceBoucleALaDemande(void (*reveil)())
{
    politiqueImages = PolitiqueImages::A_LA_DEMANDE;
    imagesContinuesDemandees = false;
    pointeurDedans = false;
    affichageDemande = false;
    ouvreMinuteries(reveil);
    demandeImage();
}

void finitBoucleALaDemande()
{
    fermeMinuteries();
    politiqueImages = PolitiqueImages::CONTINUE;
    imagesContinuesDemandees = false;
    pointeurDedans = false;
    affichageDemande = false;
    poseHorlogeBoiteAOutils(0);
    poseTailleAffichage(LARGEUR_ECRAN, HAUTEUR_ECRAN);
}

void imagesContinues(bool oui)
{
    imagesContinuesDemandees = oui;
    if (oui)
        demandeImage();
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
