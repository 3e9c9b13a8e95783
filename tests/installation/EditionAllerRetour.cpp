// EditionAllerRetour : une séance d'édition en mémoire, menée par les rappels de l'application
// comme le ferait l'utilisateur : pose un objet de chaque genre en les faisant se chevaucher,
// en déplace, redimensionne et réordonne, rétrécit la fenêtre, puis enregistre les morceaux
// dessinés de la fenêtre éditée et quitte, ce qui écrit "Fenetre1.cpp".
#include "EnregistreurGL.h"
#include "Wexo.h"
#include "application/Entrees.h"
#include "application/Plateforme.h"
#include "editor/CFenetrePrincipale.h"
#include "editor/Editeur.h"
#include "editor/EtatEditeur.h"

#include <cstdio>
#include <fstream>

namespace
{
// Coin haut-gauche d'un objet à l'écran : somme des coins et des marges de ses parents.
Coord coinEcran(CObjetGDI* objet)
{
    Coord c = objet->limites.hautGauche;
    for (CContainer* p = objet->parent; p; p = p->parent)
        c = c + p->limites.hautGauche + MakeCoord(p->skin.margeGauche, p->skin.margeHaut);
    return c;
}

void vers(Coord p)
{
    mouvementSouris(p.x, p.y);
}

void appuie()
{
    boutonSouris(BOUTON_GAUCHE, ETAT_ENFONCE, 0, 0);
}

void relache()
{
    boutonSouris(BOUTON_GAUCHE, ETAT_RELACHE, 0, 0);
}

// Un glissement de a à b à l'écran, avec des tours d'inactivité comme dans la boucle.
void glisse(Coord a, Coord b)
{
    vers(a);
    inactivite();
    appuie();
    inactivite();
    vers(MakeCoord((a.x + b.x) / 2, (a.y + b.y) / 2));
    inactivite();
    vers(b);
    inactivite();
    relache();
    inactivite();
}

// Espace ouvre le menu ; un clic sur l'icône du genre le choisit et ferme le menu.
void choisit(int genre)
{
    clavier(' ', 0, 0);
    inactivite();
    CBouton* icone = boutonsSelection[genre];
    const Coord centre =
        coinEcran(icone) + MakeCoord(icone->limites.largeur() / 2, icone->limites.hauteur() / 2);
    vers(centre);
    inactivite();
    appuie();
    relache();
    inactivite();
}

// Client de la fenêtre éditée (marges 7, 30 de la ligne beige) vers l'écran.
Coord ecran(int x, int y)
{
    return MakeCoord(x + 7, y + 30);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage : edition_aller_retour <fichier des morceaux>, là où se trouve Data/\n",
                   stderr);
        return 2;
    }
    // Quitter ne termine pas le processus : la séance écrit encore ses appels.
    plateforme.termine = [](int) {};
    if (!demarre())
        return 1;

    // Échap ferme l'aide ouverte au démarrage.
    clavier(27, 0, 0);
    inactivite();

    // Un objet de chaque genre, tous sur la même zone, le dernier posé devant.
    choisit(4); // image, tout au fond
    glisse(ecran(100, 80), ecran(400, 330));
    choisit(1); // texte, glissé de droite à gauche
    glisse(ecran(380, 160), ecran(150, 100));
    choisit(2); // bouton
    glisse(ecran(200, 140), ecran(360, 220));
    choisit(3); // case à cocher, sur le bouton
    glisse(ecran(300, 170), ecran(340, 200));
    choisit(5); // barre de progression, à travers tout
    glisse(ecran(120, 200), ecran(450, 230));
    choisit(2); // un second bouton, qu'on va déplacer, agrandir puis renvoyer au fond
    glisse(ecran(500, 300), ecran(600, 360));

    // Déplacement du second bouton sur les autres, puis agrandissement par son coin bas-droit.
    glisse(ecran(550, 330), ecran(330, 260));
    const Rect b = objetSelectionne->limites;
    glisse(ecran(b.basDroite.x - 2, b.basDroite.y - 2),
           ecran(b.basDroite.x + 40, b.basDroite.y + 30));
    clavier('-', 0, 0); // au fond, derrière l'image
    inactivite();

    // Sélection de l'image (au fond, visible sur son bord gauche) et retour au premier plan.
    vers(ecran(110, 300));
    inactivite();
    appuie();
    relache();
    inactivite();
    clavier('+', 0, 0);
    inactivite();

    // Le bord bas de la fenêtre remonté : elle n'est plus plein écran.
    const Rect f = fenetrePrincipale->limites;
    glisse(MakeCoord(512, f.basDroite.y - 12), MakeCoord(512, 620));

    // Un appui loin de tout efface la sélection : il ne reste que la fenêtre et ses objets.
    vers(ecran(900, 500));
    inactivite();
    appuie();
    relache();
    inactivite();

    enregistreur::efface();
    declenche(racine->evenements[EVT_DESSIN], racine);
    std::ofstream sortie(argv[1]);
    const Rect l = fenetrePrincipale->limites;
    sortie << "# limites " << l.hautGauche.x << " " << l.hautGauche.y << " " << l.basDroite.x << " "
           << l.basDroite.y << "\n"
           << enregistreur::journalMorceaux();
    quitte();
    return sortie ? 0 : 1;
}
