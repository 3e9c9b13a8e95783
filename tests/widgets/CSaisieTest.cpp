// Tests du champ de saisie : une table de suites de touches et de gestes de souris (texte,
// curseur, sélection, presse-papiers, listes), une table de ce qui est dessiné, et le
// presse-papiers d'un hôte factice avec sa conversion UTF-8.
#include "widgets/CSaisie.h"

#include "containers/CFenetre.h"
#include "render/Primitives.h"
#include "render/Texture.h"
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
const uint32_t NOM_POLICE = 7, NOM_BOUTONS = 9;

// Police factice : chaque glyphe 8 texels de large, donc une avance de 10 pixels (espace : 22),
// et le premier caractère du champ en x = 6 : la position i tombe en 6 + 10 i.
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
    const char* suite; // caractères tapés et {gestes}, voir joue
    const char* texte;
    int curseur, debut, fin;
    const char* pressePapiers;
    int changements, validations;
    const char* utilisees; // une lettre par touche : o utilisée, n laissée à la fenêtre
};

// Une suite : un caractère est tapé ; {G} {H} {D} {B} {Deb} {Fin} sont les touches spéciales,
// suivies de + (Maj) et ^ (Ctrl) ; {^A} est Ctrl+A ; {BS} {Tab} {Ent} {Ech} {Sup} ; {perd} ôte le
// focus ; {clic:x} {mclic:x} (Maj) {double:x} {glisse:x1:x2} à la souris ; {set:t} ; {masque},
// {chiffres} et {pp:t} (presse-papiers) préparent le champ.
void joue(CSaisie& s, const char* suite, std::string& utilisees)
{
    auto appui = [&](int x) {
        s.souris = MakeCoord(x, 10);
        declenche(s.evenements[EVT_APPUI_GAUCHE], &s);
    };
    auto note = [&](bool utilisee) { utilisees += utilisee ? 'o' : 'n'; };
    const std::string speciales[] = {"G", "H", "D", "B", "", "", "Deb", "Fin"};
    const std::string caracteres[] = {"BS", "Tab", "Ent", "Ech", "Sup"};
    const int codes[] = {8, 9, 13, 27, 127};
    for (const char* p = suite; *p;) {
        if (*p != '{') {
            note(s.toucheFocus(static_cast<unsigned char>(*p++), 0));
            continue;
        }
        const char* f = std::strchr(p, '}');
        const std::string g(p + 1, f), nom = g.substr(0, g.find_first_of("+^:", 1));
        const std::string arg = g.find(':') == std::string::npos ? "" : g.substr(g.find(':') + 1);
        const int x = std::atoi(arg.c_str());
        const int mod = (g.find('+') != std::string::npos ? MODIFICATEUR_MAJ : 0) |
                        (g.find('^', 1) != std::string::npos ? MODIFICATEUR_CTRL : 0);
        p = f + 1;
        // Une seconde entre deux gestes : seuls les deux appuis de {double} font un double clic.
        poseHorlogeBoiteAOutils(horlogeBoiteAOutils() + 1000);
        for (int i = 0; i < 8; ++i)
            if (nom == speciales[i])
                note(s.toucheSpecialeFocus(100 + i, mod));
        for (int i = 0; i < 5; ++i)
            if (nom == caracteres[i])
                note(s.toucheFocus(codes[i], 0));
        if (g[0] == '^')
            note(s.toucheFocus(g[1] - 'A' + 1, MODIFICATEUR_CTRL));
        else if (nom == "perd")
            s.changeFocus(false);
        else if (nom == "set")
            s.setContenu(arg.c_str());
        else if (nom == "masque")
            s.motDePasse = true;
        else if (nom == "chiffres")
            s.filtre = CSaisie::chiffresSeulement;
        else if (nom == "pp")
            ecrisPressePapiers(arg);
        else if (nom == "clic" || nom == "double")
            for (int n = nom == "clic" ? 1 : 2; n > 0; --n)
                appui(x);
        else if (nom == "mclic") {
            poseModificateursClavier(MODIFICATEUR_MAJ);
            appui(x);
            poseModificateursClavier(0);
        } else if (nom == "glisse") {
            appui(x);
            s.souris = MakeCoord(std::atoi(arg.c_str() + arg.find(':') + 1), 10);
            declenche(s.evenements[EVT_APPUYE_DEHORS], &s);
        }
    }
}

