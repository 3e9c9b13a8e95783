#!/usr/bin/env bash
# L'éditeur lancé depuis un dossier de projet sans Data : l'installé lit share/wexo/Data, celui
# de l'arbre de construction le Data posé à côté de lui ; Échap deux fois (l'aide, puis
# l'éditeur) écrit Fenetre1.cpp dans le dossier de projet, et rien d'autre. Sans images nulle
# part, la boîte d'erreur s'ouvre et la sortie d'erreur nomme le fichier et chaque dossier cherché.
EDITEUR_CONSTRUIT=${3:?éditeur de l arbre de construction}
# shellcheck source=../editor/bout_en_bout/commun.sh
source "$(dirname "$0")/../editor/bout_en_bout/commun.sh"
source "$RACINE_DEPOT/scripts/seance-editeur.sh"

PROJET=$TRAVAIL/projet
ENTETE=$'\nCFenetre1::CFenetre1() : CFenetre(CONTAINER_SKIN_BEIGE)\n{\n\tsetLimites(PLEIN_ECRAN) ;\n}'

# Lance l'éditeur $1 depuis un dossier de projet vide neuf.
lance_depuis_projet() {
    rm -rf "$PROJET"
    mkdir -p "$PROJET"
    (cd "$PROJET" && exec "$1") 2>"$TRAVAIL/editeur.log" &
    PID_EDITEUR=$!
}

serveur xorg
for editeur in "$EDITEUR" "$EDITEUR_CONSTRUIT"; do
    lance_depuis_projet "$editeur"
    attend_editeur || echec "$editeur : la fenêtre de l'éditeur n'est pas apparue"
    capture "$(basename "$(dirname "$editeur")")"
    touche Escape
    touche Escape
    attend_fin
    [ "$CODE_EDITEUR" = 0 ] || echec "$editeur : code de sortie $CODE_EDITEUR au lieu de 0"
    [ "$(ls -A "$PROJET")" = Fenetre1.cpp ] ||
        echec "$editeur : le dossier de projet contient « $(ls -A "$PROJET" | tr '\n' ' ')»"
    [ "$(cat "$PROJET/Fenetre1.cpp")" = "$ENTETE" ] ||
        echec "$editeur : Fenetre1.cpp inattendu : $(cat "$PROJET/Fenetre1.cpp")"
    echo "$editeur : images trouvées depuis un dossier vide, Fenetre1.cpp écrit dans le projet"
done

# Un éditeur seul dans son bin/, sans images installées ni voisines.
NU=$TRAVAIL/nu
mkdir -p "$NU/bin"
cp "$EDITEUR" "$NU/bin/editeur"
lance_depuis_projet "$NU/bin/editeur"
boite=$(attend_fenetre "Erreur !")
sleep 0.5
capture boite-sans-images
repond "$boite" entree
attend_fin
[ "$CODE_EDITEUR" = 0 ] || echec "sans images : code de sortie $CODE_EDITEUR au lieu de 0"
verifie_message_erreur
for attendu in "Wexo : image absente : Data/Boutons.tga" \
    "ni Data dans le dossier de travail $PROJET, ni $NU/share/wexo/Data, ni $NU/bin/Data"; do
    grep -qF "$attendu" "$TRAVAIL/editeur.log" || echec "sortie d'erreur sans « $attendu »"
done
[ -z "$(ls -A "$PROJET")" ] || echec "sans images, le dossier de projet a reçu $(ls -A "$PROJET")"
echo "sans images : boîte d'erreur, fichier et dossiers cherchés nommés"
