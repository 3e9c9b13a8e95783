#!/usr/bin/env bash
# Banc de mesure (pas un test) : construit en Release dans build-bench/ les programmes de
# bench/, démarre un serveur X privé s'il n'y a pas d'affichage, puis mesure avec le vrai OpenGL
# (Mesa) le temps d'une image de l'éditeur au démarrage et de la fenêtre éditée à N = 10, 100,
# 1000 objets mêlés, face à deux planchers (le flux d'appels de la même image enregistré une fois
# et rejoué brut ; le moindre travail qui trace les mêmes pixels, bâti de la liste de dessin de
# l'image), le processeur passé à émettre les appels, le
# démarrage jusqu'à la première image, les instructions par image de la seule boîte à outils
# (callgrind, OpenGL vide), la mémoire résidente maximale et le tas par objet posé. Imprime un
# tableau.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd)
build=${WEXO_BUILD_BANC:-build-bench}

paquets=(cmake g++ make libgl-dev libglu1-mesa-dev freeglut3-dev libsdl2-dev libfreetype-dev
         fonts-dejavu-core libgtest-dev libgl1-mesa-dri xserver-xorg-core
         xserver-xorg-video-dummy xvfb valgrind)
source scripts/paquets.sh
installe_paquets "${paquets[@]}"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DWEXO_BANC=ON >/dev/null
cmake --build "$build" -j 2 --target editeur banc_gl banc_enregistre banc_vide premiere_image \
    lance_chrono image_vide connexion_repos repos >/dev/null
cd "$build"
build_dir=$(pwd)
banc=$build_dir/banc
rm -rf "$banc"
mkdir -p "$banc"

# Sans affichage, un Xorg privé au pilote factice, où le mode jeu 1024x768 existe.
if [ -z "${DISPLAY:-}" ]; then
    source "$source_dir/scripts/serveurs-x.sh"
    demarre_serveur_x xorg "$banc/x"
    trap 'arrete_serveur_x' EXIT
    export DISPLAY=$SERVEUR_X_AFFICHAGE
fi

echo "Flux d'appels enregistrés..." >&2
./bench/banc_enregistre "$banc"
echo "Images avec Mesa (plusieurs minutes)..." >&2
./bench/banc_gl "$banc" > "$banc/images.txt"
echo "Démarrages..." >&2
./bench/lance_chrono 15 "$build_dir/bench/libpremiere_image.so" \
    "$banc/premiere_image" "$build_dir/editeur" > "$banc/demarrage.txt"
./bench/lance_chrono 15 "$build_dir/bench/libpremiere_image.so" \
    "$banc/premiere_image" "$build_dir/bench/image_vide" > "$banc/demarrage_vide.txt"
echo "Instructions et tas de la boîte à outils seule..." >&2
valgrind --tool=callgrind --callgrind-out-file="$banc/callgrind.out" \
    --toggle-collect=imagesMesurees ./bench/banc_vide > "$banc/vide.txt" 2>/dev/null

./bench/banc_vide > "$banc/vide_rss.txt"

# Part du programme lui-même (boîte à outils et éditeur) dans le processeur du démarrage.
part_programme="perf absent"
if command -v perf >/dev/null && LD_PRELOAD="$build_dir/bench/libpremiere_image.so" \
    BANC_PREMIERE_IMAGE="$banc/premiere_image" perf record -q -o "$banc/perf.data" ./editeur \
    >/dev/null 2>&1; then
    part_programme=$(perf report -i "$banc/perf.data" --no-children --sort dso -g none 2>/dev/null |
        awk '$2 == "editeur" { print $1 }')
    part_programme=${part_programme:-"0 %"}
fi

