#!/usr/bin/env bash
# Sans affichage du tout, l'éditeur dit pourquoi il s'arrête et sort en échec, sans planter.
source "$(dirname "$0")/commun.sh"

unset DISPLAY
lance_editeur
attend_fin
[ "$CODE_EDITEUR" = 1 ] || echec "code de sortie $CODE_EDITEUR au lieu de 1"
grep -q "^GLUT : failed to open display" "$TRAVAIL/editeur.log" || echec "la cause manque"
verifie_message_erreur
echo "sans affichage : cause et message sur la sortie d'erreur, code 1"
