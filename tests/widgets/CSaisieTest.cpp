// Tests du champ de saisie : une table de suites de touches et de gestes de souris (texte,
// curseur, sélection, presse-papiers, listes), une table de ce qui est dessiné, et le
// presse-papiers d'un hôte factice avec sa conversion UTF-8.
#include "widgets/CSaisie.h"

#include "render/Primitives.h"
#include "text/Police.h"
#include "wexo/Integration.h"
#include "widgets/Clavier.h"
#include "widgets/DemandeImage.h"
#include "widgets/PressePapiers.h"

#include "EnregistreurGL.h"
#include "PilesPropres.h"
#include "TableCas.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
const uint32_t NOM_POLICE = 7;

// Police factice : chaque glyphe 8 texels de large, donc une avance de 10 pixels (espace : 22),
// et le premier caractère du champ en x = 5 : la position i tombe en 5 + 10 i.
void policeFactice()
{
    polices[0] = Police{};
    polices[0].nomTexture = NOM_POLICE;
    for (int c = 33; c < 256; ++c)
        polices[0].glyphes[c] = MakeRect(c, 0, c + 8, 17);
}

struct Cas {
    const char* nom;
    const char* initial;
    int longueurMax;
    bool masque;   // motDePasse
    bool chiffres; // filtre chiffresSeulement
    const char* pressePapiersAvant;
    const char* suite; // caractères tapés et {gestes}, voir joue
    const char* texte;
    int curseur, debut, fin;
    const char* pressePapiers;
    int changements, validations;
    const char* utilisees; // une lettre par touche : o utilisée, n laissée à la fenêtre
};

// Une suite : un caractère est tapé ; {G} {D} {Deb} {Fin} {H} {B} sont les touches spéciales,
// suivies de + (Maj) et ^ (Ctrl) ; {^A} est Ctrl+A ; {BS} {Sup} {Ent} {Tab} {Ech} ; {perd} ôte
// le focus ; {clic:x}, {mclic:x} (Maj), {double:x}, {glisse:x1:x2} à la souris ; {set:t}.
void joue(CSaisie& s, const char* suite, std::string& utilisees)
{
    int32_t horloge = 1000;
    auto appui = [&](int x) {
        s.souris = MakeCoord(x, 10);
        declenche(s.evenements[EVT_APPUI_GAUCHE], &s);
    };
    for (const char* p = suite; *p;) {
        if (*p != '{') {
            utilisees += s.toucheFocus(static_cast<unsigned char>(*p++), 0) ? 'o' : 'n';
            continue;
        }
        const char* f = std::strchr(p, '}');
        const std::string g(p + 1, f);
        p = f + 1;
        const std::string nom = g.substr(0, g.find_first_of("+^"));
        const int mod = (g.find('+') != std::string::npos ? MODIFICATEUR_MAJ : 0) |
                        (g.find('^', 1) != std::string::npos ? MODIFICATEUR_CTRL : 0);
        const int arg =
            g.find(':') != std::string::npos ? std::atoi(g.c_str() + g.find(':') + 1) : 0;
        horloge += 1000;
        poseHorlogeBoiteAOutils(horloge);
        const char* touches[] = {"G", "H", "D", "B"};
        const char* caracteres[] = {"BS", "Tab", "Ent", "Ech", "Sup"};
        const int codes[] = {8, 9, 13, 27, 127};
        bool fait = false;
        for (int i = 0; i < 4; ++i)
            if (nom == touches[i]) {
                utilisees += s.toucheSpecialeFocus(100 + i, mod) ? 'o' : 'n';
                fait = true;
            }
        for (int i = 0; i < 5; ++i)
            if (nom == caracteres[i]) {
                utilisees += s.toucheFocus(codes[i], 0) ? 'o' : 'n';
                fait = true;
            }
        if (fait)
            continue;
        if (nom == "Deb" || nom == "Fin")
            utilisees += s.toucheSpecialeFocus(nom == "Deb" ? 106 : 107, mod) ? 'o' : 'n';
        else if (g[0] == '^')
            utilisees += s.toucheFocus(g[1] - 'A' + 1, MODIFICATEUR_CTRL) ? 'o' : 'n';
        else if (nom == "perd")
            s.changeFocus(false);
        else if (g.rfind("set:", 0) == 0)
            s.setContenu(g.c_str() + 4);
        else if (g.rfind("clic:", 0) == 0)
            appui(arg);
        else if (g.rfind("double:", 0) == 0) {
            appui(arg);
            appui(arg);
        } else if (g.rfind("mclic:", 0) == 0) {
            poseModificateursClavier(MODIFICATEUR_MAJ);
            appui(arg);
            poseModificateursClavier(0);
        } else if (g.rfind("glisse:", 0) == 0) {
            appui(arg);
            s.souris = MakeCoord(std::atoi(g.c_str() + g.rfind(':') + 1), 10);
            declenche(s.evenements[EVT_APPUYE_DEHORS], &s);
        }
    }
}

