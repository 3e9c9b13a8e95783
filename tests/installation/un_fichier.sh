#!/usr/bin/env bash
# Depuis un dossier vide : f.cpp et un "Fenetre1.cpp" intouché, construits par la seule ligne
#   g++ -std=c++17 f.cpp $(pkg-config --cflags --libs wexo)
# contre le paquet installé dans PREFIXE, puis lancés ; de même fenetre.cpp, qui appelle
# lanceApplication, copié en SORTIE pour être lancé sous un serveur X.
set -euo pipefail
PREFIXE=${1:?préfixe}
FENETRE1=${2:?Fenetre1.cpp}
COMPILATEUR=${3:?compilateur}
VERSION=${4:?version}
SORTIE=${5:?programme fenetre à écrire}
ICI=$(cd "$(dirname "$0")" && pwd)

TRAVAIL=$(mktemp -d /tmp/wexo-un-fichier-XXXXXX)
trap 'rm -rf "$TRAVAIL"' EXIT
cp "$ICI/un_fichier/f.cpp" "$ICI/un_fichier/fenetre.cpp" "$TRAVAIL/"
cp "$FENETRE1" "$TRAVAIL/Fenetre1.cpp"
cd "$TRAVAIL"
# Le préfixe d'image tel que l'éditeur l'écrit, que personne n'a complété.
grep -q 'new CImage(MakeRect([-0-9,]*), BMP_)) ;' Fenetre1.cpp || {
    echo "$FENETRE1 n'a pas d'image au préfixe BMP_ intouché" >&2
    exit 1
}
export PKG_CONFIG_PATH=$PREFIXE/lib/pkgconfig

[ "$(pkg-config --modversion wexo)" = "$VERSION" ] || {
    echo "wexo.pc donne la version $(pkg-config --modversion wexo), pas $VERSION" >&2
    exit 1
}
# Le préfixe se déduit de l'emplacement de wexo.pc : le paquet reste déplaçable.
[ "$(pkg-config --variable=imagesdir wexo)" -ef "$PREFIXE/share/wexo/Data" ] || {
    echo "imagesdir ne désigne pas $PREFIXE/share/wexo/Data" >&2
    exit 1
}
# shellcheck disable=SC2046
"$COMPILATEUR" -std=c++17 f.cpp $(pkg-config --cflags --libs wexo)
cmp -s Fenetre1.cpp "$FENETRE1" || { echo "Fenetre1.cpp a été modifié" >&2; exit 1; }
./a.out "$(grep -c 'ajouteObjetGDI(' Fenetre1.cpp)"
echo "construit par pkg-config et lancé"

# shellcheck disable=SC2046
"$COMPILATEUR" -std=c++17 -Wall -Wextra -Werror fenetre.cpp $(pkg-config --cflags --libs wexo) \
    -o fenetre
cmp -s Fenetre1.cpp "$FENETRE1" || { echo "Fenetre1.cpp a été modifié" >&2; exit 1; }
mkdir -p "$(dirname "$SORTIE")"
cp fenetre "$SORTIE"
echo "lanceApplication construit par pkg-config : $SORTIE"