instructions=$(awk '/^totals:/ { print $2 }' "$banc/callgrind.out")
awk -v instructions="$instructions" -v part_programme="$part_programme" '
    function surcout(b, p) { return 100 * (b - p) / p }
    FNR == 1 { f = FILENAME; sub(/.*\//, "", f) }
    function mediane(t, n,   i, j, x) {
        for (i = 2; i <= n; ++i) for (j = i; j > 1 && t[j] < t[j - 1]; --j) { x = t[j]; t[j] = t[j - 1]; t[j - 1] = x }
        return n % 2 ? t[(n + 1) / 2] : (t[n / 2] + t[n / 2 + 1]) / 2
    }
    f == "images.txt" && $1 == "rendu" { $1 = ""; rendu = $0 }
    f == "images.txt" && $1 == "scene" {
        n[$2] = $4; images[$2] = $6; appels[$2] = $8; boite[$2] = $10; plancher[$2] = $12
        pixels[$2] = $14; minimal[$2] = $16; pixels_min[$2] = $18
        emis_boite[$2] = $20; emis_plancher[$2] = $22; emis_min[$2] = $24; lots[$2] = $28
        en_ordre[$2] = $30; lots_ordre[$2] = $32; pixels_ordre[$2] = $34; emis_ordre[$2] = $36
    }
    f == "images.txt" && $1 == "rss_max_ko" { rss[$4] = $2 }
    f == "images.txt" && $1 == "demarre_ms" { demarre = $2; premiere = $4 }
    f == "demarrage.txt" { d[++nd] = $2 }
    f == "demarrage_vide.txt" { v[++nv] = $2 }
    f == "vide.txt" && $1 == "images_mesurees" { mesurees = $2 }
    f == "vide.txt" && $1 == "tas_octets_par_objet" { tas = $2; blocs = $4 }
    f == "vide_rss.txt" && $1 == "rss_max_ko" { rss_seule = $2 }
    f == "vide_rss.txt" && $1 == "demarre_ms" { demarre_seul = $2 }
    END {
        printf "Rendu :%s, médianes sur %d images après chauffe, images alternées\n\n", rendu, images["100"]
        printf "| scène | appels GL par image | boîte à outils (ms/image) | plancher GL brut (ms/image) | surcoût | moindre travail (ms/image, lots) | boîte à outils ÷ moindre travail |\n"
        printf "|---|---:|---:|---:|---:|---:|---:|\n"
        split("aide 10 100 1000", ordre, " ")
        for (i = 1; i <= 4; ++i) {
            s = ordre[i]
            nom = s == "aide" ? "éditeur au démarrage (aide ouverte)" : "fenêtre éditée, N = " s " objets"
            printf "| %s | %d | %.2f | %.2f | %+.1f %% | %.2f (%d) | %.2f× |\n", nom, appels[s], boite[s], plancher[s], surcout(boite[s], plancher[s]), minimal[s], lots[s], boite[s] / minimal[s]
            if (pixels[s] != 0) printf "ATTENTION : le rejeu brut de la scène %s diffère de %d pixels\n", s, pixels[s]
            if (pixels_min[s] != 0) printf "ATTENTION : le moindre travail de la scène %s diffère de %d pixels\n", s, pixels_min[s]
            if (pixels_ordre[s] != 0) printf "ATTENTION : le moindre travail dans l'\''ordre de la scène %s diffère de %d pixels\n", s, pixels_ordre[s]
        }
        printf "\nSans réordonner (lots consécutifs de même état seulement, ce que permet le mode immédiat) :\n\n"
        printf "| scène | moindre travail dans l'\''ordre (ms/image, lots) | boîte à outils ÷ ce plancher |\n"
        printf "|---|---:|---:|\n"
        for (i = 1; i <= 4; ++i) {
            s = ordre[i]
            nom = s == "aide" ? "éditeur au démarrage (aide ouverte)" : "fenêtre éditée, N = " s " objets"
            printf "| %s | %.2f (%d) | %.2f× |\n", nom, en_ordre[s], lots_ordre[s], boite[s] / en_ordre[s]
        }
        printf "\n| scène | émission des appels, boîte à outils (ms/image) | rejeu brut | moindre travail | moindre travail dans l'\''ordre | boîte à outils ÷ moindre travail |\n"
        printf "|---|---:|---:|---:|---:|---:|\n"
        for (i = 1; i <= 4; ++i) {
            s = ordre[i]
            nom = s == "aide" ? "éditeur au démarrage (aide ouverte)" : "fenêtre éditée, N = " s " objets"
            printf "| %s | %.2f | %.2f | %.2f | %.2f | %.2f× |\n", nom, emis_boite[s], emis_plancher[s], emis_min[s], emis_ordre[s], emis_boite[s] / emis_min[s]
        }
        printf "\n| mesure | valeur |\n|---|---:|\n"
        printf "| démarrage de l'\''éditeur jusqu'\''à sa première image (médiane de %d lancements) | %.1f ms |\n", nd, mediane(d, nd)
        printf "| plancher : programme GLUT vide, mode jeu puis une image noire (médiane de %d) | %.1f ms |\n", nv, mediane(v, nv)
        printf "| dont, dans l'\''éditeur : images, police et arbre / première image dessinée | %.1f ms / %.1f ms |\n", demarre, premiere
        printf "| images, police et arbre sans OpenGL (décodage TGA et boîte à outils seuls) | %.1f ms |\n", demarre_seul
        printf "| part du code de l'\''éditeur et de la boîte à outils dans le processeur du démarrage (perf) | %s |\n", part_programme
        printf "| instructions par image, boîte à outils seule, N = 100 (callgrind, OpenGL vide) | %d |\n", instructions / mesurees
        printf "| mémoire résidente maximale avec Mesa, aide ouverte / N = 1000 | %.1f Mio / %.1f Mio |\n", rss["aide"] / 1024, rss["1000"] / 1024
        printf "| mémoire résidente maximale, boîte à outils seule sur OpenGL vide, N = 1000 | %.1f Mio |\n", rss_seule / 1024
        printf "| tas par objet posé (octets demandés, blocs) | %.0f o, %.1f blocs |\n", tas, blocs
        printf "\n"
        split("100 1000", dernieres, " ")
        for (i = 1; i <= 2; ++i) printf "emission: N=%s widgets, %.2f ms CPU/frame, %.2f× the least-work floor'\''s\n", dernieres[i], emis_boite[dernieres[i]], emis_boite[dernieres[i]] / emis_min[dernieres[i]]
        for (i = 1; i <= 2; ++i) printf "frame: N=%s widgets, %.2f ms/frame, %.2f× the least-work floor\n", dernieres[i], boite[dernieres[i]], boite[dernieres[i]] / minimal[dernieres[i]]
        printf "heap: %.0f bytes per placed widget\n", tas
    }' "$banc/images.txt" "$banc/demarrage.txt" "$banc/demarrage_vide.txt" "$banc/vide.txt" "$banc/vide_rss.txt"

# Au repos : la fenêtre Connexion sans entrée, 20 s la souris loin d'elle puis 20 s dessus
# (bench/Repos.cpp) ; sa ligne finit la sortie.
echo "Repos de la fenêtre Connexion (2 x 20 s)..." >&2
"$build_dir/bench/repos" "$build_dir/bench/connexion_repos" "$build_dir" > "$banc/repos.txt"
awk '/^souris dessus/ { dessus = $4 } /^idle:/ { loin = $4; images = $7; sur = $14 }
    END {
        printf "\n| repos, fenêtre Connexion, 20 s sans entrée (llvmpipe) | processeur | images |\n|---|---:|---:|\n"
        printf "| souris loin de la fenêtre | %s %% | %s |\n| souris au-dessus (curseur animé) | %s %% | %s |\n\n", loin, images, sur, dessus
    }' "$banc/repos.txt"
tail -n 1 "$banc/repos.txt"
