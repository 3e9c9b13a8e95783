#!/usr/bin/env bash
# Le vrai éditeur sur Xorg au pilote factice, sur un source retouché à la main : rouvert, le
# bouton déplacé puis Ctrl+Z, Échap laisse le fichier octet pour octet et à sa date ; déplacé
# pour de bon, il est récrit, retouches gardées.
source "$(dirname "$0")/commun.sh"
source "$RACINE_DEPOT/scripts/seance-editeur.sh"

cat >"$TRAVAIL/Connexion.cpp" <<'SOURCE'
// Fenêtre de connexion, retouchée à la main
CFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)
{
    setLimites(MakeRect(0, 0, 600, 400));
    ajouteObjetGDI(new CTexte(MakeRect(20,20,300,60), "Nom d'utilisateur : \"invit\xE9\""));
    ajouteObjetGDI(new CBouton(MakeRect(200,200,380,295), "<centre>Connexion", 1)); /* ajouté */
}
SOURCE
cp "$TRAVAIL/Connexion.cpp" "$TRAVAIL/Connexion.avant"
touch -d '2020-01-01 00:00' "$TRAVAIL/Connexion.cpp"
date_avant=$(stat -c %Y "$TRAVAIL/Connexion.cpp")

serveur xorg
DOSSIER_CAPTURES=$CAPTURES
lance_editeur_sur Connexion.cpp
attend_editeur || echec "la fenêtre de l'éditeur n'est pas apparue"
capture_ecran 01-rouvert-aide
touche Return
# Le bouton, client (200,200)-(380,295), est à l'écran en (207,230)-(387,325).
glisse 297 277 397 327
capture_ecran 02-deplace
touche ctrl+z
capture_ecran 03-annule
touche Escape
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0"
cmp -s "$TRAVAIL/Connexion.cpp" "$TRAVAIL/Connexion.avant" || echec "Connexion.cpp a changé"
[ "$(stat -c %Y "$TRAVAIL/Connexion.cpp")" = "$date_avant" ] || echec "Connexion.cpp a été récrit"
[ ! -e "$TRAVAIL/Connexion.cpp~" ] || echec "une sauvegarde est apparue sans changement"
echo "déplacement annulé : fichier intact"
# Déplacé pour de bon : récrit, retouches gardées, l'ancien en sauvegarde.
lance_editeur_sur Connexion.cpp
attend_editeur || echec "la fenêtre de l'éditeur n'est pas apparue (seconde séance)"
touche Return
glisse 297 277 397 327
touche Escape
attend_fin
cmp -s "$TRAVAIL/Connexion.cpp~" "$TRAVAIL/Connexion.avant" || echec "l'ancien n'est pas gardé"
grep -qxF $'\tajouteObjetGDI(new CBouton(MakeRect(300,250,480,345), "<centre>Connexion", 1)) ;' \
    "$TRAVAIL/Connexion.cpp" || echec "le bouton déplacé manque"
grep -qF '"Nom d'"'"'utilisateur : \"invit\xE9\""' "$TRAVAIL/Connexion.cpp" || echec "texte retouché perdu"