// clang-format off
const Cas CAS[] = {
    // nom, initial, max, suite, texte, curseur, début, fin, pp, changements, validations,
    // utilisées
    {"frappe", "", 255, "abc", "abc", 3, 3, 3, "", 3, 0, "ooo"},
    {"flèches", "abcd", 255, "{G}{G}{D}", "abcd", 3, 3, 3, "", 0, 0, "ooo"},
    {"début et fin", "abcd", 255, "{Deb}x{Fin}y", "xabcdy", 6, 6, 6, "", 2, 0, "oooo"},
    {"mots, gauche", "un deux trois", 255, "{G^}{G^}", "un deux trois", 3, 3, 3, "", 0, 0, "oo"},
    {"mots, droite", "un deux tres", 99, "{Deb}{D^}{D^}", "un deux tres", 7, 7, 7, "", 0, 0, "ooo"},
    {"mots accentués", "\xE9t\xE9 l\xE0", 255, "{G^}", "\xE9t\xE9 l\xE0", 4, 4, 4, "", 0, 0, "o"},
    {"maj étend", "abcdef", 255, "{G}{G+}{G+}", "abcdef", 3, 3, 5, "", 0, 0, "ooo"},
    {"maj ctrl étend d'un mot", "ab cd", 255, "{G^+}", "ab cd", 3, 3, 5, "", 0, 0, "o"},
    {"flèche replie", "abcdef", 255, "{G+}{G+}{G}", "abcdef", 4, 4, 4, "", 0, 0, "ooo"},
    {"frappe remplace", "abcdef", 255, "{Deb}{D+}{D+}X", "Xcdef", 1, 1, 1, "", 1, 0, "oooo"},
    {"effacements", "abcdef", 255, "{G}{G}{BS}{Sup}", "abcf", 3, 3, 3, "", 2, 0, "oooo"},
    {"effacer au bout", "ab", 255, "{Sup}{Deb}{BS}", "ab", 0, 0, 0, "", 0, 0, "ooo"},
    {"limite", "abc", 5, "xyz", "abcxy", 5, 5, 5, "", 2, 0, "ooo"},
    {"limite et sélection", "abc", 3, "{^A}z", "z", 1, 1, 1, "", 1, 0, "oo"},
    {"filtre", "", 255, "{chiffres}1a2 3", "123", 3, 3, 3, "", 3, 0, "ooooo"},
    {"copier coller", "abc", 255, "{^A}{^C}{Fin}{^V}", "abcabc", 6, 6, 6, "abc", 1, 0, "oooo"},
    {"couper", "abcdef", 255, "{G+}{G+}{^X}", "abcd", 4, 4, 4, "ef", 1, 0, "ooo"},
    {"coller filtré", "", 255, "{chiffres}{pp:a1b2}{^V}", "12", 2, 2, 2, "a1b2", 1, 0, "o"},
    {"coller à la limite", "ab", 4, "{pp:xyz}{^V}", "abxy", 4, 4, 4, "xyz", 1, 0, "o"},
    {"mot de passe ni copié ni coupé", "secret", 255,
     "{masque}{pp:avant}{^A}{^C}{^X}", "secret", 6, 0, 6, "avant", 0, 0, "ooo"},
    {"mot de passe : sauts", "ab cd", 255, "{masque}{G^}", "ab cd", 0, 0, 0, "", 0, 0, "o"},
    {"annuler une suite de frappes", "", 255, "abc{^Z}", "", 0, 0, 0, "", 4, 0, "oooo"},
    {"annuler par étapes", "", 255, "ab{G}c{^Z}{^Z}", "", 0, 0, 0, "", 5, 0, "oooooo"},
    {"rétablir", "", 255, "ab{G}c{^Z}{^Z}{^Y}{^Y}", "acb", 2, 2, 2, "", 7, 0, "oooooooo"},
    {"frappe après annuler", "", 255, "ab{^Z}c{^Y}", "c", 1, 1, 1, "", 4, 0, "ooooo"},
    {"setContenu sous le focus", "abcdef", 255, "{G+}{set:xy}{^Z}", "xy", 2, 2, 2, "", 0, 0, "oo"},
    {"setContenu coupé", "", 3, "{set:abcdef}", "abc", 0, 0, 0, "", 0, 0, ""},
    {"texte brut", "", 255, "<b>%", "<b>%", 4, 4, 4, "", 4, 0, "oooo"},
    {"clic", "abcdef", 255, "{clic:28}", "abcdef", 2, 2, 2, "", 0, 0, ""},
    {"clic au-delà du texte", "abc", 255, "{clic:190}", "abc", 3, 3, 3, "", 0, 0, ""},
    {"double clic", "un deux", 255, "{double:50}", "un deux", 7, 3, 7, "", 0, 0, ""},
    {"glisser", "abcdef", 255, "{glisse:15:45}", "abcdef", 4, 1, 4, "", 0, 0, ""},
    {"maj clic", "abcdef", 255, "{clic:15}{mclic:45}", "abcdef", 4, 1, 4, "", 0, 0, ""},
    {"touches rendues", "a", 255, "b{Ent}{Tab}{Ech}{H}{B}{^Q}", "ab", 2, 2, 2, "", 1, 2, "onnnnnn"},
    {"focus perdu après changement", "", 255, "a{perd}", "a", 1, 1, 1, "", 1, 1, "o"},
    {"focus perdu sans changement", "a", 255, "{G}{Ent}{perd}", "a", 0, 0, 0, "", 0, 1, "on"},
};
// clang-format on

