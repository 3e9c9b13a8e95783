#!/usr/bin/env bash
# Lance le programme du presse-papiers réel sur un Xvfb privé (code 77 : Xvfb ou xclip absent).
# Usage : presse_papiers_x.sh PROGRAMME DOSSIER_DE_TRAVAIL
set -uo pipefail
programme=$1
travail=$2/presse-papiers-x
command -v Xvfb > /dev/null && command -v xclip > /dev/null || exit 77
source "$(dirname "$0")/../../../scripts/serveurs-x.sh"
rm -rf "$travail" && mkdir -p "$travail" && cd "$travail" || exit 1
demarre_serveur_x xvfb "$travail" || exit 1
DISPLAY=$SERVEUR_X_AFFICHAGE "$programme"
code=$?
arrete_serveur_x
exit $code
