#!/usr/bin/env bash
# Sur un affichage sans mode jeu (Xvfb), la boîte d'erreur OK/Annuler s'ouvre, Entrée la ferme
# et l'éditeur rend 0 sans avoir ouvert sa fenêtre.
source "$(dirname "$0")/commun.sh"

serveur xvfb
lance_editeur
boite=$(attend_fenetre "Erreur !")
sleep 0.5
capture boite
[ -z "$(fenetre FREEGLUT)" ] || echec "une fenêtre GLUT a été ouverte"
kill -0 "$PID_EDITEUR" 2>/dev/null || echec "l'éditeur n'attend pas la réponse"
repond_entree "$boite"
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0"
verifie_message_erreur
echo "boîte OK/Annuler fermée par Entrée, code 0"
