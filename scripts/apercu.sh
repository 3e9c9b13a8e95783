#!/usr/bin/env bash
# Refait docs/artwork/apercu-objets.png (une fenêtre réelle de la boîte à outils),
# docs/artwork/apercu-saisie.png (les champs de saisie) et docs/texte.png (le texte balisé),
# dessinés par Mesa hors écran (EGL, sans serveur d'affichage). Paquets : libegl-dev, libpng-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
racine="$PWD"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j2 --target apercu_objets apercu_texte apercu_saisie donnees
# Les images de Data sont lues depuis le dossier de travail.
cd build
./apercu_objets "$racine/docs/artwork/apercu-objets.png"
./apercu_texte "$racine/docs/texte.png"
./apercu_saisie "$racine/docs/artwork/apercu-saisie.png"
