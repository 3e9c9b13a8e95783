#!/usr/bin/env bash
# Lance l'éditeur : installe ce qui manque, construit si besoin, puis l'ouvre depuis travail/ à la
# racine du dépôt (qui reçoit Data/ et garde Fenetre1.cpp d'une séance à l'autre, hors de build/).
# Sans affichage, il démarre son propre Xorg au pilote factice, y joue une courte séance
# enregistrée dans un dossier à elle, build/seance-<date>/, qu'il nomme, sans toucher à travail/.
set -euo pipefail
cd "$(dirname "$0")/.."
depot=$PWD

paquets=(cmake g++ make pkg-config googletest libgtest-dev libgl-dev libglu1-mesa-dev
         freeglut3-dev libfreetype-dev fonts-dejavu-core libsdl2-dev xfonts-base
         libgl1-mesa-dri libglx-mesa0 x11-utils xserver-xorg-core xserver-xorg-video-dummy
         xdotool imagemagick)
source scripts/paquets.sh
installe_paquets "${paquets[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j2 --target editeur

# Le dossier de travail : l'éditeur y lit Data/ et y écrit Fenetre1.cpp en sortant, l'ancien
# fichier gardé en Fenetre1.cpp~ ; un nettoyage de build/ ne l'atteint pas.
travail="$depot/travail"
prepare_dossier() {
    mkdir -p "$1"
    rm -rf "$1/Data"
    cp -r "$depot/build/Data" "$1/Data"
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo > /dev/null 2>&1; then
    prepare_dossier "$travail"
    echo "Fenetre1.cpp sera écrit dans $travail/Fenetre1.cpp (à la sortie par Échap, Ctrl-C ou"
    echo "la fermeture de la session), l'ancien gardé en Fenetre1.cpp~ s'il diffère."
    echo "Éditeur sur l'affichage $DISPLAY. Échap ferme l'aide, puis quitte."
    cd "$travail"
    exec "$depot/build/editeur"
fi

# Pas d'affichage : un Xorg privé et une séance jouée par xdotool, dans un dossier à elle.
seance="$depot/build/seance-$(date +%Y%m%d-%H%M%S)"
prepare_dossier "$seance"
source scripts/serveurs-x.sh
source scripts/seance-editeur.sh
pid_editeur=
termine() {
    [ -z "$pid_editeur" ] || kill "$pid_editeur" 2> /dev/null || true
    arrete_serveur_x
}
trap termine EXIT
# Interrompu (Ctrl-C), le serveur privé est arrêté quand même.
trap 'exit 130' INT TERM

echo "Aucun affichage : Xorg privé au pilote factice, séance enregistrée dans $seance"
demarre_serveur_x xorg "$seance/serveur"
export DISPLAY=$SERVEUR_X_AFFICHAGE
(cd "$seance" && exec "$depot/build/editeur") 2> "$seance/editeur.log" &
pid_editeur=$!
attend_editeur
DOSSIER_CAPTURES=$seance
joue_seance_demo
# Échap a dû finir l'éditeur ; au-delà de dix secondes, il est arrêté par SIGTERM, qui écrit
# aussi le source.
for attente in $(seq 1 100); do
    kill -0 "$pid_editeur" 2> /dev/null || break
    sleep 0.1
done
if kill -0 "$pid_editeur" 2> /dev/null; then
    echo "L'éditeur ne s'est pas fermé après Échap : arrêté." >&2
    kill "$pid_editeur"
fi
code=0
wait "$pid_editeur" || code=$?
pid_editeur=
[ -f "$seance/Fenetre1.cpp" ] ||
    echo "Fenetre1.cpp n'a pas été écrit (voir $seance/editeur.log)." >&2
echo "L'éditeur a rendu $code."
echo "Séance dans $seance :"
ls "$seance"
