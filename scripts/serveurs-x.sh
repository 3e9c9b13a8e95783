#!/usr/bin/env bash
# Serveurs X privés pour l'éditeur : Xorg au pilote factice (le mode jeu 1024x768 y est possible)
# ou Xvfb (il y est impossible), chacun sur un numéro d'affichage libre choisi par le serveur,
# et arrêtés par leur propre numéro de processus. xvfb-reinit est un Xvfb qui se réinitialise au
# départ de son dernier client, comme ceux des machines d'intégration.
#
# Les écrans de Xvfb ont 1024x768 pixels, ou la taille ECRAN_XVFB ("1920x1200") si elle est posée.
#
# À sourcer :   demarre_serveur_x xorg|xvfb|xvfb-reinit DOSSIER   pose SERVEUR_X_AFFICHAGE (":N") et
#                                                    SERVEUR_X_PID ; journal dans DOSSIER
#               arrete_serveur_x [PID]               (par défaut SERVEUR_X_PID)
# En commande : bash scripts/serveurs-x.sh xorg|xvfb DOSSIER   écrit ":N PID" et laisse tourner
#               bash scripts/serveurs-x.sh arrete PID

# Configuration de Xorg : une carte factice et une seule résolution, celle du mode jeu.
ecrit_configuration_xorg() {
    cat > "$1" <<'FIN'
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "DontVTSwitch" "true"
EndSection
Section "Device"
    Identifier "CarteFactice"
    Driver "dummy"
    VideoRam 16384
EndSection
Section "Monitor"
    Identifier "EcranFactice"
    HorizSync 31.5-50.0
    VertRefresh 40-70
    Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
EndSection
Section "Screen"
    Identifier "AffichageFactice"
    Device "CarteFactice"
    Monitor "EcranFactice"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1024x768"
        Virtual 1024 768
    EndSubSection
EndSection
FIN
}

demarre_serveur_x() {
    local genre=$1 dossier=$2
    mkdir -p "$dossier"
    dossier=$(cd "$dossier" && pwd)
    local numero="$dossier/affichage-$genre"
    : > "$numero"
    # -displayfd : le serveur prend le premier numéro libre et l'écrit une fois prêt.
    case "$genre" in
    xorg)
        ecrit_configuration_xorg "$dossier/xorg.conf"
        Xorg -config "$dossier/xorg.conf" -logfile "$dossier/Xorg.log" -noreset -nolisten tcp \
            -novtswitch -sharevts -displayfd 3 3>"$numero" >"$dossier/Xorg.sortie" 2>&1 &
        ;;
    xvfb)
        Xvfb -screen 0 "${ECRAN_XVFB:-1024x768}x24" -nolisten tcp -noreset -displayfd 3 \
            3>"$numero" >"$dossier/Xvfb.log" 2>&1 &
        ;;
    xvfb-reinit)
        Xvfb -screen 0 "${ECRAN_XVFB:-1024x768}x24" -nolisten tcp -displayfd 3 \
            3>"$numero" >"$dossier/Xvfb.log" 2>&1 &
        ;;
    *)
        echo "serveur inconnu : $genre (xorg, xvfb ou xvfb-reinit)" >&2
        return 2
        ;;
    esac
    SERVEUR_X_PID=$!
    local attente
    for attente in $(seq 1 100); do
        if [ -s "$numero" ]; then
            SERVEUR_X_AFFICHAGE=":$(tr -dc '0-9' < "$numero")"
            return 0
        fi
        if ! kill -0 "$SERVEUR_X_PID" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    echo "le serveur $genre n'a pas démarré ; journal dans $dossier" >&2
    arrete_serveur_x "$SERVEUR_X_PID"
    return 1
}

arrete_serveur_x() {
    local pid=${1:-${SERVEUR_X_PID:-}}
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    local attente
    for attente in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
    return 0
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    case "${1:-}" in
    xorg | xvfb | xvfb-reinit)
        demarre_serveur_x "$1" "${2:?dossier du journal}"
        echo "$SERVEUR_X_AFFICHAGE $SERVEUR_X_PID"
        ;;
    arrete)
        arrete_serveur_x "${2:?numéro de processus}"
        ;;
    *)
        echo "usage : $0 xorg|xvfb|xvfb-reinit DOSSIER | arrete PID" >&2
        exit 2
        ;;
    esac
fi
