#!/usr/bin/env bash
# Programmes construits contre le paquet installé, chacun lancé depuis un dossier vide en premier
# client d'un Xvfb qui se réinitialise au départ de son dernier client (comme en intégration) :
#   connexion        la fenêtre de FENETRE1 (sa classe CConnexion) à sa taille en (0,0) ; tapé dans les deux champs,
#                    Tab, Entrée : le programme écrit ce qu'il a reçu ; Maj+Tab ramène au premier
#                    champ ; collé depuis xclip, copié vers xclip ; Échap actionne Annuler, qui
#                    rend 0 ;
#   sdl2             la fenêtre de FENETRE1 habillée dans la fenêtre SDL2 ; le texte tapé et
#                    collé entre dans le champ ; Échap rend 0 ;
#   deux_lancements  deux lanceApplication dans le même processus, fini par Échap puis par la
#                    fenêtre fermée ; le troisième, lancé pendant le second, refusé ;
#   longue_tache     la barre avance sous le fil de travail, Annuler l'arrête et le dit ; Échap
#                    rend 0 ;
#   grande_fenetre   1600 x 1000 sur un écran plus grand, à sa taille et titrée, habillée jusqu'au
#                    coin ; retaillée, elle reste en (0,0) sur le fond ; son bouton la ferme : 0.
# Le test attend les fenêtres par une seule connexion, tenue jusqu'à ce que la fenêtre paraisse :
# le serveur ne peut pas se réinitialiser entre une interrogation et la connexion du programme.
#   programmes.sh PROGRAMME BUILD MODE [FENETRE1]
MODE=${3:?mode}
FENETRE1=${4:-}
export SCENARIO=programme_$MODE
# shellcheck source=../editor/bout_en_bout/commun.sh
source "$(dirname "$0")/../editor/bout_en_bout/commun.sh"
PROGRAMME=$EDITEUR

lance() {
    (cd "$VIDE" && exec "$PROGRAMME") >"$TRAVAIL/sortie.log" 2>"$TRAVAIL/editeur.log" &
    PID_EDITEUR=$!
}

# Les nombres de la N-ième ligne de FENETRE1 qui crée un objet de ce genre, séparés d'espaces.
ligne_objet() {
    grep "new $1(" "$FENETRE1" | sed -n "${2}p" | sed 's/"[^"]*"//g' | tr -c '0-9\n' ' ' |
        sed 's/  */ /g; s/^ //'
}

