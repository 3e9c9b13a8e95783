#!/usr/bin/env bash
# Outils des tests de bout en bout : dossier de travail, serveur X privé, attente des fenêtres,
# captures d'écran ; tout ce qui a été lancé est arrêté à la sortie, par son propre numéro.
set -euo pipefail

EDITEUR=${1:?chemin de l editeur}
BUILD=${2:?dossier de construction}
SCENARIO=${SCENARIO:-$(basename "$0" .sh)}
RACINE_DEPOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
# shellcheck source=../../../scripts/serveurs-x.sh
source "$RACINE_DEPOT/scripts/serveurs-x.sh"

# Sans serveur X ni xdotool, le test est sauté (code 77) ; scripts/test.sh les installe.
for outil in Xorg Xvfb xdotool xwininfo import; do
    if ! command -v "$outil" >/dev/null; then
        echo "outil absent : $outil ; test sauté" >&2
        exit 77
    fi
done

TRAVAIL=$(mktemp -d /tmp/wexo-bout-en-bout-XXXXXX)
CAPTURES="$BUILD/captures/$SCENARIO"
rm -rf "$CAPTURES"
mkdir -p "$CAPTURES" "$TRAVAIL/Data"
cp "$BUILD"/Data/*.tga "$TRAVAIL/Data/"
PID_EDITEUR=

nettoie() {
    if [ -n "$PID_EDITEUR" ]; then
        kill "$PID_EDITEUR" 2>/dev/null || true
    fi
    arrete_serveur_x
    cp "$TRAVAIL"/*.log "$CAPTURES/" 2>/dev/null || true
    rm -rf "$TRAVAIL"
}
trap nettoie EXIT
# Interrompu, le test passe quand même par le nettoyage.
trap 'exit 143' TERM INT

echec() {
    echo "ÉCHEC ($SCENARIO) : $*" >&2
    echo "--- sortie d'erreur de l'éditeur ---" >&2
    cat "$TRAVAIL/editeur.log" >&2 2>/dev/null || true
    exit 1
}

serveur() {
    demarre_serveur_x "$1" "$TRAVAIL/serveur"
    export DISPLAY=$SERVEUR_X_AFFICHAGE
}

# Lance l'éditeur dans le dossier de travail, sortie d'erreur dans editeur.log ; les arguments
# éventuels préfixent la commande (env ...).
lance_editeur() {
    (cd "$TRAVAIL" && exec "$@" "$EDITEUR") 2>"$TRAVAIL/editeur.log" &
    PID_EDITEUR=$!
}

# Lance l'éditeur dans le dossier de travail sur ces arguments (le fichier à rouvrir).
lance_editeur_sur() {
    (cd "$TRAVAIL" && exec "$EDITEUR" "$@") 2>"$TRAVAIL/editeur.log" &
    PID_EDITEUR=$!
}

# Identifiant de la fenêtre de premier niveau de ce nom (titre exact), vide sinon.
fenetre() {
    xwininfo -root -tree 2>/dev/null | awk -v nom="\"$1\":" '$2 == nom || index($0, " " nom " ") { print $1; exit }'
}

attend_fenetre() {
    local id i
    for i in $(seq 1 150); do
        id=$(fenetre "$1")
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$PID_EDITEUR" 2>/dev/null || echec "l'éditeur s'est arrêté avant la fenêtre \"$1\""
        sleep 0.1
    done
    echec "pas de fenêtre \"$1\""
}

capture() {
    import -window root "$CAPTURES/$1.png"
}

# La couleur "r,g,b" du pixel (x,y) d'une image ; les options qui suivent passent à convert
# avant la découpe.
pixel() {
    convert "$1" "${@:4}" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Attend la fin de l'éditeur et pose CODE_EDITEUR, son code de sortie.
attend_fin() {
    local i
    for i in $(seq 1 100); do
        if ! kill -0 "$PID_EDITEUR" 2>/dev/null; then
            CODE_EDITEUR=0
            wait "$PID_EDITEUR" || CODE_EDITEUR=$?
            PID_EDITEUR=
            return 0
        fi
        sleep 0.1
    done
    echec "l'éditeur ne s'est pas terminé"
}

# Vrai si editeur.log contient cette ligne exacte.
journal_dit() {
    grep -qxF "$1" "$TRAVAIL/editeur.log"
}

# La boîte d'erreur : même texte sur la sortie d'erreur, en UTF-8.
verifie_message_erreur() {
    local attendu
    attendu=$(printf 'Erreur !\nImpossible d%sinitialiser OpenGL, ou impossible de charger une texture. Je l\xc3\xa2che l%saffaire...' "'" "'")
    grep -qxF "Erreur !" "$TRAVAIL/editeur.log" || echec "titre absent de la sortie d'erreur"
    [ "$(grep -A1 -xF 'Erreur !' "$TRAVAIL/editeur.log")" = "$attendu" ] ||
        echec "texte de la boîte différent sur la sortie d'erreur"
}

# Pose x, y, l et h : coin à l'écran, largeur et hauteur de la fenêtre BOITE.
geometrie() {
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "x=" $4 }
        /Absolute upper-left Y/ { print "y=" $4 } /Width:/ { print "l=" $2 }
        /Height:/ { print "h=" $2 }')"
}

# Les boutons de la boîte BOITE, de gauche à droite, une ligne "x y" par bouton : son centre à
# l'écran. Lus sur une capture de la boîte : dans sa moitié basse, sous le texte, une colonne
# appartient à un bouton dès qu'un de ses pixels diffère du fond, pris au coin gauche.
boutons_boite() {
    local x y l h
    geometrie "$1"
    import -window "$1" "$TRAVAIL/boite.png"
    convert "$TRAVAIL/boite.png" -crop "${l}x$((h / 2))+0+$((h / 2))" +repage txt:- |
        awk -v x0="$x" -v y0="$((y + h / 2))" '
        NR > 1 {
            split($1, p, /[,:]/)
            if (p[1] == 0 && p[2] == 0) fond = $3
            if ($3 != fond) {
                bouton[p[1]] = 1
                if (haut == "" || p[2] < haut) haut = p[2]
                if (p[2] > bas) bas = p[2]
            }
            if (p[1] > dernier) dernier = p[1]
        }
        END {
            for (i = 0; i <= dernier + 1; i++) {
                if (bouton[i] && !dans) { debut = i; dans = 1 }
                else if (!bouton[i] && dans) {
                    print x0 + int((debut + i - 1) / 2), y0 + int((haut + bas) / 2)
                    dans = 0
                }
            }
        }'
}

# Vérifie que la boîte BOITE a N boutons et pose BOUTONS, leurs centres "x y" un par ligne.
verifie_boutons() {
    BOUTONS=$(boutons_boite "$1")
    [ "$(echo "$BOUTONS" | grep -c .)" = "$2" ] ||
        echec "la boîte a $(echo "$BOUTONS" | grep -c .) boutons au lieu de $2 : $BOUTONS"
}

# Répond à la boîte BOITE : "entree" ou "echap" une fois le clavier donné à la boîte (ce que
# ferait un gestionnaire de fenêtres), ou "clic N" au centre de son N-ième bouton depuis la
# gauche, tel que verifie_boutons l'a trouvé.
repond() {
    local boite=$1 facon=$2
    case "$facon" in
    entree | echap)
        xdotool windowfocus "$boite"
        xdotool key "$([ "$facon" = entree ] && echo Return || echo Escape)"
        ;;
    clic)
        local centre
        centre=$(echo "$BOUTONS" | sed -n "${3}p")
        [ -n "$centre" ] || echec "pas de bouton $3"
        # shellcheck disable=SC2086
        xdotool mousemove $centre click 1
        ;;
    esac
}

# Chaque point "x y" de la capture NOM montre le fond nu d'une fenêtre beige : le centre étiré
# de la ligne 1 du cadre, texels (88,29) à (98,43) de "Containers" comptés depuis le haut (le
# TGA est rangé de bas en haut).
verifie_habillage() {
    local nom=$1 habillage couleur point
    shift
    habillage=$(pixel "$BUILD/Data/Containers.tga" 93 36 -flip)
    [ -n "$habillage" ] || echec "Containers.tga illisible par convert"
    for point in "$@"; do
        # shellcheck disable=SC2086
        couleur=$(pixel "$CAPTURES/$nom.png" $point)
        [ "$couleur" = "$habillage" ] || echec "pixel ($point) : $couleur au lieu de l'habillage $habillage"
    done
}

# Échap avec la souris en (X, Y) (sans gestionnaire de fenêtres, le clavier va à la fenêtre sous
# elle) : le programme doit finir et rendre 0.
echap_rend_zero() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool key Escape
    attend_fin
    [ "$CODE_EDITEUR" = 0 ] || echec "Échap : code de sortie $CODE_EDITEUR au lieu de 0"
}
