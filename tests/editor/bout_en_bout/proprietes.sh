#!/usr/bin/env bash
# Le vrai éditeur sur Xorg au pilote factice, sur une fenêtre de classe CConnexion : le bouton
# légendé et nommé par F2, Ctrl+S écrit sans quitter, un champ posé depuis le menu d'Inser,
# Échap ; rouvert, un Échap sans changement laisse le fichier à l'identique, et le champ poussé
# d'un pixel le récrit de la mise en page relue : légende, nom et classe y sont.
source "$(dirname "$0")/commun.sh"
source "$RACINE_DEPOT/scripts/seance-editeur.sh"

printf '%s\n' '' 'CConnexion::CConnexion() : CFenetre(CONTAINER_SKIN_BEIGE)' '{' \
    $'\tsetLimites(MakeRect(0,0,800,600)) ;' \
    $'\tajouteObjetGDI(new CBouton(MakeRect(200,200,380,295), "<centre>Bouton", BOUTON_SKIN_ROND_VARIABLE)) ;' \
    '}' >"$TRAVAIL/Connexion.cpp"
BOUTON=$'\tajouteObjetGDI(new CBouton(MakeRect(200,200,380,295), "<centre>Entrer", BOUTON_SKIN_ROND_VARIABLE), "entrer") ;'
CHAMP=$'\tajouteObjetGDI(new CSaisie(MakeRect(93,370,293,400), "", 255)) ;'

serveur xorg
DOSSIER_CAPTURES=$CAPTURES
lance_editeur_sur Connexion.cpp
attend_editeur || echec "la fenêtre de l'éditeur n'est pas apparue"
touche Return
# Le bouton, client (200,200)-(380,295), est à l'écran en (207,230)-(387,325).
clique 297 277
touche F2
capture_ecran 01-panneau
# Le premier champ, la légende, a le focus et son texte est sélectionné : la frappe le remplace.
xdotool type --delay 30 '<centre>Entrer'
touche Tab
xdotool type --delay 30 'entrer'
capture_ecran 02-panneau-rempli
touche Return
touche ctrl+s
kill -0 "$PID_EDITEUR" 2>/dev/null || echec "Ctrl+S a fini la séance"
grep -qxF "$BOUTON" "$TRAVAIL/Connexion.cpp" || echec "Ctrl+S n'a pas écrit le bouton légendé et nommé"
journal_dit "Ctrl+S : la mise en page est écrite dans $TRAVAIL/Connexion.cpp" ||
    echec "Ctrl+S n'a pas dit où il écrivait"
# Inser : le second menu, posé en (400,320) dans la zone client ; l'icône 1 est le champ.
touche Insert
capture_ecran 03-second-menu
clique $((7 + 400 + 9 + 42 + 3 + 15)) $((30 + 320 + 9 + 5 + 15))
glisse 100 400 300 430
capture_ecran 04-champ-pose
touche Escape
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0"
for attendu in 'CConnexion::CConnexion() : CFenetre(CONTAINER_SKIN_BEIGE)' "$BOUTON" "$CHAMP"; do
    grep -qxF "$attendu" "$TRAVAIL/Connexion.cpp" || echec "ligne absente : $attendu"
done
echo "légende, nom, champ et classe écrits"

# Rouvert : relu tel quel ; Échap sans changement ne récrit rien.
cp "$TRAVAIL/Connexion.cpp" "$TRAVAIL/Connexion.avant"
touch -d '2020-01-01 00:00' "$TRAVAIL/Connexion.cpp"
lance_editeur_sur Connexion.cpp
attend_editeur || echec "la fenêtre de l'éditeur n'est pas apparue (seconde séance)"
capture_ecran 05-rouvert
touche Return
touche Escape
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0 (seconde séance)"
cmp -s "$TRAVAIL/Connexion.cpp" "$TRAVAIL/Connexion.avant" || echec "Connexion.cpp a changé"
[ "$(stat -c %Y "$TRAVAIL/Connexion.cpp")" = "$(date -d '2020-01-01 00:00' +%s)" ] ||
    echec "Connexion.cpp a été récrit"
echo "rouvert et quitté sans changement : fichier intact"

# Rouvert et changé : le fichier est récrit de ce qui a été relu.
lance_editeur_sur Connexion.cpp
attend_editeur || echec "la fenêtre de l'éditeur n'est pas apparue (troisième séance)"
touche Return
clique 200 415
touche Right
touche Escape
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0 (troisième séance)"
for attendu in 'CConnexion::CConnexion() : CFenetre(CONTAINER_SKIN_BEIGE)' "$BOUTON" \
    $'\tajouteObjetGDI(new CSaisie(MakeRect(94,370,294,400), "", 255)) ;'; do
    grep -qxF "$attendu" "$TRAVAIL/Connexion.cpp" || echec "ligne absente après relecture : $attendu"
done
echo "relu puis récrit : légende, nom, champ et classe gardés"
