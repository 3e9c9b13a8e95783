// Scenes : démarrage de l'éditeur et pose d'objets mêlés dans la fenêtre éditée.
#include "Scenes.h"

#include "Wexo.h"
#include "application/Entrees.h"
#include "editor/CFenetrePrincipale.h"
#include "editor/Editeur.h"
#include "editor/EtatEditeur.h"

namespace
{
int nombrePose = 0;
uint32_t graine = 12345;

// Tirage reproductible : le banc enregistreur et le banc OpenGL posent les mêmes objets.
int tire(int borne)
{
    graine = graine * 1103515245u + 12345u;
    return int((graine >> 8) % uint32_t(borne));
}
} // namespace

bool demarreScenes()
{
    return demarre();
}

void fermeAide()
{
    clavier(27, 0, 0);
    inactivite();
}

void poseObjetsJusqua(int n)
{
    // La zone client de la fenêtre plein écran, moins de quoi loger un objet.
    for (; nombrePose < n; ++nombrePose) {
        int x = tire(1016 - 160), y = tire(738 - 110);
        CObjetGDI* objet = nullptr;
        switch (nombrePose % 5) {
        case 0:
            objet = new CTexte(MakeRect(x, y, x + 150, y + 60), "Zone de texte");
            break;
        case 1:
            objet = new CBouton(MakeRect(x, y, x + 120, y + 50), "<centre>Bouton",
                                BOUTON_SKIN_ROND_VARIABLE);
            break;
        case 2:
            objet = new CCoche(MakeCoord(x, y), nombrePose % 2 == 0, COCHE_SKIN_DEFAUT);
            break;
        case 3:
            objet =
                new CImage(TEXTURE_MOI, MakeRect(x, y, x + 100, y + 100), MakeRect(0, 0, 256, 256));
            break;
        default:
            objet =
                new CProgression(MakeCoord(x, y), 150, true, 0, 50, 100, PROGRESSION_SKIN_DEFAUT);
            break;
        }
        fenetrePrincipale->ajouteObjetGDI(objet);
        objet->desactiveEvenements();
    }
}

void imageEditeur()
{
    inactivite();
    affichage();
}

std::map<int, uint32_t> nomsTextures()
{
    std::map<int, uint32_t> noms;
    for (int i = 0; i < NOMBRE_TEXTURES; ++i)
        noms[i] = textures[i].nomTexture;
    noms[NOMBRE_TEXTURES] = polices[0].nomTexture;
    return noms;
}
