// Conversions UTF-8 et Windows-1252 : une table des suites bien et mal formées, et le texte tapé
// livré touche par touche au programme.
#include "text/Utf8.h"

#include "containers/CFenetre.h"
#include "wexo/Integration.h"

#include "TableCas.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
struct Cas {
    const char* nom;
    const char* utf8;
    const char* windows1252; // depuisUtf8
    const char* tape;        // envoieTexte : ce qui ne se convertit pas est omis
};

const Cas CAS[] = {
    {"ASCII et balises", "<b>a%", "<b>a%", "<b>a%"},
    {"accents",
     "Cr\xC3\xA9"
     "er \xC3\xA0",
     "Cr\xE9"
     "er \xE0",
     "Cr\xE9"
     "er \xE0"},
    {"hors Latin-1, dans 1252", "\xE2\x82\xAC\xC5\x92\xE2\x80\xA6", "\x80\x8C\x85", "\x80\x8C\x85"},
    {"hors 1252",
     "a\xE2\x98\x83"
     "b\xF0\x9F\x98\x80"
     "c",
     "a?b?c", "abc"},
    {"suite coupée", "a\xC3", "a?", "a"},
    {"suite interrompue", "\xC3\xC3\xA9", "?\xE9", "\xE9"},
    {"forme trop longue", "\xC0\xAF\xE0\x80\xAF", "???", ""},
    {"moitié de paire", "\xED\xA0\x80z", "?z", "z"},
    {"au-delà d'Unicode", "\xF4\x90\x80\x80", "?", ""},
    {"octet de suite seul",
     "\x80"
     "a\xBF",
     "?a?", "a"},
    {"contrôles", "a\tb\x1B", "a\tb\x1B", "ab"},
};

// Note les caractères que le fond lui passe.
class CFenetreTemoin : public CFenetre
{
  public:
    std::string& recu;
    explicit CFenetreTemoin(std::string& r) : CFenetre(-1), recu(r) {}
    void toucheClavier(int touche) override { recu += char(touche); }
};
} // namespace

TEST(Utf8, ConversionsEtTexteTape)
{
    std::string recu;
    ASSERT_TRUE(demarreBoiteAOutils(new CFenetreTemoin(recu)));
    pourChaqueCas(CAS, [&](const Cas& c) {
        EXPECT_EQ(depuisUtf8(c.utf8), c.windows1252);
        recu.clear();
        envoieTexte(c.utf8);
        EXPECT_EQ(recu, c.tape);
    });
    arreteBoiteAOutils();
    EXPECT_EQ(depuisUtf8(nullptr), "");
    envoieTexte(nullptr);
    // Retour en UTF-8 ; un code que Windows-1252 laisse indéfini devient '?'.
    EXPECT_EQ(versUtf8("Cr\xE9"
                       "er \x80\x81"),
              "Cr\xC3\xA9"
              "er \xE2\x82\xAC?");
}
