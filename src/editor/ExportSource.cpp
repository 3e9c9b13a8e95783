// ExportSource : écriture par renommage avec sauvegarde de l'ancien fichier, copie de secours
// quand le fichier ne peut pas être écrit.
#include "editor/ExportSource.h"

#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

const char NOM_FICHIER_SOURCE[] = "Fenetre1.cpp";
ResultatExport dernierExport;

namespace
{
// Le contenu entier, en reprenant après une écriture partielle ou interrompue.
bool ecritTout(int fd, const std::string& texte)
{
    size_t fait = 0;
    while (fait < texte.size()) {
        ssize_t n = write(fd, texte.data() + fait, texte.size() - fait);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        fait += size_t(n);
    }
    return true;
}

// Le contenu entier d'un fichier ; faux, raison donnée, s'il ne peut pas être lu.
bool lisTout(const char* nom, std::string& contenu, std::string& raison)
{
    int fd = open(nom, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        raison = std::strerror(errno);
        return false;
    }
    contenu.clear();
    char tampon[4096];
    for (;;) {
        ssize_t n = read(fd, tampon, sizeof tampon);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            raison = std::strerror(errno);
            close(fd);
            return false;
        }
        if (n == 0)
            break;
        contenu.append(tampon, size_t(n));
    }
    close(fd);
    return true;
}

// Remplace chemin par texte au moyen d'un fichier temporaire voisin, effacé en cas d'échec.
bool remplaceParRenommage(const std::string& chemin, const std::string& texte, mode_t mode,
                          std::string& raison)
{
    std::string temporaire = chemin + ".XXXXXX";
    int fd = mkstemp(&temporaire[0]);
    if (fd < 0) {
        raison = std::strerror(errno);
        return false;
    }
    bool ok = fchmod(fd, mode) == 0 && ecritTout(fd, texte) && fsync(fd) == 0;
    int erreur = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        erreur = errno;
    }
    if (ok && std::rename(temporaire.c_str(), chemin.c_str()) != 0) {
        ok = false;
        erreur = errno;
    }
    if (!ok) {
        unlink(temporaire.c_str());
        raison = std::strerror(erreur);
    }
    return ok;
}

// Ce qui empêche de remplacer un fichier existant : autre chose qu'un fichier ordinaire, ou un
// fichier protégé en écriture (même pour qui pourrait le remplacer) ; vide s'il peut l'être.
std::string obstacle(const char* nom, const struct stat& etat)
{
    if (S_ISDIR(etat.st_mode))
        return "un dossier porte ce nom";
    if (!S_ISREG(etat.st_mode))
        return "ce n'est pas un fichier ordinaire";
    if ((etat.st_mode & 0222) == 0 || access(nom, W_OK) != 0)
        return "fichier en lecture seule";
    return std::string();
}

std::string absolu(const std::string& nom)
{
    if (!nom.empty() && nom[0] == '/')
        return nom;
    char ici[4096];
    if (!getcwd(ici, sizeof ici))
        return nom;
    return std::string(ici) + "/" + nom;
}

bool echoue(ResultatExport& r, const std::string& raison)
{
    r.raison = raison;
    return false;
}

// Le texte dans un fichier neuf au nom unique de $TMPDIR, puis de /tmp si le premier échoue ;
// un essai manqué ne laisse rien derrière lui.
bool copieDeSecours(const char* nom, const std::string& texte, std::string& copie,
                    std::string& raison)
{
    std::string souche = nom;
    souche = souche.substr(souche.find_last_of('/') + 1);
    if (souche.size() > 4 && souche.compare(souche.size() - 4, 4, ".cpp") == 0)
        souche.resize(souche.size() - 4);
    std::vector<std::string> dossiers;
    const char* tmpdir = std::getenv("TMPDIR");
    if (tmpdir && *tmpdir)
        dossiers.push_back(absolu(tmpdir));
    if (dossiers.empty() || dossiers[0] != "/tmp")
        dossiers.push_back("/tmp");
    for (const std::string& dossier : dossiers) {
        std::string modele = dossier + "/" + souche + "-XXXXXX.cpp";
        int fd = mkstemps(&modele[0], 4);
        if (fd < 0) {
            raison = dossier + " : " + std::strerror(errno);
            continue;
        }
        bool ok = ecritTout(fd, texte) && fsync(fd) == 0;
        int erreur = errno;
        if (close(fd) != 0 && ok) {
            ok = false;
            erreur = errno;
        }
        if (ok) {
            copie = modele;
            return true;
        }
        unlink(modele.c_str());
        raison = dossier + " : " + std::strerror(erreur);
    }
    return false;
}
} // namespace

std::string cheminAbsolu(const std::string& nom)
{
    return absolu(nom);
}

