#!/usr/bin/env bash
# Un programme construit contre le paquet installé, qui n'appelle que lanceApplication, lancé
# sous Xvfb depuis des dossiers vides : il trouve les images installées, dessine sa fenêtre
# habillée dans une fenêtre de sa taille en (0,0), et rend 0 sur Échap comme à la fermeture de sa fenêtre ; un
# dossier Data de projet sans les huit images ne le gêne pas ; sans affichage, ou avec un Data aux
# huit images dont une est illisible, il rend une valeur non nulle en nommant la cause, le
# fichier et le dossier.
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

serveur xvfb
VIDE=$TRAVAIL/vide
mkdir -p "$VIDE"

# La fenêtre de l'utilisateur, lue dans son Fenetre1.cpp : la fenêtre de premier niveau a sa
# taille et la montre en (0,0).
limites=$(sed -n 's/.*setLimites(MakeRect(\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\))).*/\1 \2 \3 \4/p' "$FENETRE1")
[ -n "$limites" ] || echec "$FENETRE1 sans setLimites(MakeRect(...)) : fenêtre plein écran ?"
read -r gauche haut droite bas <<<"$limites"
X2=$((droite - gauche))
Y2=$((bas - haut))

# Échap : la fenêtre de premier niveau, de la taille de celle de l'utilisateur, en (0,0), montre
# l'habillage beige pixel pour pixel.
lance_depuis "$VIDE"
id=$(attend_fenetre Wexo)
sleep 1
capture fenetre
geometrie "$id"
[ "$x,$y $l x $h" = "0,0 $X2 x $Y2" ] || echec "fenêtre de $l x $h en ($x,$y) au lieu de $X2 x $Y2 en (0,0)"
# Les quatre coins du centre étiré (22 pixels du cadre à gauche, 27 en haut, 28 à droite, 19 en
# bas), à 10 pixels en dedans : le fond nu de la fenêtre, loin des objets.
verifie_habillage fenetre "32 37" "$((X2 - 38)) 37" "32 $((Y2 - 29))" "$((X2 - 38)) $((Y2 - 29))"
echap_rend_zero $((X2 / 2)) $((Y2 / 2))
[ ! -s "$TRAVAIL/editeur.log" ] || echec "Échap : sortie d'erreur non vide"
[ -z "$(ls -A "$VIDE")" ] || echec "le dossier de travail a reçu $(ls -A "$VIDE")"
[ -z "$(fenetre Wexo)" ] || echec "la fenêtre reste après Échap"
echo "images installées trouvées depuis un dossier vide, fenêtre habillée à sa taille en (0,0), Échap : 0"

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

# Un dossier Data de projet, pour d'autres fichiers, n'empêche pas de trouver les images
# installées ; un Data aux huit images l'emporte, et une image refusée y est nommée.
PROJET=$TRAVAIL/projet
rm -rf "$PROJET"
mkdir -p "$PROJET/Data"
cp "$BUILD/Data/Boutons.tga" "$PROJET/Data/"
echo "autre" >"$PROJET/Data/niveaux.txt"
lance_depuis "$PROJET"
id=$(attend_fenetre Wexo)
echap_rend_zero $((X2 / 2)) $((Y2 / 2))
[ ! -s "$TRAVAIL/editeur.log" ] || echec "Data de projet : sortie d'erreur non vide"
echo "Data de projet sans les huit images : images installées, Échap : 0"

rm -rf "$PROJET"
mkdir -p "$PROJET"
cp -r "$BUILD/Data" "$PROJET/Data"
head -c 30 "$BUILD/Data/Coches.tga" >"$PROJET/Data/Coches.tga"
lance_depuis "$PROJET"
attend_fin
[ "$CODE_EDITEUR" != 0 ] || echec "image refusée : code de sortie 0"
for attendu in "Wexo : image refusée" "Data/Coches.tga" \
    "dossier des images : Data, dossier de travail $PROJET"; do
    grep -qF "$attendu" "$TRAVAIL/editeur.log" || echec "image refusée : sortie d'erreur sans « $attendu »"
done
echo "image refusée dans Data : code $CODE_EDITEUR, fichier et dossier nommés"
