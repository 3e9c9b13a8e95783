#!/usr/bin/env bash
# Le vrai éditeur sur Xorg au pilote factice : l'aide fermée, une case posée, puis SIGTERM, SIGHUP
# ou SIGINT. Le source est écrit comme par Échap et l'éditeur rend 0 ; le Fenetre1.cpp retouché à
# la main qui était là est gardé en Fenetre1.cpp~, et les exports identiques qui suivent ne le
# chassent pas. Un SIGINT hérité ignoré, comme pour une tâche de fond, n'arrête rien.
source "$(dirname "$0")/commun.sh"
source "$RACINE_DEPOT/scripts/seance-editeur.sh"

serveur xorg
DOSSIER_CAPTURES=$CAPTURES
# Un export d'une séance précédente, légende changée à la main.
printf '\nCFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n\tsetLimites(PLEIN_ECRAN) ;\n\tajouteObjetGDI(new CBouton(MakeRect(193,70,350,165), "Enregistrer", BOUTON_SKIN_ROND_VARIABLE)) ;\n}\n' \
    > "$TRAVAIL/Fenetre1.cpp"
cp "$TRAVAIL/Fenetre1.cpp" "$CAPTURES/retouche.cpp"
case_posee=$'\tajouteObjetGDI(new CCoche(MakeCoord(613,50), false, COCHE_SKIN_DEFAUT)) ;'

# Une séance : l'aide fermée par Entrée, une case posée en (620,80) à l'écran.
seance_case() {
    attend_editeur || echec "la fenêtre de l'éditeur n'est pas apparue"
    touche Return
    place 3 620 80 660 120
}

premier=1
for signal in TERM HUP INT; do
    # Lancé en tâche de fond par un script, l'éditeur hériterait d'un SIGINT ignoré.
    lance_editeur env --default-signal=INT
    seance_case
    kill -"$signal" "$PID_EDITEUR"
    attend_fin
    [ "$CODE_EDITEUR" = 0 ] || echec "SIG$signal : code de sortie $CODE_EDITEUR au lieu de 0"
    journal_dit "SIG$signal : la mise en page est écrite dans $TRAVAIL/Fenetre1.cpp" ||
        echec "SIG$signal : la sortie d'erreur ne dit pas où est la mise en page"
    grep -qxF "$case_posee" "$TRAVAIL/Fenetre1.cpp" || echec "SIG$signal : la case manque au source"
    # La sauvegarde n'est faite qu'une fois : les exports suivants sont identiques.
    sauvegarde="$TRAVAIL/Fenetre1.cpp : l'ancien contenu est gardé dans $TRAVAIL/Fenetre1.cpp~"
    if [ -n "$premier" ]; then
        journal_dit "$sauvegarde" || echec "SIG$signal : la sauvegarde n'est pas dite"
    elif journal_dit "$sauvegarde"; then
        echec "SIG$signal : un export identique a refait la sauvegarde"
    fi
    cmp -s "$TRAVAIL/Fenetre1.cpp~" "$CAPTURES/retouche.cpp" ||
        echec "SIG$signal : Fenetre1.cpp~ n'est plus le fichier retouché"
    premier=
    echo "SIG$signal : source écrit, code 0, fichier retouché gardé en Fenetre1.cpp~"
done
cp "$TRAVAIL/Fenetre1.cpp" "$CAPTURES/"

# SIGINT ignoré à l'héritage : l'éditeur continue, Échap le ferme comme d'habitude.
lance_editeur env --ignore-signal=INT
seance_case
kill -INT "$PID_EDITEUR"
sleep 1
kill -0 "$PID_EDITEUR" 2>/dev/null || echec "un SIGINT hérité ignoré a arrêté l'éditeur"
touche Escape
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "Échap après SIGINT ignoré : code $CODE_EDITEUR"
grep -qxF "$case_posee" "$TRAVAIL/Fenetre1.cpp" || echec "Échap après SIGINT ignoré : case absente"
echo "SIGINT hérité ignoré : l'éditeur continue, Échap écrit le source"
