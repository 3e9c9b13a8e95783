// Entrees : chaque rappel d'entrée commence par une mise à jour de l'arbre, pour que survols
// et positions de souris soient à jour quand la touche ou le bouton arrive.
#include "application/Entrees.h"

#include "application/Boucle.h"
#include "containers/CContainer.h"
#include "widgets/Clavier.h"
#include "widgets/DemandeImage.h"

namespace
{
// Faux quand l'arbre n'existe pas (avant le démarrage, après quitte()). Toute entrée amène une
// image : survols, appuis et curseur ont pu changer.
bool metAJour()
{
    if (!racine)
        return false;
    demandeImage();
    declenche(racine->evenements[EVT_MISE_A_JOUR], racine);
    return racine != nullptr;
}

// Les modificateurs valent pour la seule livraison, même si l'arbre y disparaît.
struct PorteeModificateurs {
    explicit PorteeModificateurs(int m) { poseModificateursClavier(m); }
    ~PorteeModificateurs() { poseModificateursClavier(0); }
    PorteeModificateurs(const PorteeModificateurs&) = delete;
    PorteeModificateurs& operator=(const PorteeModificateurs&) = delete;
};
} // namespace

void clavier(unsigned char touche, int /*x*/, int /*y*/)
{
    clavierModifie(touche, 0);
}

void toucheSpecialeAppuyee(int touche, int /*x*/, int /*y*/)
{
    toucheSpecialeModifiee(touche, 0);
}

void boutonSouris(int bouton, int etat, int /*x*/, int /*y*/)
{
    boutonSourisModifie(bouton, etat, 0);
}

void clavierModifie(unsigned char touche, int modificateurs)
{
    const PorteeModificateurs portee(modificateurs);
    if (metAJour())
        racine->toucheClavier(touche);
}

void toucheSpecialeModifiee(int touche, int modificateurs)
{
    const PorteeModificateurs portee(modificateurs);
    if (metAJour())
        racine->toucheSpeciale(touche);
}

void boutonSourisModifie(int bouton, int etat, int modificateurs)
{
    const PorteeModificateurs portee(modificateurs);
    if (!metAJour())
        return;
    int evenement = -1;
    if (etat == ETAT_ENFONCE && bouton == BOUTON_GAUCHE)
        evenement = EVT_APPUI_GAUCHE;
    else if (etat == ETAT_ENFONCE && bouton == BOUTON_DROIT)
        evenement = EVT_APPUI_DROIT;
    else if (etat == ETAT_RELACHE && bouton == BOUTON_GAUCHE)
        evenement = EVT_CLIC_GAUCHE;
    else if (etat == ETAT_RELACHE && bouton == BOUTON_DROIT)
        evenement = EVT_CLIC_DROIT;
    // Le bouton du milieu et les autres n'apportent que la mise à jour.
    if (evenement >= 0)
        declenche(racine->evenements[evenement], racine);
}

void mouvementSouris(int x, int y)
{
    if (!racine)
        return;
    racine->souris = MakeCoord(x, y) - racine->limites.hautGauche;
    pointeurDedans = true;
    metAJour();
}

void entreeSouris(bool dedans)
{
    // Entrée, le curseur reparaît à sa place et s'anime ; sortie, il ne demande plus rien.
    if (dedans && !pointeurDedans)
        demandeImage();
    pointeurDedans = dedans;
}
