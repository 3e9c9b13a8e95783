// ExportSource : mise en forme des lignes du source généré et écriture par renommage.
#include "editor/ExportSource.h"

#include "containers/CFenetre.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CImage.h"
#include "widgets/CProgression.h"
#include "widgets/CTexte.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const char NOM_FICHIER_SOURCE[] = "Fenetre1.cpp";

namespace
{
// printf vers une chaîne, sans limite de longueur.
std::string formate(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string formate(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copie;
    va_copy(copie, args);
    int n = std::vsnprintf(nullptr, 0, format, copie);
    va_end(copie);
    std::string s;
    if (n > 0) {
        s.resize(size_t(n) + 1);
        std::vsnprintf(&s[0], s.size(), format, args);
        s.resize(size_t(n));
    }
    va_end(args);
    return s;
}

const char* ouVide(const char* texte)
{
    return texte ? texte : "";
}

const char* booleen(bool b)
{
    return b ? "true" : "false";
}

void signaleEchec(const char* nom, const char* raison)
{
    std::fprintf(stderr,
                 "%s n'a pas pu \xC3\xAAtre \xC3\xA9"
                 "crit (%s) : la mise en page est perdue.\n",
                 nom, raison);
}

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
} // namespace

std::string enteteSource(bool pleinEcran, Rect r)
{
    std::string s = "\nCFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n";
    if (pleinEcran)
        return s + "\tsetLimites(PLEIN_ECRAN) ;\n";
    return s + formate("\tsetLimites(MakeRect(%i,%i,%i,%i)) ;\n", r.hautGauche.x, r.hautGauche.y,
                       r.basDroite.x, r.basDroite.y);
}

std::string ligneTexte(Rect r, const char* texte)
{
    return formate("\tajouteObjetGDI(new CTexte(MakeRect(%i,%i,%i,%i), \"%s\")) ;\n",
                   r.hautGauche.x, r.hautGauche.y, r.basDroite.x, r.basDroite.y, ouVide(texte));
}

std::string ligneBouton(Rect r, bool avecLegende, const char* texte)
{
    if (!avecLegende)
        return formate("\tajouteObjetGDI(new CBouton(MakeRect(%i,%i,%i,%i), "
                       "BOUTON_SKIN_ROND_VARIABLE)) ;\n",
                       r.hautGauche.x, r.hautGauche.y, r.basDroite.x, r.basDroite.y);
    return formate("\tajouteObjetGDI(new CBouton(MakeRect(%i,%i,%i,%i), \"%s\", "
                   "BOUTON_SKIN_ROND_VARIABLE)) ;\n",
                   r.hautGauche.x, r.hautGauche.y, r.basDroite.x, r.basDroite.y, ouVide(texte));
}

std::string ligneCoche(Coord p, bool cochee)
{
    return formate("\tajouteObjetGDI(new CCoche(MakeCoord(%i,%i), %s, COCHE_SKIN_DEFAUT)) ;\n", p.x,
                   p.y, booleen(cochee));
}

std::string ligneImage(Rect r)
{
    return formate("\tajouteObjetGDI(new CImage(MakeRect(%i,%i,%i,%i), BMP_)) ;\n", r.hautGauche.x,
                   r.hautGauche.y, r.basDroite.x, r.basDroite.y);
}

std::string ligneProgression(Coord p, int largeur, bool modifiable, int minimum, int valeur,
                             int maximum)
{
    return formate("\tajouteObjetGDI(new CProgression(MakeCoord(%i,%i), %i, %s, %i, %i, %i, "
                   "PROGRESSION_SKIN_DEFAUT)) ;\n",
                   p.x, p.y, largeur, booleen(modifiable), minimum, valeur, maximum);
}

std::string finSource()
{
    return "}\n";
}

std::string ligneObjet(CObjetGDI* objet)
{
    // Le premier genre reconnu, dans cet ordre, décide.
    if (CTexte* texte = dynamic_cast<CTexte*>(objet))
        return ligneTexte(texte->limites, texte->texte);
    if (CBouton* bouton = dynamic_cast<CBouton*>(objet)) {
        const Coord sans = {-1, -1};
        const bool sansLegende =
            bouton->skin.margeTexteHautGauche == sans && bouton->skin.margeTexteBasDroite == sans;
        return ligneBouton(bouton->limites, !sansLegende, bouton->texte);
    }
    if (CCoche* coche = dynamic_cast<CCoche*>(objet))
        return ligneCoche(coche->limites.hautGauche, coche->cochee);
    if (CImage* image = dynamic_cast<CImage*>(objet))
        return ligneImage(image->limites);
    if (CProgression* barre = dynamic_cast<CProgression*>(objet)) {
        const Rect l = barre->limites;
        return ligneProgression(l.hautGauche, l.basDroite.x - l.hautGauche.x, barre->modifiable,
                                barre->minimum, barre->valeur, barre->maximum);
    }
    return std::string();
}

std::string texteSource(CFenetre& fenetre)
{
    std::string s = enteteSource(fenetre.estPleinEcran(), fenetre.limites);
    for (Noeud<CObjetGDI*>* n = fenetre.enfants.queue; n; n = n->precedent)
        s += ligneObjet(n->element);
    return s + finSource();
}

bool ecritFichierSource(const char* nom, const std::string& texte)
{
    // Un fichier existant protégé en écriture reste tel quel, même pour qui pourrait le remplacer.
    std::string chemin = nom;
    struct stat etat;
    mode_t mode;
    if (stat(nom, &etat) == 0) {
        if (!S_ISREG(etat.st_mode)) {
            signaleEchec(nom, "ce n'est pas un fichier ordinaire");
            return false;
        }
        if ((etat.st_mode & 0222) == 0 || access(nom, W_OK) != 0) {
            signaleEchec(nom, "fichier en lecture seule");
            return false;
        }
        mode = etat.st_mode & 07777;
        // À travers un lien symbolique, c'est sa cible qui est remplacée, pas le lien.
        if (char* cible = realpath(nom, nullptr)) {
            chemin = cible;
            std::free(cible);
        }
    } else {
        mode_t masque = umask(0);
        umask(masque);
        mode = 0666 & ~masque;
    }

    std::string temporaire = chemin + ".XXXXXX";
    int fd = mkstemp(&temporaire[0]);
    if (fd < 0) {
        signaleEchec(nom, std::strerror(errno));
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
        signaleEchec(nom, std::strerror(erreur));
    }
    return ok;
}
