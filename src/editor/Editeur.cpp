// Editeur : démarrage de l'éditeur, sauvegarde de la mise en page et fin du programme.
#include "editor/Editeur.h"

#include "application/Plateforme.h"
#include "containers/CContainer.h"
#include "editor/CFenetreFond.h"
#include "editor/CFenetrePrincipale.h"
#include "editor/EtatEditeur.h"
#include "editor/ExportSource.h"
#include "editor/FinParSignal.h"
#include "editor/LecteurSource.h"
#include "editor/MessageErreur.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // Data du dossier de travail, même incomplet, est celui de l'éditeur.
    if (!prepareDemarrage(nullptr, true))
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
    ditOuEstLaMiseEnPage(cause, dernierExport);
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
    CFenetrePrincipale* fenetre = new CFenetrePrincipale;
    racine->ajouteObjetGDI(fenetre);
    // Un fichier rouvert : ses objets dans l'ordre où il les empile, l'aide devant.
    if (miseEnPageOuverte)
        fenetre->ouvreMiseEnPage(*miseEnPageOuverte, texteOuvert);
}

bool ouvreFichierEdite(const char* nom)
{
    LectureSource l = litSource(nom);
    if (l.absent) {
        // Un nouveau fichier : écrit en quittant, comme Fenetre1.cpp.
        fichierEdite = nom;
        miseEnPageOuverte.reset();
        texteOuvert.clear();
        return true;
    }
    if (!l.raison.empty()) {
        std::fprintf(stderr, "%s:1:1: illisible : %s\n", nom, l.raison.c_str());
        return false;
    }
    const std::string& texte = l.texte;
    MiseEnPage m;
    ErreurLecture e;
    if (!LecteurSource::lis(texte, m, e)) {
        std::fprintf(stderr, "%s:%d:%d: %s\n", nom, e.ligne, e.colonne, e.message.c_str());
        return false;
    }
    fichierEdite = nom;
    miseEnPageOuverte = m;
    texteOuvert = texte;
    return true;
}

std::string signaleSourceExistant()
{
    struct stat etat;
    if (stat(NOM_FICHIER_SOURCE, &etat) != 0)
        return std::string();
    const std::string nom = NOM_FICHIER_SOURCE;
    // Ce que fera vraiment l'écriture en quittant : un dossier ou un tube ne sont jamais
    // remplacés, et un fichier identique à l'export reste intouché.
    const std::string s =
        S_ISREG(etat.st_mode)
            ? nom + " existe : \"editeur " + nom +
                  "\" le rouvre ; sans argument, il sera remplac\xC3\xA9"
                  " en quittant s'il diff\xC3\xA8re de la nouvelle mise en page (l'ancien "
                  "gard\xC3\xA9 dans " +
                  nom + "~).\n"
            : nom + " existe mais n'est pas un fichier ordinaire : en quittant, la mise en page "
                    "ira dans une copie de secours du dossier temporaire.\n";
    std::fputs(s.c_str(), stderr);
    return s;
}