const Cas CAS[] = {
    // nom, initial, max, masque, chiffres, pp avant, suite,
    //     texte, curseur, début, fin, pp, changements, validations, utilisées
    {"frappe", "", 255, false, false, "", "abc", "abc", 3, 3, 3, "", 3, 0, "ooo"},
    {"flèches", "abcd", 255, false, false, "", "{G}{G}{D}", "abcd", 3, 3, 3, "", 0, 0, "ooo"},
    {"début et fin", "abcd", 255, false, false, "", "{Deb}x{Fin}y", "xabcdy", 6, 6, 6, "", 2, 0,
     "oooo"},
    {"mots à gauche", "un deux trois", 255, false, false, "", "{G^}{G^}", "un deux trois", 3, 3, 3,
     "", 0, 0, "oo"},
    {"mots à droite", "un deux trois", 255, false, false, "", "{Deb}{D^}{D^}", "un deux trois", 7,
     7, 7, "", 0, 0, "ooo"},
    {"mots accentués", "\xE9t\xE9 l\xE0", 255, false, false, "", "{G^}", "\xE9t\xE9 l\xE0", 4, 4, 4,
     "", 0, 0, "o"},
    {"maj étend", "abcdef", 255, false, false, "", "{G}{G+}{G+}", "abcdef", 3, 3, 5, "", 0, 0,
     "ooo"},
    {"maj ctrl étend d'un mot", "ab cd", 255, false, false, "", "{G^+}", "ab cd", 3, 3, 5, "", 0, 0,
     "o"},
    {"flèche replie la sélection", "abcdef", 255, false, false, "", "{G+}{G+}{G}", "abcdef", 4, 4,
     4, "", 0, 0, "ooo"},
    {"frappe remplace", "abcdef", 255, false, false, "", "{Deb}{D+}{D+}X", "Xcdef", 1, 1, 1, "", 1,
     0, "oooo"},
    {"effacements", "abcdef", 255, false, false, "", "{G}{G}{BS}{Sup}", "abcf", 3, 3, 3, "", 2, 0,
     "oooo"},
    {"effacer au bout", "ab", 255, false, false, "", "{Sup}{Deb}{BS}", "ab", 0, 0, 0, "", 0, 0,
     "ooo"},
    {"limite", "abc", 5, false, false, "", "xyz", "abcxy", 5, 5, 5, "", 2, 0, "ooo"},
    {"limite et sélection", "abc", 3, false, false, "", "{^A}z", "z", 1, 1, 1, "", 1, 0, "oo"},
    {"filtre", "", 255, false, true, "", "1a2 3", "123", 3, 3, 3, "", 3, 0, "ooooo"},
    {"copier coller", "abc", 255, false, false, "", "{^A}{^C}{Fin}{^V}", "abcabc", 6, 6, 6, "abc",
     1, 0, "oooo"},
    {"couper", "abcdef", 255, false, false, "", "{G+}{G+}{^X}", "abcd", 4, 4, 4, "ef", 1, 0, "ooo"},
    {"coller filtré", "", 255, false, true, "a1b2", "{^V}", "12", 2, 2, 2, "a1b2", 1, 0, "o"},
    {"coller à la limite", "ab", 4, false, false, "xyz", "{^V}", "abxy", 4, 4, 4, "xyz", 1, 0, "o"},
    {"mot de passe ne copie pas", "secret", 255, true, false, "avant", "{^A}{^C}{^X}", "secret", 6,
     0, 6, "avant", 0, 0, "ooo"},
    {"mot de passe : sauts aux bouts", "ab cd", 255, true, false, "", "{G^}", "ab cd", 0, 0, 0, "",
     0, 0, "o"},
    {"annuler une suite de frappes", "", 255, false, false, "", "abc{^Z}", "", 0, 0, 0, "", 4, 0,
     "oooo"},
    {"annuler par étapes", "", 255, false, false, "", "ab{G}c{^Z}{^Z}", "", 0, 0, 0, "", 5, 0,
     "oooooo"},
    {"rétablir", "", 255, false, false, "", "ab{G}c{^Z}{^Z}{^Y}{^Y}", "acb", 2, 2, 2, "", 7, 0,
     "oooooooo"},
    {"frappe après annuler", "", 255, false, false, "", "ab{^Z}c{^Y}", "c", 1, 1, 1, "", 4, 0,
     "ooooo"},
    {"setContenu sous le focus", "abcdef", 255, false, false, "", "{G+}{set:xy}{^Z}", "xy", 2, 2, 2,
     "", 0, 0, "oo"},
    {"setContenu coupé", "", 3, false, false, "", "{set:abcdef}", "abc", 0, 0, 0, "", 0, 0, ""},
    {"texte brut", "", 255, false, false, "", "<b>%", "<b>%", 4, 4, 4, "", 4, 0, "oooo"},
    {"clic", "abcdef", 255, false, false, "", "{clic:28}", "abcdef", 2, 2, 2, "", 0, 0, ""},
    {"clic au-delà du texte", "abc", 255, false, false, "", "{clic:190}", "abc", 3, 3, 3, "", 0, 0,
     ""},
    {"double clic", "un deux", 255, false, false, "", "{double:50}", "un deux", 7, 3, 7, "", 0, 0,
     ""},
    {"glisser", "abcdef", 255, false, false, "", "{glisse:15:45}", "abcdef", 4, 1, 4, "", 0, 0, ""},
    {"maj clic", "abcdef", 255, false, false, "", "{clic:15}{mclic:45}", "abcdef", 4, 1, 4, "", 0,
     0, ""},
    {"touches laissées", "a", 255, false, false, "", "b{Ent}{Tab}{Ech}{H}{B}{^Q}", "ab", 2, 2, 2,
     "", 1, 2, "onnnnnn"},
    {"focus perdu après changement", "", 255, false, false, "", "a{perd}", "a", 1, 1, 1, "", 1, 1,
     "o"},
    {"focus perdu sans changement", "a", 255, false, false, "", "{G}{Ent}{perd}", "a", 0, 0, 0, "",
     0, 1, "on"},
};