# Identifiant de la fenêtre dont le titre commence par $1, attendue par une connexion tenue.
attend_fenetre_tenue() {
    local id
    id=$(timeout 20 xdotool search --sync --limit 1 --name "^$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] || echec "pas de fenêtre \"$1\""
    kill -0 "$PID_EDITEUR" 2>/dev/null || echec "le programme s'est arrêté"
    printf '0x%x\n' "$id"
}

# Attend que la sortie du programme ait n lignes, la dernière étant attendu.
attend_ligne() {
    for _ in $(seq 1 50); do
        [ "$(wc -l <"$TRAVAIL/sortie.log")" -ge "$1" ] && break
        sleep 0.1
    done
    [ "$(sed -n "${1}p" "$TRAVAIL/sortie.log")" = "$2" ] ||
        echec "ligne $1 de la sortie : « $(sed -n "${1}p" "$TRAVAIL/sortie.log") » au lieu de « $2 »"
}

# xclip tient texte sur CLIPBOARD jusqu'à la fin du test ; on attend qu'il se relise.
PID_XCLIP=
tient_presse_papiers() {
    [ -z "$PID_XCLIP" ] || kill "$PID_XCLIP" 2>/dev/null || true
    printf -- '%s' "$1" | xclip -quiet -selection clipboard -i 2>/dev/null &
    PID_XCLIP=$!
    trap 'kill "$PID_XCLIP" 2>/dev/null || true; nettoie' EXIT
    for _ in $(seq 1 50); do
        [ "$(timeout 2 xclip -o -selection clipboard 2>/dev/null || true)" = "$1" ] && return 0
        sleep 0.1
    done
    echec "xclip ne tient pas « $1 »"
}

# Empreinte d'un rectangle "l h x y" d'une capture.
empreinte() {
    convert "$CAPTURES/$1.png" -crop "$2" +repage rgb:- | md5sum
}

# Le coin de la zone client de la fenêtre beige en (0,0) : ses marges gauche et haute.
CX=7
CY=30

[ "$MODE" != grande_fenetre ] || export ECRAN_XVFB=1920x1200
serveur xvfb-reinit
VIDE=$TRAVAIL/vide
mkdir -p "$VIDE"

case "$MODE" in
connexion)
    # Le champ de l'utilisateur, posé et nommé dans l'éditeur, est en (160,56)-(463,84).
    command -v xclip >/dev/null || { echo "outil absent : xclip ; test sauté" >&2; exit 77; }
    read -r gx gy dx dy < <(grep -o 'setLimites(MakeRect([0-9,]*))' "$FENETRE1" | tr -c '0-9\n' ' ')
    lance
    id=$(attend_fenetre_tenue 'Wexo$')
    sleep 1
    geometrie "$id"
    [ "$x,$y $l x $h" = "0,0 $((dx - gx)) x $((dy - gy))" ] ||
        echec "fenêtre de $l x $h en ($x,$y) au lieu de la fenêtre dessinée en (0,0)"
    # Le focus est dans le champ de l'utilisateur : on tape, Tab, le mot de passe, Entrée. Sans
    # gestionnaire de fenêtres, le clavier va à la fenêtre sous la souris.
    xdotool mousemove $((CX + 240)) $((CY + 20))
    sleep 0.3
    xdotool type --delay 20 "zoe.durand"
    xdotool key Tab
    xdotool type --delay 20 "s3cret!"
    xdotool key Return
    attend_ligne 1 "connexion de zoe.durand, mot de passe de 7 caract$(printf '\xc3\xa8')res"
    capture connectee
    # Maj+Tab revient du mot de passe au champ de l'utilisateur, où l'on retape.
    xdotool key shift+Tab ctrl+a
    xdotool type --delay 20 "arriere"
    xdotool key Return
    attend_ligne 2 "connexion de arriere, mot de passe de 7 caract$(printf '\xc3\xa8')res"
    # Le presse-papiers du bureau : xclip le tient, Ctrl+V le colle dans le champ cliqué, à la
    # place de tout (Ctrl+A) ; puis Ctrl+C copie le champ, que xclip relit.
    tient_presse_papiers colle.depuis.xclip
    xdotool mousemove $((CX + 300)) $((CY + 70)) click 1
    xdotool key ctrl+a ctrl+v Return
    attend_ligne 3 "connexion de colle.depuis.xclip, mot de passe de 7 caract$(printf '\xc3\xa8')res"
    kill "$PID_XCLIP" 2>/dev/null || true
    xdotool key ctrl+a BackSpace
    xdotool type --delay 20 "copie.du.champ"
    xdotool key ctrl+a ctrl+c
    copie=
    for _ in $(seq 1 30); do
        copie=$(timeout 2 xclip -o -selection clipboard 2>/dev/null || true)
        [ "$copie" = copie.du.champ ] && break
        sleep 0.1
    done
    [ "$copie" = copie.du.champ ] || echec "xclip relit « $copie » au lieu de copie.du.champ"
    # Échap actionne Annuler, qui ferme la fenêtre : 0, et rien d'autre d'écrit.
    xdotool key Escape
    attend_fin
    [ "$CODE_EDITEUR" = 0 ] || echec "Échap : code de sortie $CODE_EDITEUR au lieu de 0"
    [ "$(wc -l <"$TRAVAIL/sortie.log")" = 3 ] || echec "sortie : $(cat "$TRAVAIL/sortie.log")"
    echo "tapé dans les deux champs, Tab, Entrée : reçu ; Maj+Tab : premier champ ; collé depuis xclip, copié vers xclip ; Échap : 0"
    ;;
sdl2)
    read -r gx gy dx dy < <(grep -o 'setLimites(MakeRect([0-9,]*))' "$FENETRE1" | tr -c '0-9\n' ' ')
    lance
    id=$(attend_fenetre_tenue 'Wexo dans SDL2$')
    sleep 1
    capture fenetre
    geometrie "$id"
    [ "$x,$y $l x $h" = "0,0 $((dx - gx)) x $((dy - gy))" ] ||
        echec "fenêtre SDL2 de $l x $h en ($x,$y) au lieu de la fenêtre dessinée en (0,0)"
    verifie_habillage fenetre "32 37" "$((l - 38)) $((h - 29))"
    # Le champ a le focus : le texte de SDL y entre, Entrée le valide et le programme l'écrit ;
    # puis Ctrl+V y colle ce que xclip tient, par le presse-papiers de SDL.
    xdotool mousemove $((l / 2)) $((h / 2))
    sleep 0.3
    xdotool type --delay 20 "sdl ok"
    xdotool key Return
    attend_ligne 1 "sdl ok"
    if command -v xclip >/dev/null; then
        tient_presse_papiers -colle
        xdotool key ctrl+v Return
        attend_ligne 2 "sdl ok-colle"
    fi
    echap_rend_zero $((l / 2)) $((h / 2))
    echo "fenêtre dessinée dans la fenêtre SDL2, habillée ; tapé et collé dans le champ ; Échap : 0"
    ;;
