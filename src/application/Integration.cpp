// Integration : la boucle commune appelée par morceaux depuis la boucle d'un programme, sans
// GLUT ; l'horloge est celle du processus, l'arrêt un drapeau que lit tourBoiteAOutils.
#include "wexo/Integration.h"

#include "application/Boucle.h"
#include "application/CFondApplication.h"
#include "application/Entrees.h"
#include "application/Plateforme.h"
#include "render/Primitives.h"
#include "render/TailleAffichage.h"
#include "text/Utf8.h"
#include "widgets/Clavier.h"

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace
{
bool arretDemande = false;
std::chrono::steady_clock::time_point depart;

int tempsProcessus()
{
    return int(std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - depart)
                   .count());
}

void demandeArret()
{
    arretDemande = true;
}

// Les entrées du programme arrivent entre deux tours : elles voient l'heure de leur arrivée.
void entreeArrivee()
{
    if (racine)
        rafraichitHorloge();
}
} // namespace

void quitteApplication()
{
    plateforme.arreteBoucle();
}

void tailleAffichage(const CFenetre* fenetre, int& largeur, int& hauteur)
{
    largeur = hauteur = 0;
    if (!fenetre)
        return;
    // Une fenêtre plein écran déborde de l'écran de la boîte à outils : elle le donne.
    if (demandeEcranEntier(*fenetre)) {
        largeur = LARGEUR_ECRAN;
        hauteur = HAUTEUR_ECRAN;
        return;
    }
    largeur = std::max(int(fenetre->limites.largeur()), 0);
    hauteur = std::max(int(fenetre->limites.hauteur()), 0);
}

bool demarreBoiteAOutils(CFenetre* fenetre, const char* imagesInstallees)
{
    if (!fenetre) {
        std::fprintf(stderr, "Wexo : demarreBoiteAOutils sans fen\xC3\xAAtre\n");
        return false;
    }
    if (racine) {
        std::fprintf(stderr, "Wexo : la bo\xC3\xAEte \xC3\xA0 outils tourne d\xC3\xA9j\xC3\xA0 : "
                             "arreteBoiteAOutils d'abord\n");
        delete fenetre;
        return false;
    }
    plateformeParDefaut();
    plateforme.temps = tempsProcessus;
    plateforme.arreteBoucle = demandeArret;
    depart = std::chrono::steady_clock::now();
    arretDemande = false;
    if (!prepareDemarrage(imagesInstallees)) {
        delete fenetre;
        plateformeParDefaut();
        return false;
    }
    racine = new CFondApplication(fenetre, false);
    commenceBoucleALaDemande(nullptr);
    return true;
}

void envoieMouvementSouris(int x, int y)
{
    entreeArrivee();
    mouvementSouris(x, y);
}

void envoieSourisDedans(bool dedans)
{
    entreeArrivee();
    entreeSouris(dedans);
}

void envoieBoutonSouris(int bouton, bool enfonce, int modificateurs)
{
    entreeArrivee();
    boutonSourisModifie(bouton, enfonce ? ETAT_ENFONCE : ETAT_RELACHE, modificateurs);
}

void envoieTouche(unsigned char touche, int modificateurs)
{
    entreeArrivee();
    clavierModifie(caractereAvecModificateurs(touche, modificateurs), modificateurs);
}

void envoieTexte(const char* utf8)
{
    entreeArrivee();
    // Du texte, pas des touches : un octet de contrôle (Échap, Entrée) n'en fait pas partie.
    for (const char c : convertitUtf8(utf8, 0)) {
        const unsigned char touche = static_cast<unsigned char>(c);
        if (touche >= 32 && touche != 127)
            clavier(touche, 0, 0);
    }
}

void envoieToucheSpeciale(int touche, int modificateurs)
{
    entreeArrivee();
    toucheSpecialeModifiee(touche, modificateurs);
}

bool tourBoiteAOutils()
{
    if (!racine || arretDemande)
        return false;
    inactivite();
    return !arretDemande;
}

bool imageADessiner()
{
    return racine && affichageEnAttente();
}

int delaiAvantImage()
{
    if (!racine)
        return -1;
    return delaiAvantTour();
}

void ajusteVue(int largeur, int hauteur)
{
    // L'affichage entier, pixel pour pixel depuis son coin haut-gauche : la boîte à outils
    // dessine à sa taille, rien n'est mis à l'échelle ; le dorsal pose la projection.
    poseTailleAffichage(largeur, hauteur);
    glViewport(0, 0, largeurAffichage(), hauteurAffichage());
}

void dessineBoiteAOutils(int largeur, int hauteur)
{
    if (!racine)
        return;
    ajusteVue(largeur, hauteur);
    prepareEtatGL();
    suitTailleAffichage(largeur, hauteur);
    affichage();
}

void arreteBoiteAOutils()
{
    CContainer* arbre = racine;
    racine = nullptr;
    delete arbre;
    finitBoucleALaDemande();
    plateformeParDefaut();
    // L'affichage du programme n'est plus le sien : la taille par défaut revient.
    poseTailleAffichage(LARGEUR_ECRAN, HAUTEUR_ECRAN);
}
