#!/usr/bin/env bash
# Une image de Data manque : le mode jeu a été pris, l'éditeur le quitte, la boîte d'erreur au
# seul bouton OK s'ouvre seule à l'écran ; Entrée, un clic sur OK ou Échap, chacun dans son
# lancement, la ferme et l'éditeur rend 0. Les images installées ne la remplacent pas, et la
# sortie d'erreur nomme le fichier et le dossier.
source "$(dirname "$0")/commun.sh"

serveur xorg
rm "$TRAVAIL/Data/Coches.tga"
for facon in entree "clic 1" echap; do
    lance_editeur
    boite=$(attend_fenetre "Erreur !")
    sleep 0.5
    capture "boite-${facon// /-}"
    verifie_boutons "$boite" 1
    # Le mode jeu est quitté : sa fenêtre plein écran n'est plus là pour couvrir l'écran.
    [ -z "$(fenetre FREEGLUT)" ] || echec "la fenêtre du mode jeu reste derrière la boîte"
    # La boîte est au premier plan : elle vient avant toute autre fenêtre dans la pile.
    premiere=$(xwininfo -root -tree | awk '/^ +0x/ { print $1; exit }')
    [ "$premiere" = "$boite" ] || echec "la boîte n'est pas au premier plan"
    # shellcheck disable=SC2086
    repond "$boite" $facon
    attend_fin
    [ "$CODE_EDITEUR" = 0 ] || echec "code de sortie $CODE_EDITEUR au lieu de 0 ($facon)"
    verifie_message_erreur
    for attendu in "Wexo : image absente : Data/Coches.tga" \
        "dossier des images : Data, dossier de travail $TRAVAIL"; do
        grep -qxF -e "$attendu" -e "  $attendu" "$TRAVAIL/editeur.log" ||
            echec "sortie d'erreur sans « $attendu »"
    done
    echo "boîte OK fermée après le mode jeu ($facon), code 0"
done