class Saisie : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        policeFactice();
        installePressePapiers(nullptr, nullptr);
        enregistreur::efface();
    }
    void TearDown() override
    {
        polices[0] = Police{};
        poseHorlogeBoiteAOutils(0);
        videPilesDessin();
    }
};
} // namespace

TEST_F(Saisie, SuitesDeTouchesEtDeGestes)
{
    pourChaqueCas(CAS, [](const Cas& c) {
        CSaisie s(MakeRect(0, 0, 200, 26), c.initial, c.longueurMax);
        s.motDePasse = c.masque;
        if (c.chiffres)
            s.filtre = CSaisie::chiffresSeulement;
        int changements = 0, validations = 0;
        ajouteGestionnaire(s.changementTexte, [&](CObjetGDI* e) { changements += e == &s; });
        ajouteGestionnaire(s.validation, [&](CObjetGDI* e) { validations += e == &s; });
        ecrisPressePapiers(c.pressePapiersAvant);
        s.changeFocus(true);
        std::string utilisees;
        joue(s, c.suite, utilisees);
        EXPECT_EQ(s.contenu(), c.texte);
        EXPECT_EQ(s.curseur(), c.curseur);
        EXPECT_EQ(s.debutSelection(), c.debut);
        EXPECT_EQ(s.finSelection(), c.fin);
        EXPECT_EQ(lisPressePapiers(), c.pressePapiers);
        EXPECT_EQ(changements, c.changements);
        EXPECT_EQ(validations, c.validations);
        EXPECT_EQ(utilisees, c.utilisees);
    });
}

