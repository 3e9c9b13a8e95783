// La règle commune des tables d'habillages : toute ligne hors de la table, des deux côtés, est
// la ligne vide de sa table, sans texture.
#include "render/SkinBouton.h"
#include "render/SkinCoche.h"
#include "render/SkinContainer.h"
#include "render/SkinProgression.h"

#include <gtest/gtest.h>

namespace
{
// Les lignes 0 et n - 1 sont celles de la table ; -1, n et au-delà, la ligne vide.
template <class Skin, int N>
void verifie(const Skin (&table)[N], const Skin& (*ligne)(int), const Skin& vide)
{
    EXPECT_EQ(&ligne(0), &table[0]);
    EXPECT_EQ(&ligne(N - 1), &table[N - 1]);
    for (int horsTable : {-1, N, N + 1000, -2147483647 - 1}) {
        EXPECT_EQ(&ligne(horsTable), &vide) << horsTable;
        EXPECT_EQ(ligne(horsTable).texture, -1) << horsTable;
    }
}
} // namespace

TEST(LigneSkin, HorsTableLaLigneVidePourChaqueGenre)
{
    verifie(skinsContainer, skinContainer, skinContainerDefaut);
    verifie(skinsBouton, skinBouton, skinBoutonVide);
    verifie(skinsCoche, skinCoche, skinCocheVide);
    verifie(skinsProgression, skinProgression, skinProgressionVide);
}
