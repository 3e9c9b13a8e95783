#!/usr/bin/env bash
# Un programme construit contre le paquet installé, qui n'appelle que lanceApplication, lancé
# sous Xvfb depuis des dossiers vides : il trouve les images installées, dessine sa fenêtre
# centrée et habillée, et rend 0 sur Échap comme à la fermeture de sa fenêtre ; sans affichage,
# ou avec un dossier Data où une image manque ou est illisible, il rend une valeur non nulle en
# nommant la cause, le fichier et le dossier.
#   lance_application.sh PROGRAMME BUILD FERME_FENETRE NOM FENETRE1
FERME_FENETRE=${3:?ferme_fenetre}
FENETRE1=${5:?Fenetre1.cpp du programme}
export SCENARIO=lance_application_${4:?nom des captures}
# shellcheck source=../editor/bout_en_bout/commun.sh
source "$(dirname "$0")/../editor/bout_en_bout/commun.sh"
PROGRAMME=$EDITEUR

# Lance le programme depuis le dossier $1 ; les arguments suivants préfixent la commande (env).
lance_depuis() {
    local dossier=$1
    shift
    (cd "$dossier" && exec "$@" "$PROGRAMME") 2>"$TRAVAIL/editeur.log" &
    PID_EDITEUR=$!
}

# La couleur "r,g,b" du pixel (x,y) d'une image ; les options qui suivent passent à convert
# avant la découpe.
pixel() {
    convert "$1" "${@:4}" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

serveur xvfb
VIDE=$TRAVAIL/vide
mkdir -p "$VIDE"

# La fenêtre de l'utilisateur, lue dans son Fenetre1.cpp, centrée sur le fond de 1024 x 768.
limites=$(sed -n 's/.*setLimites(MakeRect(\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\))).*/\1 \2 \3 \4/p' "$FENETRE1")
[ -n "$limites" ] || echec "$FENETRE1 sans setLimites(MakeRect(...)) : fenêtre plein écran ?"
read -r gauche haut droite bas <<<"$limites"
X1=$(((1024 - (droite - gauche)) / 2))
Y1=$(((768 - (bas - haut)) / 2))
X2=$((X1 + droite - gauche))
Y2=$((Y1 + bas - haut))

# Échap : la fenêtre de 1024 x 768 occupe l'écran de Xvfb, la fenêtre de l'utilisateur y est
# centrée dans l'habillage beige, le centre étiré de la ligne 1 du cadre : texels (88,29) à
# (98,43) de "Containers", comptés depuis le haut de l'image (le TGA est rangé de bas en haut).
lance_depuis "$VIDE"
id=$(attend_fenetre Wexo)
sleep 1
capture fenetre
eval "$(xwininfo -id "$id" | awk '/Width:/ { print "l=" $2 } /Height:/ { print "h=" $2 }')"
[ "$l x $h" = "1024 x 768" ] || echec "fenêtre de $l x $h au lieu de 1024 x 768"
habillage=$(pixel "$BUILD/Data/Containers.tga" 93 36 -flip)
[ -n "$habillage" ] || echec "Containers.tga illisible par convert"
# Les quatre coins du centre étiré (22 pixels du cadre à gauche, 27 en haut, 28 à droite, 19 en
# bas), à 10 pixels en dedans : le fond nu de la fenêtre, loin des objets.
for point in "$((X1 + 32)) $((Y1 + 37))" "$((X2 - 38)) $((Y1 + 37))" \
    "$((X1 + 32)) $((Y2 - 29))" "$((X2 - 38)) $((Y2 - 29))"; do
    # shellcheck disable=SC2086
    couleur=$(pixel "$CAPTURES/fenetre.png" $point)
    [ "$couleur" = "$habillage" ] || echec "pixel ($point) : $couleur au lieu de l'habillage $habillage"
done
# Le fond noir au-dessus et au-dessous de la fenêtre, et sur ses côtés s'il y en a.
dehors=("$(((X1 + X2) / 2)) $((Y1 / 2))" "$(((X1 + X2) / 2)) $(((Y2 + 768) / 2))")
[ "$X1" -le 0 ] || dehors+=("$((X1 / 2)) $(((Y1 + Y2) / 2))" "$(((X2 + 1024) / 2)) $(((Y1 + Y2) / 2))")
for point in "${dehors[@]}"; do
    # shellcheck disable=SC2086
    couleur=$(pixel "$CAPTURES/fenetre.png" $point)
    [ "$couleur" = "0,0,0" ] || echec "pixel ($point) hors de la fenêtre : $couleur au lieu du noir"
done
xdotool mousemove 512 384
sleep 0.3
xdotool key Escape
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "Échap : code de sortie $CODE_EDITEUR au lieu de 0"
[ ! -s "$TRAVAIL/editeur.log" ] || echec "Échap : sortie d'erreur non vide"
[ -z "$(ls -A "$VIDE")" ] || echec "le dossier de travail a reçu $(ls -A "$VIDE")"
[ -z "$(fenetre Wexo)" ] || echec "la fenêtre reste après Échap"
echo "images installées trouvées depuis un dossier vide, fenêtre habillée et centrée, Échap : 0"

# Fermée comme par le bouton d'un gestionnaire de fenêtres.
lance_depuis "$VIDE"
id=$(attend_fenetre Wexo)
sleep 0.5
"$FERME_FENETRE" "$id" || echec "message de fermeture non envoyé"
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "fermeture : code de sortie $CODE_EDITEUR au lieu de 0"
echo "fenêtre fermée : 0"

# Sans affichage.
lance_depuis "$VIDE" env -u DISPLAY
attend_fin
[ "$CODE_EDITEUR" != 0 ] || echec "sans affichage : code de sortie 0"
grep -qF "Wexo : aucun affichage joignable (DISPLAY=vide)" "$TRAVAIL/editeur.log" ||
    echec "sans affichage : la cause manque"
echo "sans affichage : code $CODE_EDITEUR, cause nommée"

# Un dossier Data, même incomplet, l'emporte sur les images installées.
PROJET=$TRAVAIL/projet
for defaut in absente refusée; do
    rm -rf "$PROJET"
    mkdir -p "$PROJET"
    cp -r "$BUILD/Data" "$PROJET/Data"
    if [ "$defaut" = absente ]; then
        rm "$PROJET/Data/Coches.tga"
    else
        head -c 30 "$BUILD/Data/Coches.tga" >"$PROJET/Data/Coches.tga"
    fi
    lance_depuis "$PROJET"
    attend_fin
    [ "$CODE_EDITEUR" != 0 ] || echec "image $defaut : code de sortie 0"
    for attendu in "Wexo : image $defaut" "Data/Coches.tga" \
        "dossier des images : Data, dossier de travail $PROJET"; do
        grep -qF "$attendu" "$TRAVAIL/editeur.log" || echec "image $defaut : sortie d'erreur sans « $attendu »"
    done
    echo "image $defaut dans Data : code $CODE_EDITEUR, fichier et dossier nommés"
done
