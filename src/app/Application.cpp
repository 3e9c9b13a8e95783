// Application : horloge, affichage, inactivité, démarrage et fin du programme.
#include "app/Application.h"

#include "app/Curseur.h"
#include "app/FinParSignal.h"
#include "app/MessageErreur.h"
#include "app/Plateforme.h"
#include "containers/CContainer.h"
#include "editor/CFenetreFond.h"
#include "editor/CFenetrePrincipale.h"
#include "editor/EtatEditeur.h"
#include "editor/ExportSource.h"
#include "render/DossierImages.h"
#include "render/Primitives.h"
#include "render/Texture.h"
#include "text/Police.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

CContainer* racine = nullptr;
int32_t tempsDepart = 0;
int32_t tempsEcoule = 0;

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

// La racine est oubliée avant sa destruction : un second appel ne la détruit pas deux fois. Le
// résultat de l'export qu'elle fait remplace celui d'avant.
void detruitArbre()
{
    if (!racine)
        return;
    CContainer* arbre = racine;
    racine = nullptr;
    dernierExport = ResultatExport();
    delete arbre;
}
} // namespace

Plateforme plateforme = {tempsNul, rien, rien, rien, boiteMuette, sortie};

void plateformeParDefaut()
{
    plateforme = Plateforme{tempsNul, rien, rien, rien, boiteMuette, sortie};
}

bool initialiseOpenGL()
{
    prepareEtatGL();
    return chargeTextures();
}

bool demarre()
{
    tempsEcoule = 0;
    tempsDepart = plateforme.temps();
    choisitDossierImages();
    if (!initialiseOpenGL() || !chargePolices())
        return false;
    // La commande Échap de l'éditeur finit le programme par ici.
    quitterEditeur = quitte;
    construitArbre();
    return true;
}

void affichage()
{
    fermeLotGL();
    glClear(GL_COLOR_BUFFER_BIT);
    if (racine && racine->visible)
        declenche(racine->evenements[EVT_DESSIN], racine);
    // Le curseur, puis l'échange des tampons, chacun après un lot fermé.
    fermeLotGL();
    dessineCurseur();
    fermeLotGL();
    plateforme.echangeTampons();
}

void inactivite()
{
    // Un signal de fin reçu depuis le tour précédent : la même sortie qu'Échap.
    if (const int numero = prendSignalDeFin()) {
        sauveMiseEnPage(nomSignal(numero));
        quitte();
        return;
    }
    // Différence prise sans signe : l'horloge de la plateforme peut repasser par les négatifs
    // sans que l'écart devienne négatif.
    tempsEcoule = int32_t(uint32_t(plateforme.temps()) - uint32_t(tempsDepart));
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

void sauveMiseEnPage(const char* cause)
{
    if (!racine)
        return;
    detruitArbre();
    const ResultatExport& r = dernierExport;
    switch (r.etat) {
    case ResultatExport::ECRIT:
    case ResultatExport::INCHANGE:
        std::fprintf(stderr,
                     "%s : la mise en page est \xC3\xA9"
                     "crite dans %s\n",
                     cause, r.fichier.c_str());
        break;
    case ResultatExport::COPIE:
        std::fprintf(stderr, "%s : la mise en page est dans la copie %s\n", cause, r.copie.c_str());
        break;
    case ResultatExport::SUR_ERREUR:
        std::fprintf(stderr, "%s : la mise en page est sur la sortie d'erreur, ci-dessus\n", cause);
        break;
    case ResultatExport::AUCUN:
        break;
    }
    std::fflush(stderr);
}

void quitte()
{
    detruitArbre();
    // Plus rien à sauver : un signal reçu pendant la boîte qui suit finit le processus.
    retireFinParSignal();
    plateforme.libereAffichage();
    // La boîte vient hors du mode jeu, qui retiendrait clavier et souris.
    if (dernierExport.aEchoue()) {
        const std::string titre = windows1252VersUtf8(TITRE_ERREUR);
        plateforme.boiteMessage(titre.c_str(), messageExportManque(dernierExport).c_str(), false);
    }
    plateforme.termine(0);
}

void construitArbre()
{
    racine = new CFenetreFond;
    // Son constructeur ouvre déjà l'aide en lui-même ; ajoutée, elle passe au premier plan.
    racine->ajouteObjetGDI(new CFenetrePrincipale);
}
