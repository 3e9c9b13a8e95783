// Tests de la table de cas : chaque échec nomme sa ligne et les lignes suivantes sont vues.
#include "TableCas.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Nommee {
    const char* nom;
    int valeur;
};
const Nommee NOMMEES[] = {{"un", 1}, {"deux", 2}, {"trois", 3}};
} // namespace

TEST(TableCas, LEchecNommeSaLigneEtLaSuiteContinue)
{
    std::vector<int> parcourues;
    EXPECT_NONFATAL_FAILURE(pourChaqueCas(NOMMEES,
                                          [&](const Nommee& c) {
                                              parcourues.push_back(c.valeur);
                                              EXPECT_NE(c.valeur, 2);
                                          }),
                            "ligne 2 de la table : deux");
    EXPECT_EQ(parcourues, (std::vector<int>{1, 2, 3}));

    // Sans champ nom, le rang seul.
    const int sansNom[] = {7, 8};
    EXPECT_NONFATAL_FAILURE(pourChaqueCas(sansNom, [](int v) { EXPECT_EQ(v, 7); }),
                            "ligne 2 de la table");
}
