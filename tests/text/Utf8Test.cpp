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

// Échappements octaux : trois chiffres au plus, la lettre qui suit n'est pas avalée.
// clang-format off
const Cas CAS[] = {
    {"ASCII et balises", "<b>a%", "<b>a%", "<b>a%"},
    {"accents", "Cr\303\251er \303\240", "Cr\351er \340", "Cr\351er \340"},
    {"hors Latin-1, dans 1252", "\342\202\254\305\222\342\200\246", "\200\214\205", "\200\214\205"},
    {"hors 1252", "a\342\230\203b\360\237\230\200c", "a?b?c", "abc"},
    {"suite coupée", "a\303", "a?", "a"},
    {"suite interrompue", "\303\303\251", "?\351", "\351"},
    {"forme trop longue", "\300\257\340\200\257", "???", ""},
    {"moitié de paire", "\355\240\200z", "?z", "z"},
    {"au-delà d'Unicode", "\364\220\200\200", "?", ""},
    {"octet de suite seul", "\200a\277", "?a?", "a"},
    {"contrôles", "a\tb\033", "a\tb\033", "ab"},
};
// clang-format on

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
    EXPECT_EQ(versUtf8("Cr\351er \200\201"), "Cr\303\251er \342\202\254?");
}
