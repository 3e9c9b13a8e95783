// LotGL : la liste courante, le dorsal, et les portées qui décident quand la liste part.
#include "render/LotGL.h"

#include "render/Primitives.h"

namespace
{
// Une seule liste courante et un seul dorsal : le contexte OpenGL est unique.
struct ListeReservee {
    ListeDessin l;
    ListeReservee() { l.reserve(); }
};
ListeDessin& liste()
{
    static ListeReservee r;
    return r.l;
}
DorsalGL& dorsal()
{
    static DorsalGL d;
    return d;
}

bool regroupe = true;
int portees = 0;
int etrangers = 0;
// Les portées ouvertes autour d'un gestionnaire étranger, rendues après lui.
int porteesAvantEtranger[16];

void envoieListe()
{
    ListeDessin& l = liste();
    // Pendant un gestionnaire étranger, chaque primitive part seule, en mode immédiat.
    dorsal().envoie(l, regroupe && etrangers == 0);
    l.vide();
}
} // namespace

ListeDessin& listeDessin()
{
    ListeDessin& l = liste();
    if (l.pleine())
        envoieListe();
    return l;
}

DorsalGL& dorsalGL()
{
    return dorsal();
}

void fermeLotGL()
{
    envoieListe();
}

void prepareEtatGL()
{
    liste().oublieEtat();
    dorsal().prepareEtat();
}

void oublieEtatGL()
{
    liste().oublieEtat();
    dorsal().oublieEtat();
}

void entreePorteeDessin()
{
    ++portees;
}

void sortiePorteeDessin()
{
    if (--portees <= 0) {
        portees = 0;
        envoieListe();
    }
}

void entreDessinEtranger()
{
    liste().gestionnaire();
    envoieListe();
    // Ses primitives sont les plus extérieures : chacune part à sa fin.
    if (etrangers < 16)
        porteesAvantEtranger[etrangers] = portees;
    ++etrangers;
    portees = 0;
}

void sortDessinEtranger()
{
    envoieListe();
    dorsal().finGestionnaire();
    if (etrangers > 0 && --etrangers < 16)
        portees = porteesAvantEtranger[etrangers];
}

void finImageGL()
{
    envoieListe();
    dorsal().finImage();
}

uint64_t imagesEnvoyees()
{
    return dorsal().imagesEnvoyees();
}

void regroupementGL(bool actif)
{
    envoieListe();
    regroupe = actif;
}

bool regroupementGL()
{
    return regroupe;
}
