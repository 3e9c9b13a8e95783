// MessageErreur : texte de la boîte d'erreur, conversion en UTF-8 et affichage.
#include "editor/MessageErreur.h"

#include "application/Plateforme.h"

#include <cstdint>
#include <cstdio>

const char* const TITRE_ERREUR = "Erreur !";
const char* const TEXTE_ERREUR = "Impossible d'initialiser OpenGL, ou impossible de charger une "
                                 "texture. Je l\xE2"
                                 "che l'affaire...";

namespace
{
// Points de code des octets 0x80 à 0x9F ; 0 pour les cinq octets sans caractère.
const uint16_t PLAGE_80_9F[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void ajouteUtf8(std::string& s, uint32_t c)
{
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}
} // namespace

std::string windows1252VersUtf8(const char* texte)
{
    std::string s;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(texte); *p; ++p) {
        uint32_t c = *p;
        if (c >= 0x80 && c < 0xA0)
            c = PLAGE_80_9F[c - 0x80] ? PLAGE_80_9F[c - 0x80] : 0xFFFD;
        ajouteUtf8(s, c);
    }
    return s;
}

void ecritErreur()
{
    const std::string titre = windows1252VersUtf8(TITRE_ERREUR);
    const std::string texte = windows1252VersUtf8(TEXTE_ERREUR);
    std::fprintf(stderr, "%s\n%s\n", titre.c_str(), texte.c_str());
    std::fflush(stderr);
}

void afficheErreur(bool avecAnnuler)
{
    const std::string titre = windows1252VersUtf8(TITRE_ERREUR);
    const std::string texte = windows1252VersUtf8(TEXTE_ERREUR);
    ecritErreur();
    plateforme.libereAffichage();
    plateforme.boiteMessage(titre.c_str(), texte.c_str(), avecAnnuler);
}
