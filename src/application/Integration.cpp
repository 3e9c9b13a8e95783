// Integration : la boucle commune appelée par morceaux depuis la boucle d'un programme, sans
// GLUT ; l'horloge est celle du processus, l'arrêt un drapeau que lit tourBoiteAOutils.
#include "wexo/Integration.h"

#include "application/Boucle.h"
#include "application/CFondApplication.h"
#include "application/Entrees.h"
#include "application/Plateforme.h"
#include "render/Primitives.h"
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
    // Une fenêtre plein écran déborde de l'écran : bornée, elle donne l'écran.
    largeur = std::clamp(int(fenetre->limites.largeur()), 0, LARGEUR_ECRAN);
    hauteur = std::clamp(int(fenetre->limites.hauteur()), 0, HAUTEUR_ECRAN);
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
    return true;
}

void envoieMouvementSouris(int x, int y)
{
    mouvementSouris(x, y);
}

void envoieBoutonSouris(int bouton, bool enfonce, int modificateurs)
{
    boutonSourisModifie(bouton, enfonce ? ETAT_ENFONCE : ETAT_RELACHE, modificateurs);
}

void envoieTouche(unsigned char touche, int modificateurs)
{
    clavierModifie(caractereAvecModificateurs(touche, modificateurs), modificateurs);
}

void envoieTexte(const char* utf8)
{
    // Du texte, pas des touches : un octet de contrôle (Échap, Entrée) n'en fait pas partie.
    for (const char c : convertitUtf8(utf8, 0)) {
        const unsigned char touche = static_cast<unsigned char>(c);
        if (touche >= 32 && touche != 127)
            clavier(touche, 0, 0);
    }
}

void envoieToucheSpeciale(int touche, int modificateurs)
{
    toucheSpecialeModifiee(touche, modificateurs);
}

bool tourBoiteAOutils()
{
    if (!racine || arretDemande)
        return false;
    inactivite();
    return !arretDemande;
}

void ajusteVue(int /*largeur*/, int hauteur)
{
    // L'écran de 1024 x 768 de la boîte à outils, son coin haut-gauche sur celui de
    // l'affichage : ce qui dépasse à droite ou en bas n'est pas montré, rien n'est mis à
    // l'échelle.
    glViewport(0, hauteur - HAUTEUR_ECRAN, LARGEUR_ECRAN, HAUTEUR_ECRAN);
}

void dessineBoiteAOutils(int largeur, int hauteur)
{
    if (!racine)
        return;
    prepareEtatGL();
    ajusteVue(largeur, hauteur);
    affichage();
}

void arreteBoiteAOutils()
{
    CContainer* arbre = racine;
    racine = nullptr;
    delete arbre;
    plateformeParDefaut();
}
