#!/usr/bin/env bash
# Sur un affichage sans mode jeu (Xvfb), la boîte d'erreur s'ouvre avec ses deux boutons, OK et
# Annuler ; Entrée, Échap ou un clic sur Annuler, chacun dans son lancement, la ferme et
# l'éditeur rend 0 sans avoir ouvert sa fenêtre.
source "$(dirname "$0")/commun.sh"

serveur xvfb
for facon in entree echap "clic 2"; do
    lance_editeur
    boite=$(attend_fenetre "Erreur !")
    sleep 0.5
    capture "boite-${facon// /-}"
    verifie_boutons "$boite" 2
    [ -z "$(fenetre FREEGLUT)" ] || echec "une fenêtre GLUT a été ouverte"
    kill -0 "$PID_EDITEUR" 2>/dev/null || echec "l'éditeur n'attend pas la réponse"
    # shellcheck disable=SC2086
    repond "$boite" $facon
    attend_fin
    [ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0 ($facon)"
    verifie_message_erreur
    echo "boîte OK/Annuler fermée ($facon), code 0"
done
