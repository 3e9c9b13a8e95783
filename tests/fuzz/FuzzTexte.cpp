// Cible libFuzzer du texte balisé : lecture élément par élément, mise en page dessinée dans
// l'enregistreur OpenGL et mesure, sur des textes quelconques précédés de quelques réglages.
#include "render/LotGL.h"
#include "render/PilesDessin.h"
#include "render/Primitives.h"
#include "text/Police.h"
#include "text/StyleTexte.h"
#include "text/Texte.h"

#include "EnregistreurGL.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
void exige(bool condition, const char* quoi)
{
    if (!condition) {
        std::fprintf(stderr, "anomalie : %s\n", quoi);
        std::abort();
    }
}

// Les réglages en tête de l'entrée ; une entrée plus courte garde les valeurs par défaut.
struct Reglages {
    uint8_t options = 0; // bits : origine, découpage, printf, couleur de base, référence
    int16_t boite[4] = {0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN};
    int16_t decoupage[4] = {0, 0, LARGEUR_ECRAN, HAUTEUR_ECRAN};
    int16_t origine[2] = {0, 0};
};
const size_t TAILLE_REGLAGES = 1 + 2 * (4 + 4 + 2);

const char* litReglages(const uint8_t* octets, size_t taille, Reglages& r, size_t& reste)
{
    if (taille < TAILLE_REGLAGES) {
        reste = taille;
        return reinterpret_cast<const char*>(octets);
    }
    r.options = octets[0];
    std::memcpy(r.boite, octets + 1, sizeof r.boite);
    std::memcpy(r.decoupage, octets + 9, sizeof r.decoupage);
    std::memcpy(r.origine, octets + 17, sizeof r.origine);
    reste = taille - TAILLE_REGLAGES;
    return reinterpret_cast<const char*>(octets + TAILLE_REGLAGES);
}

// Une police d'essai aux largeurs variées : nulles, étroites et larges.
void preparePolice()
{
    polices[0] = Police{};
    polices[0].nomTexture = 9;
    for (int c = PREMIER_CODE_GLYPHE; c < 256; ++c) {
        const int i = c - PREMIER_CODE_GLYPHE;
        const int x = (i % 16) * 16, y = (i / 16 % 7) * HAUTEUR_BANDE;
        polices[0].glyphes[c] = MakeRect(x, y, x + (c * 7) % 16, y + HAUTEUR_GLYPHE);
    }
}

// La pile reste dans ses cinquante entrées à chaque élément lu.
void parcourtElements(const char* texte)
{
    const char* fin = texte + std::strlen(texte);
    for (const char* p = texte; *p != '\0';) {
        const char* suivant = lisElement(p);
        exige(suivant > p && suivant <= fin, "lisElement recule ou sort du texte");
        exige(profondeurStyle >= 0 && profondeurStyle < TAILLE_PILE_STYLES, "profondeur");
        exige(niveauxHorsPile >= 0, "niveaux hors pile");
        p = suivant;
    }
    fermeTousLesStyles();
    pileStyles[0].retourLigne = false;
}

// Ce que tout texte rend : pile à 0, aucun retour en attente, matrice remise à l'identité,
// paires glBegin/glEnd sans appel interdit entre elles et nombre de lignes borné par la longueur
// du texte.
void verifieRendu(size_t longueur)
{
    exige(profondeurStyle == 0 && niveauxHorsPile == 0, "pile des styles rendue");
    exige(!pileStyles[0].retourLigne, "retour à la ligne en attente");
    bool dansBegin = false;
    for (const AppelGL& a : enregistreur::appels()) {
        if (dansBegin)
            exige(a.nom == "glEnd" || a.nom == "glVertex2i" || a.nom == "glVertex2f" ||
                      a.nom == "glTexCoord2f" || a.nom == "glColor4ubv",
                  "appel interdit entre glBegin et glEnd");
        exige(a.nom != "glTranslated" && a.nom != "glTranslatef", "repère translaté");
        if (a.nom == "glBegin")
            exige(!dansBegin, "glBegin imbriqué"), dansBegin = true;
        else if (a.nom == "glEnd")
            exige(dansBegin, "glEnd sans glBegin"), dansBegin = false;
    }
    exige(!dansBegin, "primitive laissée ouverte");
    // Deux quads (le gras) et deux traits par caractère au plus.
    exige(enregistreur::listeEnvoyee().commandes().size() <= 4 * longueur + 8, "dessins sans fin");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    Reglages r;
    size_t longueur = 0;
    const char* debut = litReglages(octets, taille, r, longueur);
    const std::string texte(debut, longueur); // s'arrête au premier zéro pour le texte lu

    remetStyleDeBase();
    preparePolice();
    if (r.options & 8)
        styleCourant().couleur = Couleur{1, 2, 3, 4};

    parcourtElements(texte.c_str());

    if (r.options & 1)
        empileOrigine(MakeCoord(r.origine[0], r.origine[1]));
    if (r.options & 2)
        empileDecoupage(MakeCoord(r.decoupage[0], r.decoupage[1]),
                        MakeCoord(r.decoupage[2], r.decoupage[3]));
    const int origines = profondeurOrigines(), decoupages = profondeurDecoupages();
    const Coord hautGauche = MakeCoord(r.boite[0], r.boite[1]);
    const Coord basDroite = MakeCoord(r.boite[2], r.boite[3]);

    enregistreur::efface();
    regroupementGL(!(r.options & 16));
    if (r.options & 4)
        afficheTexte(hautGauche, basDroite, "%s", texte.c_str());
    else
        afficheTexteLitteral(hautGauche, basDroite, texte.c_str());
    // La fin d'image ferme le dernier lot de glyphes.
    fermeLotGL();
    verifieRendu(std::strlen(texte.c_str()));
    regroupementGL(true);
    exige(profondeurOrigines() == origines && profondeurDecoupages() == decoupages,
          "piles de dessin rendues");
    if (r.options & 8)
        exige(styleCourant().couleur == (Couleur{1, 2, 3, 4}), "couleur de base gardée");

    enregistreur::efface();
    const Rect mesure = mesureTexte(hautGauche, texte.c_str());
    exige(mesure.hautGauche == hautGauche, "coin de la mesure");
    exige(enregistreur::appels().empty(), "la mesure dessine");
    exige(profondeurStyle == 0 && niveauxHorsPile == 0 && !pileStyles[0].retourLigne,
          "pile rendue par la mesure");

    while (profondeurDecoupages())
        depileDecoupage();
    while (profondeurOrigines())
        depileOrigine();
    enregistreur::efface();
    return 0;
}
