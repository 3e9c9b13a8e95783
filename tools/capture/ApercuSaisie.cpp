// Aperçu des champs de saisie : une fenêtre beige aux champs dans chacun de leurs états (normal,
// survolé, focus avec sélection et curseur, mot de passe, défilé, inactif), menés par les rappels
// d'entrée et les touches du focus, dessinés par Mesa hors écran et écrits en PNG.
#include "CaptureEGL.h"
#include "Wexo.h"
#include "application/Boucle.h"
#include "application/Entrees.h"
#include "containers/CFenetre.h"
#include "widgets/Clavier.h"

#include <GL/gl.h>

#include <cstdio>

namespace
{
// Un champ et sa légende, rangée par rangée.
CSaisie* rangee(CFenetre* f, int rang, const char* legende, const char* texte)
{
    const int y = 14 + rang * 40;
    f->ajouteObjetGDI(new CTexte(MakeCoord(14, y + 5), legende));
    CSaisie* s = new CSaisie(MakeRect(150, y, 420, y + 26), texte);
    f->ajouteObjetGDI(s);
    return s;
}
} // namespace

int main(int argc, char** argv)
{
    const char* sortie = argc > 1 ? argv[1] : "apercu-saisie.png";
    if (!demarreCapture())
        return 1;
    CContainer* fond = new CContainer(-1);
    fond->limites = PLEIN_ECRAN;
    racine = fond;
    CFenetre* fenetre = new CFenetre(CONTAINER_SKIN_BEIGE);
    fenetre->setLimites(MakeRect(0, 0, 450, 290));

    rangee(fenetre, 0, "Normal", "Texte <b>brut</b> & 100 %");
    CSaisie* survole = rangee(fenetre, 1, "Survol\xE9", "Jean Dupont");
    CSaisie* focus = rangee(fenetre, 2, "Focus",
                            "Cr\xE9"
                            "er un compte");
    CSaisie* masque = rangee(fenetre, 3, "Mot de passe", "secret");
    masque->motDePasse = true;
    CSaisie* long_ = rangee(fenetre, 4,
                            "D\xE9"
                            "fil\xE9",
                            "Un texte bien plus long que le champ, qui d\xE9"
                            "file jusqu'au curseur");
    CSaisie* inactif = rangee(fenetre, 5, "Inactif", "Non modifiable");
    inactif->desactiveEvenements();
    fond->ajouteObjetGDI(fenetre);

    // Le focus donné à la main (la fenêtre le donnerait au clic) ; Maj+Ctrl+gauche choisit le
    // dernier mot.
    focus->changeFocus(true);
    focus->toucheSpecialeFocus(107, 0);
    focus->toucheSpecialeFocus(100, MODIFICATEUR_MAJ | MODIFICATEUR_CTRL);
    masque->changeFocus(true);
    long_->changeFocus(true);
    long_->toucheSpecialeFocus(107, 0);
    const Coord s = survole->limites.hautGauche + fenetre->limites.hautGauche +
                    MakeCoord(fenetre->skin.margeGauche + 100, fenetre->skin.margeHaut + 10);
    mouvementSouris(s.x, s.y);

    affichage();
    glFinish();
    const bool ecrit = ecritPNG(sortie, fenetre->limites);
    std::printf("%s\n", ecrit ? sortie : "ÉCHEC");
    delete fond;
    racine = nullptr;
    return ecrit ? 0 : 1;
}
