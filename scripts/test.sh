#!/usr/bin/env bash
# Installe ce qui manque, construit dans build/ et passe tous les tests par ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

paquets=(cmake g++ make pkg-config googletest libgtest-dev libgl-dev libglu1-mesa-dev
         freeglut3-dev libfreetype-dev fonts-dejavu-core
         # Éditeur et tests de bout en bout : boîte d'erreur SDL et ses polices, serveurs X
         # privés, Mesa logiciel, pilotage et captures.
         libsdl2-dev xfonts-base xserver-xorg-core xserver-xorg-video-dummy xvfb
         libgl1-mesa-dri libglx-mesa0 xdotool x11-utils imagemagick)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${manquants[@]}"
    else
        echo "Paquets manquants (à installer en root) : ${manquants[*]}" >&2
        exit 1
    fi
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
cd build
ctest --output-on-failure -j "$(nproc)"
