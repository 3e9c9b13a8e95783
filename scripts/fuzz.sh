#!/usr/bin/env bash
# Construit les cibles libFuzzer avec clang dans build-fuzz, puis lance chacune pendant
# WEXO_DUREE_FUZZ secondes (60 par défaut) sur son corpus de départ, tests/fuzz/corpus/<cible>.
# Tout plantage, rapport des sanitiseurs ou dépassement de temps d'un essai fait échouer.
# Usage : scripts/fuzz.sh [cible...]   (par défaut toutes : tga texte editeur lecteur saisie)
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$PWD
duree=${WEXO_DUREE_FUZZ:-60}
if [ $# -gt 0 ]; then cibles=("$@"); else cibles=(tga texte editeur lecteur saisie); fi

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWEXO_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${cibles[@]/#/fuzz_}"

if [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
    export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi
mkdir -p build-fuzz/artefacts

# Les cibles tournent ensemble, une par cœur ; les nouvelles entrées vont dans
# build-fuzz/corpus/<cible>, jamais dans le corpus suivi.
declare -A pid
for c in "${cibles[@]}"; do
    mkdir -p "build-fuzz/corpus/$c"
    "build-fuzz/tests/fuzz/fuzz_$c" -max_total_time="$duree" -timeout=10 -rss_limit_mb=2048 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$racine/build-fuzz/artefacts/$c-" \
        "$racine/build-fuzz/corpus/$c" "$racine/tests/fuzz/corpus/$c" \
        >"build-fuzz/journal-$c.txt" 2>&1 &
    pid[$c]=$!
done

reussies=0
ratees=0
for c in "${cibles[@]}"; do
    if wait "${pid[$c]}"; then
        reussies=$((reussies + 1))
        executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/journal-$c.txt")
        echo "fuzz_$c : ${executions:-?} exécutions en $duree s, aucun plantage"
    else
        ratees=$((ratees + 1))
        echo "fuzz_$c : ÉCHEC ; fin du journal build-fuzz/journal-$c.txt :" >&2
        tail -n 60 "build-fuzz/journal-$c.txt" >&2
    fi
done
echo "fuzz: $reussies passed, $ratees failed"
[ "$ratees" -eq 0 ]