deux_lancements)
    lance
    attend_fenetre_tenue 'Wexo$' >/dev/null
    sleep 0.5
    xdotool mousemove 150 100
    sleep 0.3
    xdotool key Escape
    # Le premier code écrit, la fenêtre qui vient est la seconde (elle peut reprendre le même
    # identifiant que la première).
    for _ in $(seq 1 100); do
        [ -s "$TRAVAIL/sortie.log" ] && break
        kill -0 "$PID_EDITEUR" 2>/dev/null || echec "arrêté avant la seconde fenêtre"
        sleep 0.1
    done
    [ "$(cat "$TRAVAIL/sortie.log")" = 0 ] || echec "Échap : premier code « $(cat "$TRAVAIL/sortie.log") » au lieu de 0"
    attend_fenetre_tenue 'Wexo$' >/dev/null
    sleep 0.5
    capture seconde
    # Le bouton de la seconde fenêtre, (40,40)-(240,120) dans sa zone client.
    xdotool mousemove $((CX + 140)) $((CY + 80)) click 1
    attend_fin
    [ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0 ; codes : $(cat "$TRAVAIL/sortie.log")"
    [ "$(cat "$TRAVAIL/sortie.log")" = "$(printf '0\n0 1')" ] || echec "codes $(cat "$TRAVAIL/sortie.log") au lieu de 0, 0 et 1"
    grep -qF "lanceApplication d$(printf '\xc3\xa9')j$(printf '\xc3\xa0') en cours" "$TRAVAIL/editeur.log" ||
        echec "le refus n'est pas dit"
    echo "deux lanceApplication dans un processus : 0 puis 0, le lancement imbriqué refusé"
    ;;
longue_tache)
    lance
    attend_fenetre_tenue 'Longue t' >/dev/null
    # La barre, (20,20) et 360 de long dans la zone client ; le message en (20,70)-(380,90).
    barre="360x16+$((CX + 20))+$((CY + 22))"
    message="360x20+$((CX + 20))+$((CY + 70))"
    sleep 0.5
    capture debut
    sleep 1
    capture avance
    [ "$(empreinte debut "$barre")" != "$(empreinte avance "$barre")" ] ||
        echec "la barre n'avance pas sous le fil de travail"
    xdotool mousemove $((CX + 190)) $((CY + 120)) click 1
    sleep 0.5
    capture annule
    sleep 1
    capture apres
    [ "$(empreinte annule "$barre")" = "$(empreinte apres "$barre")" ] ||
        echec "Annuler : la barre avance encore"
    [ "$(empreinte avance "$message")" != "$(empreinte annule "$message")" ] ||
        echec "Annuler : le message n'a pas changé"
    echap_rend_zero $((CX + 190)) $((CY + 60))
    echo "la barre avance sous le fil de travail, Annuler l'arrête et le dit ; Échap : 0"
    ;;
grande_fenetre)
    lance
    id=$(attend_fenetre_tenue 'Grande fenetre$')
    sleep 1
    geometrie "$id"
    [ "$x,$y $l x $h" = "0,0 1600 x 1000" ] || echec "fenêtre de $l x $h en ($x,$y) au lieu de 1600 x 1000 en (0,0)"
    capture grande
    verifie_habillage grande "32 37" "1562 971"
    # Retaillée : le fond suit, la fenêtre dessinée reste en (0,0), le dehors est le fond noir.
    xdotool windowsize "$id" 1800 1100
    sleep 1
    geometrie "$id"
    [ "$l x $h" = "1800 x 1100" ] || echec "retaillée : $l x $h au lieu de 1800 x 1100"
    capture retaillee
    verifie_habillage retaillee "32 37" "1562 971"
    [ "$(pixel "$CAPTURES/retaillee.png" 1700 1050)" = "0,0,0" ] || echec "retaillée : le dehors n'est pas le fond"
    xdotool mousemove $((CX + 1400)) $((CY + 890)) click 1
    attend_fin
    [ "$CODE_EDITEUR" = 0 ] || echec "Fermer : code de sortie $CODE_EDITEUR au lieu de 0"
    echo "1600 x 1000 à sa taille en (0,0), habillée jusqu'au coin ; retaillée, le fond suit ; Fermer : 0"
    ;;
*)
    echec "mode inconnu : $MODE"
    ;;
esac
