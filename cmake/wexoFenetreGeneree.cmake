# wexo_fenetre_generee(<cible> <fichier>) : ajoute à la cible, comme unité de compilation à part,
# un "Fenetre1.cpp" tel que l'éditeur l'écrit. Un source produit inclut <wexo/Wexo.h>,
# <wexo/Fenetre1.h> (la déclaration de CFenetre1) puis le fichier, qui reste intouché. La cible
# doit lier wexo::wexo (ou une bibliothèque qui la tire).
function(wexo_fenetre_generee cible fichier)
    if(NOT TARGET ${cible})
        message(FATAL_ERROR "wexo_fenetre_generee : ${cible} n'est pas une cible")
    endif()
    get_filename_component(chemin "${fichier}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    if(NOT EXISTS "${chemin}")
        message(FATAL_ERROR "wexo_fenetre_generee : ${chemin} introuvable")
    endif()
    # Un source par cible et par fichier, même si deux fichiers portent le même nom.
    get_filename_component(nom "${chemin}" NAME_WE)
    string(MD5 empreinte "${chemin}")
    string(SUBSTRING "${empreinte}" 0 8 empreinte)
    set(source "${CMAKE_CURRENT_BINARY_DIR}/wexo_fenetres/${cible}_${nom}_${empreinte}.cpp")
    set(contenu "// Produit par wexo_fenetre_generee : ${chemin}, compilé tel quel.\n"
                "#include <wexo/Wexo.h>\n#include <wexo/Fenetre1.h>\n\n#include \"${chemin}\"\n")
    string(CONCAT contenu ${contenu})
    # Réécrit seulement s'il change, pour ne pas tout recompiler à chaque configuration.
    set(ancien "")
    if(EXISTS "${source}")
        file(READ "${source}" ancien)
    endif()
    if(NOT ancien STREQUAL contenu)
        file(WRITE "${source}" "${contenu}")
    endif()
    target_sources(${cible} PRIVATE "${source}")
    set_property(SOURCE "${source}" APPEND PROPERTY OBJECT_DEPENDS "${chemin}")
endfunction()
