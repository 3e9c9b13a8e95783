#!/usr/bin/env bash
# Un dossier porte le nom Fenetre1.cpp : à la sortie par Échap, la mise en page va dans une copie
# de $TMPDIR, la boîte « Erreur ! » s'ouvre hors du mode jeu, la sortie d'erreur dit la raison et
# la copie, et l'éditeur rend 0 une fois la boîte fermée ; rien d'autre n'apparaît dans le
# dossier de travail.
source "$(dirname "$0")/commun.sh"
source "$RACINE_DEPOT/scripts/seance-editeur.sh"

serveur xorg
DOSSIER_CAPTURES=$CAPTURES
mkdir "$TRAVAIL/Fenetre1.cpp" "$TRAVAIL/secours"
lance_editeur env TMPDIR="$TRAVAIL/secours"
attend_editeur || echec "la fenêtre de l'éditeur n'est pas apparue"
touche Return
place 3 620 80 660 120
touche Escape
boite=$(attend_fenetre "Erreur !")
sleep 0.5
capture boite
[ -z "$(fenetre FREEGLUT)" ] || echec "la fenêtre du mode jeu reste derrière la boîte"
copies=("$TRAVAIL"/secours/Fenetre1-*.cpp)
[ "${#copies[@]}" = 1 ] && [ -f "${copies[0]}" ] || echec "pas exactement une copie : ${copies[*]}"
copie=${copies[0]}
journal_dit "$TRAVAIL/Fenetre1.cpp n'a pas pu être écrit (un dossier porte ce nom) : la mise en page est copiée dans $copie" ||
    echec "la sortie d'erreur ne dit pas la raison et la copie"
grep -qxF $'\tajouteObjetGDI(new CCoche(MakeCoord(613,50), false, COCHE_SKIN_DEFAUT)) ;' "$copie" ||
    echec "la case manque à la copie"
repond "$boite" entree
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0"
restant=$(cd "$TRAVAIL" && LC_ALL=C ls -A | tr '\n' ' ')
[ "$restant" = "Data Fenetre1.cpp editeur.log secours serveur " ] || echec "dossier de travail : $restant"
[ -z "$(ls -A "$TRAVAIL/Fenetre1.cpp")" ] || echec "quelque chose a été écrit dans le dossier Fenetre1.cpp"
cp "$copie" "$CAPTURES/"
echo "écriture impossible : copie $copie, boîte fermée, code 0"
