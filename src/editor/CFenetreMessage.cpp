// CFenetreMessage : mise en page d'après le texte mesuré et touches de validation.
#include "editor/CFenetreMessage.h"

#include "editor/EtatEditeur.h"
#include "widgets/CBouton.h"
#include "widgets/CTexte.h"

namespace
{
// Mise en page, en coordonnées client de la fenêtre.
const Coord POSITION_TEXTE = {20, 31};
const int MARGE_DROITE_TEXTE = 20;
const int MARGE_BAS_TEXTE = 100;
const int ECART_TEXTE_BOUTONS = 25;
// Abscisses des boutons par rapport aux deux tiers de la largeur client.
const int DECALAGE_BOUTON_SEUL = -30;
const int DECALAGE_PREMIER_BOUTON = -100;
const int DECALAGE_SECOND_BOUTON = -5;
// Lignes de skinsBouton des boutons du message.
const int SKIN_BOUTON_SEUL = 6;
const int SKIN_BOUTON_VALIDER = 7;
const int SKIN_BOUTON_ANNULER = 8;
} // namespace

CFenetreMessage::CFenetreMessage(const char* texte, bool deuxBoutons, int indiceSkin)
    : CFenetre(indiceSkin)
{
    CTexte* zone = new CTexte(POSITION_TEXTE, texte);
    ajouteObjetGDI(zone);
    // Un appui sur le texte atteint la fenêtre, qui peut alors se déplacer.
    zone->ignoreSouris = true;

    const Coord fin = zone->limites.basDroite;
    const int largeurClient = fin.x + MARGE_DROITE_TEXTE;
    const int yBoutons = fin.y + ECART_TEXTE_BOUTONS;
    const int deuxTiers = (2 * largeurClient) / 3;
    if (deuxBoutons) {
        boutonValider =
            ajouteBouton(SKIN_BOUTON_VALIDER, deuxTiers + DECALAGE_PREMIER_BOUTON, yBoutons);
        boutonAnnuler =
            ajouteBouton(SKIN_BOUTON_ANNULER, deuxTiers + DECALAGE_SECOND_BOUTON, yBoutons);
    } else {
        boutonValider = ajouteBouton(SKIN_BOUTON_SEUL, deuxTiers + DECALAGE_BOUTON_SEUL, yBoutons);
        boutonAnnuler = nullptr;
    }

    setLimites(MakeRect(0, 0, largeurClient + skin.margeGauche + skin.margeDroite,
                        fin.y + MARGE_BAS_TEXTE + skin.margeHaut + skin.margeBas));
    modal = true;
}

CBouton* CFenetreMessage::ajouteBouton(int skinBouton, int x, int y)
{
    CBouton* bouton = new CBouton(MakeCoord(x, y), skinBouton);
    ajouteObjetGDI(bouton);
    ajouteGestionnaire(bouton->evenements[EVT_CLIC_GAUCHE], static_cast<CObjetGDI*>(this),
                       &CObjetGDI::demandeFermeture);
    return bouton;
}

void CFenetreMessage::simuleClic(CBouton* bouton)
{
    declenche(bouton->evenements[EVT_APPUI_GAUCHE], bouton);
    declenche(bouton->evenements[EVT_CLIC_GAUCHE], bouton);
}

void CFenetreMessage::toucheClavier(int touche)
{
    switch (touche & 0xFF) {
    case TOUCHE_ENTREE:
    case TOUCHE_ESPACE:
        simuleClic(boutonValider);
        aDetruire = true;
        break;
    case TOUCHE_ECHAP:
        if (boutonAnnuler)
            simuleClic(boutonAnnuler);
        aDetruire = true;
        break;
    default:
        break;
    }
}
