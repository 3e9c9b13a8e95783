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
// Au-delà, un fichier rouvert n'est pas lu : ce n'est pas un source de l'éditeur.
const size_t TAILLE_SOURCE_MAX = size_t(16) << 20;

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
    CFenetrePrincipale* fenetre = new CFenetrePrincipale;
    racine->ajouteObjetGDI(fenetre);
    // Un fichier rouvert : ses objets dans l'ordre où il les empile, l'aide devant.
    if (miseEnPageOuverte)
        fenetre->ouvreMiseEnPage(*miseEnPageOuverte);
}

bool ouvreFichierEdite(const char* nom)
{
    // Sans attendre : un tube nommé bloquerait l'ouverture jusqu'à ce qu'on y écrive.
    const int fd = open(nom, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT) {
        // Un nouveau fichier : écrit en quittant, comme Fenetre1.cpp.
        fichierEdite = nom;
        miseEnPageOuverte.reset();
        return true;
    }
    std::string texte, raison;
    struct stat etat;
    if (fd < 0 || fstat(fd, &etat) != 0)
        raison = std::strerror(errno);
    else if (S_ISDIR(etat.st_mode))
        raison = "un dossier porte ce nom";
    else if (!S_ISREG(etat.st_mode))
        raison = "ce n'est pas un fichier ordinaire";
    char tampon[4096];
    while (raison.empty()) {
        const ssize_t n = read(fd, tampon, sizeof tampon);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            raison = std::strerror(errno);
        if (n <= 0)
            break;
        texte.append(tampon, size_t(n));
        if (texte.size() > TAILLE_SOURCE_MAX)
            raison = "plus de 16 Mio, ce n'est pas un source de l'\xC3\xA9"
                     "diteur";
    }
    if (fd >= 0)
        close(fd);
    if (!raison.empty()) {
        std::fprintf(stderr, "%s:1:1: illisible : %s\n", nom, raison.c_str());
        return false;
    }
    MiseEnPage m;
    ErreurLecture e;
    if (!LecteurSource::lis(texte, m, e)) {
        std::fprintf(stderr, "%s:%d:%d: %s\n", nom, e.ligne, e.colonne, e.message.c_str());
        return false;
    }
    fichierEdite = nom;
    miseEnPageOuverte = m;
    return true;
}

std::string signaleSourceExistant()
{
    if (access(NOM_FICHIER_SOURCE, F_OK) != 0)
        return std::string();
    const std::string s = std::string(NOM_FICHIER_SOURCE) + " existe : \"editeur " +
                          NOM_FICHIER_SOURCE +
                          "\" le rouvre ; sans argument, il sera remplac\xC3\xA9"
                          " en quittant (l'ancien gard\xC3\xA9 dans " +
                          NOM_FICHIER_SOURCE + "~).\n";
    std::fputs(s.c_str(), stderr);
    return s;
}
