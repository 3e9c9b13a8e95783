// CacheTextes : les textes déjà disposés, retrouvés par leur clé et redonnés appel par appel.
#include "text/CacheTextes.h"

#include "render/LotGL.h"

#include <algorithm>
#include <cstring>

namespace
{
// Les textes d'une image de 1000 objets y tiennent ; au-delà, tout est oublié et réenregistré.
const std::size_t ENTREES = 2048; // une puissance de deux
const std::size_t VOIES = 4;      // entrées où une empreinte peut loger
const std::size_t APPELS_MAX = 16384;
const std::size_t OCTETS_MAX = 65536;
const std::size_t STYLES_MAX = 8192;

uint64_t melange(uint64_t h, uint64_t v)
{
    return (h ^ v) * 0x100000001b3ull;
}
} // namespace

void AppelTexte::envoie() const
{
    if (trait) {
        const float xy[4] = {x1, y1, x2, y2};
        listeDessin().boucle(xy, 2, couleur, 1.0f, 0xFFFF, 1);
    } else {
        listeDessin().copie(texture, x1, y1, x2, y2, quad, couleur);
    }
}

namespace
{
// Construit au chargement du programme : sa mémoire, fixe, ne vient pas des objets posés.
CacheTextes cacheCommun;
} // namespace

CacheTextes::CacheTextes()
{
    reserve();
}

CacheTextes& CacheTextes::commun()
{
    return cacheCommun;
}

void CacheTextes::reserve()
{
    entrees.assign(ENTREES, Entree{});
    octets.reserve(OCTETS_MAX);
    pile.reserve(STYLES_MAX);
    appels.reserve(APPELS_MAX);
    oublie();
}

void CacheTextes::oublie()
{
    std::fill(entrees.begin(), entrees.end(), Entree{});
    octets.clear();
    pile.clear();
    appels.clear();
    std::copy(polices, polices + NOMBRE_POLICES, policesConnues);
}

// Les glyphes des octets du texte et les textures, dans toutes les polices, sont ceux des
// entrées : les autres glyphes ne servent pas à ce texte.
bool CacheTextes::policesInchangees(const CleTexte& cle) const
{
    for (int i = 0; i < NOMBRE_POLICES; ++i) {
        if (polices[i].nomTexture != policesConnues[i].nomTexture)
            return false;
        for (std::size_t k = 0; k < cle.longueur; ++k) {
            const unsigned char c = static_cast<unsigned char>(cle.texte[k]);
            if (!(polices[i].glyphes[c] == policesConnues[i].glyphes[c]))
                return false;
        }
    }
    return true;
}

uint64_t CacheTextes::empreinteDe(const CleTexte& cle)
{
    uint64_t h = 0xcbf29ce484222325ull;
    for (std::size_t k = 0; k < cle.longueur; ++k)
        h = melange(h, static_cast<unsigned char>(cle.texte[k]));
    const int32_t entiers[] = {cle.hautGauche.x,
                               cle.hautGauche.y,
                               cle.basDroite.x,
                               cle.basDroite.y,
                               cle.decoupage.hautGauche.x,
                               cle.decoupage.hautGauche.y,
                               cle.decoupage.basDroite.x,
                               cle.decoupage.basDroite.y,
                               profondeurStyle,
                               niveauxHorsPile};
    for (int32_t v : entiers)
        h = melange(h, uint32_t(v));
    return h ^ (h >> 29);
}

bool CacheTextes::egale(const Entree& e, const CleTexte& cle, uint64_t empreinte) const
{
    return e.valide && e.empreinte == empreinte && e.cle.longueur == cle.longueur &&
           e.cle.hautGauche == cle.hautGauche && e.cle.basDroite == cle.basDroite &&
           e.cle.decoupage == cle.decoupage && e.profondeur == profondeurStyle &&
           e.horsPile == niveauxHorsPile &&
           (cle.longueur == 0 ||
            std::memcmp(octets.data() + e.texte, cle.texte, cle.longueur) == 0) &&
           std::memcmp(&pile[e.styles], pileStyles, sizeof(StyleTexte) * size_t(e.haute + 1)) == 0;
}

bool CacheTextes::rejoue(const CleTexte& cle)
{
    enregistre = false;
    if (!policesInchangees(cle))
        oublie();
    const uint64_t empreinte = empreinteDe(cle);
    Entree* groupe = &entrees[empreinte & (ENTREES - VOIES)];
    ++usages;
    for (std::size_t v = 0; v < VOIES; ++v) {
        Entree& e = groupe[v];
        if (!egale(e, cle, empreinte))
            continue;
        e.usage = usages;
        for (std::size_t i = e.premier; i < e.premier + e.nombre; ++i)
            appels[i].envoie();
        const StyleTexte* laissee = &pile[e.styles + size_t(e.haute + 1)];
        std::copy(laissee, laissee + e.haute + 1, pileStyles);
        fermeTousLesStyles();
        return true;
    }
    enregistre = true;
    debordement = false;
    nouvelle = Entree{};
    nouvelle.empreinte = empreinte;
    nouvelle.cle = cle;
    nouvelle.profondeur = profondeurStyle;
    nouvelle.horsPile = niveauxHorsPile;
    nouvelle.premier = appels.size();
    std::copy(pileStyles, pileStyles + TAILLE_PILE_STYLES, entree);
    return false;
}

void CacheTextes::note(const AppelTexte& appel)
{
    if (!enregistre)
        return;
    if (appels.size() >= APPELS_MAX)
        debordement = true;
    else
        appels.push_back(appel);
}

void CacheTextes::termine(int haute)
{
    if (!enregistre)
        return;
    enregistre = false;
    const std::size_t styles = 2 * size_t(haute + 1);
    if (debordement || haute < 0 || haute >= TAILLE_PILE_STYLES ||
        octets.size() + nouvelle.cle.longueur > OCTETS_MAX || pile.size() + styles > STYLES_MAX) {
        oublie();
        return;
    }
    nouvelle.texte = octets.size();
    octets.insert(octets.end(), nouvelle.cle.texte, nouvelle.cle.texte + nouvelle.cle.longueur);
    nouvelle.cle.texte = nullptr;
    nouvelle.haute = haute;
    nouvelle.styles = pile.size();
    pile.insert(pile.end(), entree, entree + haute + 1);
    pile.insert(pile.end(), pileStyles, pileStyles + haute + 1);
    nouvelle.nombre = appels.size() - nouvelle.premier;
    nouvelle.valide = true;
    nouvelle.usage = usages;
    // Elle remplace l'entrée de son groupe servie le moins récemment (une libre d'abord).
    Entree* groupe = &entrees[nouvelle.empreinte & (ENTREES - VOIES)];
    Entree* remplacee = groupe;
    for (std::size_t v = 1; v < VOIES; ++v)
        if (groupe[v].usage < remplacee->usage)
            remplacee = &groupe[v];
    *remplacee = nouvelle;
}