class Saisie : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        policeFactice();
        textures[TEXTURE_BOUTONS] =
            Texture{"Boutons", nullptr, 32, 256, 398, 256, 512, NOM_BOUTONS};
        installePressePapiers(nullptr, nullptr);
        enregistreur::efface();
    }
    void TearDown() override
    {
        polices[0] = Police{};
        textures[TEXTURE_BOUTONS] = Texture{};
        poseHorlogeBoiteAOutils(0);
        videPilesDessin();
    }
};
} // namespace

TEST_F(Saisie, SuitesDeTouchesEtDeGestes)
{
    pourChaqueCas(CAS, [](const Cas& c) {
        CSaisie s(MakeRect(0, 0, 200, 26), c.initial, c.longueurMax);
        int changements = 0, validations = 0;
        ajouteGestionnaire(s.changementTexte, [&](CObjetGDI* e) { changements += e == &s; });
        ajouteGestionnaire(s.validation, [&](CObjetGDI* e) { validations += e == &s; });
        ecrisPressePapiers("");
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
    int cadreY;          // premier texel du cadre, qui dit l'état
    int32_t image = -1;  // ms jusqu'à l'image demandée, -1 : aucune
    int32_t touche = -1; // heure d'une touche Fin avant le dessin, -1 : aucune
    bool apercu = false;
};

// clang-format off
const CasDessin CAS_DESSIN[] = {
    {"brut, sans focus", "<b>%", false, false, false, false, 0, "<b>%", -1, 200},
    {"survolé", "<b>%", false, false, true, false, 0, "<b>%", -1, 232},
    {"focus, curseur allumé", "<b>%", false, true, false, false, 0, "<b>%", 45, 264, 530},
    {"focus, curseur éteint", "<b>%", false, true, false, false, 600, "<b>%", -1, 264, 460},
    {"focus, rallumé", "<b>%", false, true, false, false, 1100, "<b>%", 45, 264, 490},
    // 10 s après le focus : le clignotement finit, le curseur reste allumé sans image demandée.
    {"clignote encore, éteint", "<b>%", false, true, false, false, 9539, "<b>%", -1, 264, 1},
    {"clignote encore, allumé", "<b>%", false, true, false, false, 9999, "<b>%", 45, 264, 1},
    {"10 s : allumé, plus d'image", "<b>%", false, true, false, false, 10000, "<b>%", 45, 264},
    {"au repos, allumé", "<b>%", false, true, false, false, 10600, "<b>%", 45, 264},
    {"une touche relance", "<b>%", false, true, false, false, 20600, "<b>%", -1, 264, 460, 20000},
    {"mot de passe", "abc", true, true, false, false, 0, "\x95\x95\x95", 35, 264, 530},
    // 40 caractères : le curseur reste dans le champ, seuls les 19 derniers se voient.
    {"défilé au curseur", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false, true, false, false, 0,
     "aaaaaaaaaaaaaaaaaaa", 192, 264, 530},
    {"inactif", "ab", false, true, true, true, 0, "ab", -1, 296},
    // Posé dans l'éditeur : coupé, sans focus, mais le cadre au repos du programme.
    {"aperçu", "ab", false, true, false, true, 0, "ab", -1, 200, -1, -1, true},
};
// clang-format on
} // namespace

TEST_F(Saisie, CeQuiEstDessine)
{
    pourChaqueCas(CAS_DESSIN, [](const CasDessin& c) {
        // Le focus est celui de la fenêtre, comme sous la boucle ; il arrive à 0 ms.
        poseHorlogeBoiteAOutils(0);
        CFenetre f(-1);
        CSaisie& s = *new CSaisie(MakeRect(0, 0, 200, 26), c.texte);
        f.ajouteObjetGDI(&s);
        s.motDePasse = c.masque;
        s.apercu = c.apercu;
        if (c.inactif)
            s.desactiveEvenements();
        EXPECT_EQ(s.accepteFocus(), !c.inactif);
        f.donneFocus(c.focus ? &s : nullptr);
        EXPECT_EQ(s.aLeFocus(), c.focus && !c.inactif);
        if (c.survol)
            s.survol(&s);
        if (c.touche >= 0) {
            poseHorlogeBoiteAOutils(c.touche);
            s.toucheSpecialeFocus(107, 0); // Fin
        }
        poseHorlogeBoiteAOutils(c.horloge);
        int32_t attente;
        while (prendDemandeImage(1 << 30, attente)) {
        }
        enregistreur::efface();
        declenche(s.evenements[EVT_DESSIN], &s);
        EXPECT_EQ(delaiDemandeImage(c.horloge), c.image);
        fermeLotGL();
        std::string glyphes;
        int curseurX = -1;
        int cadreY = -1;
        for (const MorceauDessine& m : enregistreur::morceaux()) {
            if (m.texture == NOM_POLICE)
                glyphes += char(std::lround(m.sommets[0].s * 256));
            else if (m.sommets.size() == 4 && m.couleur[0] * 255 < 21 &&
                     std::abs(m.sommets[1].x - m.sommets[0].x) +
                             std::abs(m.sommets[2].x - m.sommets[0].x) <
                         3)
                curseurX = int(std::min({m.sommets[0].x, m.sommets[1].x, m.sommets[2].x}));
            else if (m.texture == NOM_BOUTONS && cadreY < 0)
                cadreY = int(std::lround((1 - m.sommets[0].t) * 512));
        }
        EXPECT_EQ(glyphes, c.glyphes);
        EXPECT_EQ(curseurX, c.curseurX) << enregistreur::journalMorceaux();
        EXPECT_EQ(cadreY, c.cadreY);
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
    s.setContenu("\357e \200");
    s.toucheFocus(1, MODIFICATEUR_CTRL);
    s.toucheFocus(3, MODIFICATEUR_CTRL);
    EXPECT_EQ(hote, "\303\257e \342\202\254");
    // Une seule fonction vide : retour au presse-papiers du processus, que l'hôte ne voit pas.
    installePressePapiers(nullptr, [&](const std::string& t) { hote = t; });
    s.toucheFocus(24, MODIFICATEUR_CTRL);
    EXPECT_EQ(hote, "\303\257e \342\202\254");
    EXPECT_EQ(lisPressePapiers(), "\357e \200");
}
