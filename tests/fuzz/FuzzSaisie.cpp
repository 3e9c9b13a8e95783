// Cible libFuzzer des champs de saisie : une fenêtre de trois champs (libre, chiffres bornés à
// 8, mot de passe) menée au fil des octets par les rappels de souris de l'application, des
// touches et touches spéciales aux modificateurs quelconques vers le champ qui a le focus, des
// textes posés depuis le code, le temps qui passe et des images. Après chaque geste : le curseur
// et la sélection restent dans le texte, le texte dans sa limite et dans son filtre.
#include "application/Boucle.h"
#include "application/Entrees.h"
#include "containers/CFenetre.h"
#include "containers/DessinObjet.h"
#include "widgets/CSaisie.h"
#include "widgets/DemandeImage.h"

#include "EnregistreurGL.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

void verifie(const CSaisie& s, bool chiffres)
{
    const int n = int(s.contenu().size());
    exige(n <= s.longueurMax(), "texte plus long que sa limite");
    exige(s.curseur() >= 0 && s.curseur() <= n, "curseur hors du texte");
    exige(s.debutSelection() >= 0 && s.debutSelection() <= s.finSelection() &&
              s.finSelection() <= n,
          "sélection hors du texte");
    exige(s.curseur() == s.debutSelection() || s.curseur() == s.finSelection(),
          "curseur hors des bouts de la sélection");
    for (const char c : s.contenu())
        exige(!chiffres || (c >= '0' && c <= '9'), "caractère refusé par le filtre");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enregistreur::rendMuet(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille)
{
    CFenetre* fenetre = new CFenetre(-1);
    CSaisie* champs[3] = {new CSaisie(MakeRect(10, 10, 200, 36), "un deux", 20),
                          new CSaisie(MakeRect(10, 50, 120, 76), "42", 8),
                          new CSaisie(MakeRect(10, 90, 60, 116), "secret", 255)};
    champs[1]->filtre = CSaisie::chiffresSeulement;
    champs[2]->motDePasse = true;
    for (CSaisie* s : champs)
        fenetre->ajouteObjetGDI(s);
    racine = fenetre;
    CSaisie* focus = nullptr;
    int32_t horloge = 0;

    size_t i = 0;
    auto octet = [&]() -> unsigned { return i < taille ? octets[i++] : 0; };
    while (i < taille) {
        const unsigned geste = octet();
        switch (geste % 8) {
        case 0: {
            const int x = int(octet()) - 20, y = int(octet()) / 2 - 10;
            mouvementSouris(x, y);
            break;
        }
        case 1:
        case 2:
            boutonSouris(octet() % 3, geste % 8 == 1 ? ETAT_ENFONCE : ETAT_RELACHE, 0, 0);
            break;
        case 3:
            if (focus)
                focus->toucheFocus(octet(), octet() % 8);
            break;
        case 4: {
            const int speciales[] = {100, 101, 102, 103, 106, 107, 1, 104};
            const unsigned t = octet();
            if (focus)
                focus->toucheSpecialeFocus(speciales[t % 8], int(t / 8) % 8);
            break;
        }
        case 5: {
            CSaisie* nouveau = champs[octet() % 4 % 3];
            if (geste & 8)
                nouveau = nullptr;
            if (focus != nouveau) {
                if (focus)
                    focus->changeFocus(false);
                if (nouveau)
                    nouveau->changeFocus(true);
                focus = nouveau;
            }
            break;
        }
        case 6: {
            // Un texte quelconque posé depuis le code, jamais dans le champ filtré.
            const size_t n = octet() % 40;
            std::string t;
            while (t.size() < n && i < taille)
                t += char(octet() | 1);
            champs[geste & 8 ? 2 : 0]->setContenu(t.c_str());
            break;
        }
        default:
            horloge += int32_t(octet()) * 8;
            poseHorlogeBoiteAOutils(horloge);
            inactivite();
            declencheDessin(fenetre);
            break;
        }
        for (int c = 0; c < 3; ++c)
            verifie(*champs[c], c == 1);
    }
    racine = nullptr;
    delete fenetre;
    return 0;
}