bool ecritFichierSource(const char* nom, const std::string& texte, ResultatExport& r)
{
    r = ResultatExport();
    r.fichier = absolu(nom);
    std::string chemin = nom;
    mode_t mode;
    struct stat etat;
    if (stat(nom, &etat) == 0) {
        if (!S_ISREG(etat.st_mode))
            return echoue(r, obstacle(nom, etat));
        std::string ancien, raison;
        if (!lisTout(nom, ancien, raison))
            return echoue(r, "ancien fichier illisible, impossible de le garder : " + raison);
        // Rien à changer : ni le fichier ni sa sauvegarde ne bougent.
        if (ancien == texte) {
            r.etat = ResultatExport::INCHANGE;
            return true;
        }
        const std::string refus = obstacle(nom, etat);
        if (!refus.empty())
            return echoue(r, refus);
        mode = etat.st_mode & 07777;
        // À travers un lien symbolique, c'est sa cible qui est remplacée, pas le lien.
        if (char* cible = realpath(nom, nullptr)) {
            chemin = cible;
            std::free(cible);
        }
        const std::string nomSauvegarde = std::string(nom) + "~";
        struct stat etatSauvegarde;
        std::string refusSauvegarde;
        if (stat(nomSauvegarde.c_str(), &etatSauvegarde) == 0)
            refusSauvegarde = obstacle(nomSauvegarde.c_str(), etatSauvegarde);
        if (!refusSauvegarde.empty() ||
            !remplaceParRenommage(nomSauvegarde, ancien, mode, refusSauvegarde))
            return echoue(r, "l'ancien contenu ne peut pas \xC3\xAAtre gard\xC3\xA9 dans " +
                                 nomSauvegarde + " : " + refusSauvegarde);
        r.sauvegarde = true;
    } else if (errno != ENOENT) {
        return echoue(r, std::strerror(errno));
    } else {
        mode_t masque = umask(0);
        umask(masque);
        mode = 0666 & ~masque;
    }

    std::string raison;
    if (!remplaceParRenommage(chemin, texte, mode, raison))
        return echoue(r, raison);
    r.etat = ResultatExport::ECRIT;
    return true;
}

ResultatExport exporteTexte(const char* nom, const std::string& texte)
{
    ResultatExport r;
    if (ecritFichierSource(nom, texte, r)) {
        if (r.sauvegarde)
            std::fprintf(stderr, "%s : l'ancien contenu est gard\xC3\xA9 dans %s~\n",
                         r.fichier.c_str(), r.fichier.c_str());
        return r;
    }
    std::string raisonCopie;
    if (copieDeSecours(nom, texte, r.copie, raisonCopie)) {
        r.etat = ResultatExport::COPIE;
        std::fprintf(stderr,
                     "%s n'a pas pu \xC3\xAAtre \xC3\xA9"
                     "crit (%s) : la mise en page est copi\xC3\xA9"
                     "e dans %s\n",
                     r.fichier.c_str(), r.raison.c_str(), r.copie.c_str());
        return r;
    }
    r.etat = ResultatExport::SUR_ERREUR;
    std::fprintf(stderr,
                 "%s n'a pas pu \xC3\xAAtre \xC3\xA9"
                 "crit (%s), ni copi\xC3\xA9 dans le dossier temporaire (%s) : voici la mise "
                 "en page.\n",
                 r.fichier.c_str(), r.raison.c_str(), raisonCopie.c_str());
    std::fwrite(texte.data(), 1, texte.size(), stderr);
    std::fprintf(stderr, "(fin de la mise en page)\n");
    std::fflush(stderr);
    return r;
}

LectureSource litSource(const char* nom)
{
    LectureSource l;
    const int fd = open(nom, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT) {
        l.absent = true;
        return l;
    }
    struct stat etat;
    if (fd < 0 || fstat(fd, &etat) != 0)
        l.raison = std::strerror(errno);
    else if (S_ISDIR(etat.st_mode))
        l.raison = "un dossier porte ce nom";
    else if (!S_ISREG(etat.st_mode))
        l.raison = "ce n'est pas un fichier ordinaire";
    char tampon[4096];
    while (l.raison.empty()) {
        const ssize_t n = read(fd, tampon, sizeof tampon);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            l.raison = std::strerror(errno);
        if (n <= 0)
            break;
        l.texte.append(tampon, size_t(n));
        if (l.texte.size() > TAILLE_SOURCE_MAX)
            l.raison = "plus de 16 Mio, ce n'est pas un source de l'\xC3\xA9"
                       "diteur";
    }
    if (fd >= 0)
        close(fd);
    if (!l.raison.empty())
        l.texte.clear();
    return l;
}

void ditOuEstLaMiseEnPage(const char* cause, const ResultatExport& r)
{
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

std::string messageExportManque(const ResultatExport& r)
{
    std::string s = r.fichier +
                    " n'a pas pu \xC3\xAAtre \xC3\xA9"
                    "crit (" +
                    r.raison + ")";
    if (r.etat == ResultatExport::COPIE)
        return s +
               ".\n\nLa mise en page est copi\xC3\xA9"
               "e dans :\n" +
               r.copie;
    return s + ", ni copi\xC3\xA9 dans le dossier temporaire.\n\nLa mise en page est "
               "\xC3\xA9"
               "crite sur la sortie d'erreur.";
}
