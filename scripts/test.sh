#!/usr/bin/env bash
# Installe ce qui manque, construit dans build/ et passe tous les tests par ctest, puis de même
# sous les sanitiseurs dans build-san/, puis lance les cibles de fuzzing (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

paquets=(cmake g++ make pkg-config googletest libgtest-dev libgl-dev libglu1-mesa-dev
         freeglut3-dev libfreetype-dev fonts-dejavu-core
         # Éditeur et tests de bout en bout : boîte d'erreur SDL et ses polices, serveurs X
         # privés, Mesa logiciel, pilotage et captures.
         libsdl2-dev xfonts-base xserver-xorg-core xserver-xorg-video-dummy xvfb
         libgl1-mesa-dri libglx-mesa0 xdotool xclip x11-utils imagemagick
         # Fuzzing : clang, libFuzzer et la symbolisation de ses rapports ; memcheck.
         clang-14 libclang-rt-14-dev llvm-14 valgrind
         # La référence de l'API, que le test construit sans avertissement.
         doxygen)
source scripts/paquets.sh
installe_paquets "${paquets[@]}"

# Un test sans limite de temps propre en reçoit une : un blocage échoue au lieu d'attendre.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
(cd build && ctest --output-on-failure -j "$(nproc)" --timeout 600)

# Deuxième construction de tous les tests sous AddressSanitizer et UndefinedBehaviorSanitizer.
# Chaque rapport arrête le programme fautif et reste écrit dans build-san/rapports : un seul
# rapport, même d'un processus lancé par un test, fait échouer la commande. Seules les fuites
# des bibliothèques X et Mesa des tests de bout en bout sont tues (tests/sanitiseurs/lsan.supp).
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEXO_SANITISEURS=ON
cmake --build build-san -j "$(nproc)"
rm -rf build-san/rapports
mkdir -p build-san/rapports
rapports=$PWD/build-san/rapports
suppressions=$PWD/tests/sanitiseurs/lsan.supp
statut=0
(cd build-san &&
    ASAN_OPTIONS=log_path=$rapports/asan:detect_leaks=1 \
    LSAN_OPTIONS=suppressions=$suppressions:print_suppressions=0 \
    UBSAN_OPTIONS=log_path=$rapports/ubsan:print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j "$(nproc)" --timeout 600) || statut=$?
if [ -n "$(ls -A build-san/rapports)" ]; then
    echo "Rapports des sanitiseurs :" >&2
    cat build-san/rapports/* >&2
    statut=1
fi
[ "$statut" -eq 0 ]

# Fuzzing borné de chaque cible (WEXO_DUREE_FUZZ secondes, 60 par défaut).
scripts/fuzz.sh
