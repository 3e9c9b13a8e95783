// Editeur : démarrage de l'éditeur, sauvegarde de la mise en page et fin du programme.
#include "editor/Editeur.h"

#include "application/Plateforme.h"
#include "containers/CContainer.h"
#include "editor/CFenetreFond.h"
#include "editor/CFenetrePrincipale.h"
#include "editor/EtatEditeur.h"
#include "editor/ExportSource.h"
#include "editor/FinParSignal.h"
#include "editor/MessageErreur.h"

#include <cstdio>

namespace
{
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

bool demarre()
{
    if (!prepareDemarrage(nullptr))
        return false;
    // La commande Échap de l'éditeur finit le programme par ici.
    quitterEditeur = quitte;
    construitArbre();
    return true;
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
