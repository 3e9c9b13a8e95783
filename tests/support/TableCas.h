// TableCas : une table de cas parcourue ligne à ligne, chaque échec nommant sa ligne.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>

namespace tableCas
{
template <typename Ligne, typename = void> struct aUnNom : std::false_type {
};
template <typename Ligne>
struct aUnNom<Ligne, std::void_t<decltype(std::declval<const Ligne&>().nom)>> : std::true_type {
};

// « ligne 3 », suivi du champ nom de la ligne quand elle en a un.
template <typename Ligne> std::string decrit(const Ligne& ligne, size_t rang)
{
    std::ostringstream s;
    s << "ligne " << rang + 1 << " de la table";
    if constexpr (aUnNom<Ligne>::value)
        s << " : " << ligne.nom;
    return s.str();
}
} // namespace tableCas

// Appelle verifie(ligne) sur chaque ligne de la table, dans l'ordre, sous une trace qui donne son
// rang (compté depuis 1), son nom s'il y en a un et l'endroit de l'appel. Comme un ASSERT dans
// une boucle, la première ligne en échec fatal arrête la table ; le test, lui, continue, sauf
// sous ASSERT_NO_FATAL_FAILURE quand la suite dépend de la table entière.
template <typename Table, typename Verifie>
void pourChaqueCas(const Table& table, Verifie&& verifie, const char* fichier = __builtin_FILE(),
                   int numeroLigne = __builtin_LINE())
{
    size_t rang = 0;
    for (const auto& ligne : table) {
        testing::ScopedTrace trace(fichier, numeroLigne, tableCas::decrit(ligne, rang));
        verifie(ligne);
        if (testing::Test::HasFatalFailure())
            return;
        ++rang;
    }
}
