#!/usr/bin/env bash
# Le serveur X de l'éditeur arrêté en pleine séance (l'aide fermée, une case et une zone de texte
# posées) : la mise en page est écrite avant la fin, et la sortie d'erreur dit où.
source "$(dirname "$0")/commun.sh"
source "$RACINE_DEPOT/scripts/seance-editeur.sh"

serveur xorg
DOSSIER_CAPTURES=$CAPTURES
lance_editeur
attend_editeur || echec "la fenêtre de l'éditeur n'est pas apparue"
touche Return
place 3 620 80 660 120
place 1 60 80 300 180
capture_ecran avant-arret
arrete_serveur_x
attend_fin
journal_dit "Connexion au serveur X perdue." || echec "la perte de l'affichage n'est pas dite"
journal_dit "Affichage perdu : la mise en page est écrite dans $TRAVAIL/Fenetre1.cpp" ||
    echec "la sortie d'erreur ne dit pas où est la mise en page"
[ -f "$TRAVAIL/Fenetre1.cpp" ] || echec "Fenetre1.cpp n'a pas été écrit"
cp "$TRAVAIL/Fenetre1.cpp" "$CAPTURES/"
attendu=$(printf '\nCFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n\tsetLimites(PLEIN_ECRAN) ;\n\tajouteObjetGDI(new CCoche(MakeCoord(613,50), false, COCHE_SKIN_DEFAUT)) ;\n\tajouteObjetGDI(new CTexte(MakeRect(53,50,293,150), "Zone de texte")) ;\n}')
[ "$(cat "$TRAVAIL/Fenetre1.cpp")" = "$attendu" ] || {
    diff <(echo "$attendu") "$TRAVAIL/Fenetre1.cpp" >&2 || true
    echec "Fenetre1.cpp diffère de la séance jouée"
}
echo "serveur X arrêté : source écrit, code $CODE_EDITEUR"