namespace
{
struct CasDessin {
    const char* nom;
    const char* texte;
    bool masque, focus, survol, inactif;
    int32_t horloge;
    const char* glyphes; // les caractères dont un glyphe est dessiné, dans l'ordre
    int curseurX;        // colonne du curseur, -1 : pas de curseur
    int bordR, fondR;    // rouge du bord et du fond
};

const CasDessin CAS_DESSIN[] = {
    {"brut, sans focus", "<b>%", false, false, false, false, 0, "<b>%", -1, 150, 255},
    {"survolé", "<b>%", false, false, true, false, 0, "<b>%", -1, 0, 255},
    {"focus, curseur allumé", "<b>%", false, true, false, false, 0, "<b>%", 44, 0, 255},
    {"focus, curseur éteint", "<b>%", false, true, false, false, 600, "<b>%", -1, 0, 255},
    {"focus, rallumé", "<b>%", false, true, false, false, 1100, "<b>%", 44, 0, 255},
    {"mot de passe", "abc", true, true, false, false, 0, "\x95\x95\x95", 34, 0, 255},
    {"défilé au curseur", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false, true, false, false, 0,
     "aaaaaaaaaaaaaaaaaaa", 193, 0, 255},
    {"inactif", "ab", false, true, true, true, 0, "ab", -1, 185, 228},
};
} // namespace

TEST_F(Saisie, CeQuiEstDessine)
{
    pourChaqueCas(CAS_DESSIN, [](const CasDessin& c) {
        CSaisie s(MakeRect(0, 0, 200, 26), c.texte);
        s.motDePasse = c.masque;
        if (c.inactif)
            s.desactiveEvenements();
        EXPECT_EQ(s.accepteFocus(), !c.inactif);
        s.changeFocus(c.focus);
        if (c.survol)
            s.survol(&s);
        poseHorlogeBoiteAOutils(c.horloge);
        enregistreur::efface();
        declenche(s.evenements[EVT_DESSIN], &s);
        fermeLotGL();
        std::string glyphes;
        int curseurX = -1;
        std::vector<double> rouges;
        for (const MorceauDessine& m : enregistreur::morceaux()) {
            if (m.texture == NOM_POLICE)
                glyphes += char(std::lround(m.sommets[0].s * 256));
            else if (m.sommets.size() == 4 && m.couleur[0] * 255 < 21 &&
                     std::abs(m.sommets[1].x - m.sommets[0].x) +
                             std::abs(m.sommets[2].x - m.sommets[0].x) <
                         3)
                curseurX = int(std::min({m.sommets[0].x, m.sommets[1].x, m.sommets[2].x}));
            else
                rouges.push_back(m.couleur[0] * 255);
        }
        EXPECT_EQ(glyphes, c.glyphes);
        EXPECT_EQ(curseurX, c.curseurX) << enregistreur::journalMorceaux();
        ASSERT_GE(rouges.size(), 2u);
        EXPECT_NEAR(rouges[0], c.bordR, 0.5);
        EXPECT_NEAR(rouges[1], c.fondR, 0.5);
    });
}

TEST_F(Saisie, PressePapiersDeLHote)
{
    // L'hôte parle UTF-8 : « été € ☃ » ; le champ reçoit du Windows-1252, ☃ devenu '?'.
    std::string hote = "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xE2\x98\x83";
    int lectures = 0;
    installePressePapiers(
        [&] {
            ++lectures;
            return hote;
        },
        [&](const std::string& s) { hote = s; });
    CSaisie s(MakeRect(0, 0, 200, 26), "");
    s.changeFocus(true);
    s.toucheFocus(22, MODIFICATEUR_CTRL);
    EXPECT_EQ(s.contenu(), "\xE9t\xE9 \x80 ?");
    EXPECT_EQ(lectures, 1);
    // Copié : l'hôte reçoit l'UTF-8 de « ïe € ».
    s.setContenu("\xEF"
                 "e \x80");
    s.toucheFocus(1, MODIFICATEUR_CTRL);
    s.toucheFocus(3, MODIFICATEUR_CTRL);
    EXPECT_EQ(hote, "\xC3\xAF"
                    "e \xE2\x82\xAC");
    // Une seule fonction vide : retour au presse-papiers du processus, que l'hôte ne voit pas.
    installePressePapiers(nullptr, [&](const std::string& t) { hote = t; });
    s.toucheFocus(24, MODIFICATEUR_CTRL);
    EXPECT_EQ(hote, "\xC3\xAF"
                    "e \xE2\x82\xAC");
    EXPECT_EQ(lisPressePapiers(), "\xEF"
                                  "e \x80");
}
