#!/usr/bin/env bash
# Gestes de souris et touches joués par xdotool dans l'éditeur plein écran, et la courte séance
# de démonstration de scripts/run.sh. À sourcer ; DISPLAY désigne l'affichage de l'éditeur.
# Les coordonnées sont celles de l'écran de 1024 x 768.

# Pause entre deux gestes : l'éditeur traite les événements et met l'arbre à jour entre eux.
PAUSE_GESTE=${PAUSE_GESTE:-0.3}

# Attend la fenêtre plein écran de l'éditeur (titre "FREEGLUT") ; xdotool search --name ne lit
# pas les titres UTF-8, xwininfo si.
attend_editeur() {
    local i
    for i in $(seq 1 150); do
        if xwininfo -root -tree 2>/dev/null | grep -q '"FREEGLUT": ()  1024x768+0+0'; then
            sleep 1
            return 0
        fi
        sleep 0.1
    done
    echo "la fenêtre de l'éditeur n'est pas apparue" >&2
    return 1
}

touche() {
    xdotool key "$1"
    sleep "$PAUSE_GESTE"
}

clique() {
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool click 1
    sleep "$PAUSE_GESTE"
}

# Appui en (x1,y1), glissement par le milieu, relâche en (x2,y2).
glisse() {
    local x1=$1 y1=$2 x2=$3 y2=$4
    xdotool mousemove "$x1" "$y1"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.1
    xdotool mousemove $(((x1 + x2) / 2)) $(((y1 + y2) / 2))
    sleep 0.1
    xdotool mousemove "$x2" "$y2"
    sleep 0.2
    xdotool mouseup 1
    sleep "$PAUSE_GESTE"
}

# Espace ouvre le menu de sélection ; l'icône k (0 sélection, 1 texte, 2 bouton, 3 case,
# 4 image, 5 barre) est à 42 pixels de la précédente, dans la zone client du menu posé en
# (400,320) dans celle de la fenêtre éditée, elle-même décalée de (7,30) par son cadre.
choisit_genre() {
    touche space
    clique $((7 + 400 + 9 + 42 * $1 + 3 + 15)) $((30 + 320 + 9 + 5 + 15))
}

# Crée un objet du genre k par un glissement de (x1,y1) à (x2,y2).
place() {
    choisit_genre "$1"
    glisse "$2" "$3" "$4" "$5"
}

# Capture de l'écran entier dans DOSSIER_CAPTURES/NOM.png.
capture_ecran() {
    import -window root "$DOSSIER_CAPTURES/$1.png"
}

# Un objet de chaque genre posé, de la zone de texte à la barre de progression.
pose_objets_demo() {
    place 1 60 80 300 180
    place 2 360 80 520 130
    place 3 620 80 660 120
    place 4 60 250 260 450
    place 5 360 320 660 350
}

# Le bouton, pris en son milieu, part à droite et en bas ; l'image, prise par son coin
# bas-droit, s'agrandit (elle reste sélectionnée).
deplace_et_agrandit_demo() {
    glisse 440 105 800 255
    glisse 258 448 330 520
}

# La démonstration : ferme l'aide, pose un objet de chaque genre, déplace le bouton, agrandit
# l'image par son coin, ouvre et referme le menu, puis quitte par Échap (le source est écrit).
joue_seance_demo() {
    capture_ecran 01-aide
    touche Return
    pose_objets_demo
    capture_ecran 02-objets-poses
    deplace_et_agrandit_demo
    capture_ecran 03-deplace-et-agrandi
    # Le menu des objets, ouvert puis refermé par Échap, qui ne quitte pas encore.
    touche space
    capture_ecran 04-menu
    touche Escape
    touche Escape
}
