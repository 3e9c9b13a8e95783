#!/usr/bin/env bash
# Une image de Data manque : le mode jeu a été pris, l'éditeur le quitte, la boîte d'erreur OK
# s'ouvre au-dessus, Entrée la ferme et l'éditeur rend 0.
source "$(dirname "$0")/commun.sh"

serveur xorg
rm "$TRAVAIL/Data/Coches.tga"
lance_editeur
boite=$(attend_fenetre "Erreur !")
sleep 0.5
capture boite
# La boîte est au premier plan : elle vient avant toute autre fenêtre dans la pile.
premiere=$(xwininfo -root -tree | awk '/^ +0x/ { print $1; exit }')
[ "$premiere" = "$boite" ] || echec "la boîte n'est pas au premier plan"
repond_entree "$boite"
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0"
verifie_message_erreur
echo "boîte OK fermée par Entrée après le mode jeu, code 0"
