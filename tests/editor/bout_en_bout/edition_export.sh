#!/usr/bin/env bash
# Le vrai éditeur sur Xorg au pilote factice, piloté par xdotool : un objet de chaque genre posé,
# déplacé, agrandi, réordonné, supprimé, la fenêtre rapetissée par son bord, puis Échap ; le
# Fenetre1.cpp écrit est comparé octet pour octet au source attendu.
source "$(dirname "$0")/commun.sh"
source "$RACINE_DEPOT/scripts/seance-editeur.sh"

serveur xorg
lance_editeur
attend_editeur || echec "la fenêtre de l'éditeur n'est pas apparue"
DOSSIER_CAPTURES=$CAPTURES
# La séance de démonstration jusqu'avant Échap : aide fermée, cinq objets posés, le bouton
# déplacé, l'image agrandie par son coin.
touche Return
pose_objets_demo
deplace_et_agrandit_demo
# L'image passe derrière tout, la zone de texte devant tout, la case disparaît.
touche minus
clique 150 120
touche plus
clique 640 100
touche Delete
# Le bord bas de la fenêtre, loin de tout objet, remonte jusqu'à y = 599.
glisse 900 765 900 599
capture_ecran avant-sortie
touche Escape
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0"
[ -f "$TRAVAIL/Fenetre1.cpp" ] || echec "Fenetre1.cpp n'a pas été écrit"
cp "$TRAVAIL/Fenetre1.cpp" "$CAPTURES/"
if ! cmp -s "$TRAVAIL/Fenetre1.cpp" "$(dirname "$0")/Fenetre1.attendu"; then
    diff "$(dirname "$0")/Fenetre1.attendu" "$TRAVAIL/Fenetre1.cpp" >&2 || true
    echec "Fenetre1.cpp diffère du source attendu"
fi
echo "source écrit identique à l'attendu"
