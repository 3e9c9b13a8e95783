# Installe le dossier de construction DOSSIER_BUILD dans PREFIXE, vidé d'abord, et vérifie
# que chaque pièce du paquet est à sa place.
file(REMOVE_RECURSE ${PREFIXE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${DOSSIER_BUILD} --prefix ${PREFIXE}
    RESULT_VARIABLE resultat OUTPUT_QUIET)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "cmake --install a échoué (${resultat})")
endif()

set(attendus include/Wexo.h include/containers/CContainer.h include/render/Coord.h
    include/text/Texte.h include/widgets/CObjetGDI.h lib/libwexo.a
    lib/cmake/wexo/wexoConfig.cmake lib/cmake/wexo/wexoConfigVersion.cmake
    lib/cmake/wexo/wexoCibles.cmake)
if(AVEC_EDITEUR)
    foreach(nom Boutons ObjetGDIs Containers Curseurs Coches Progressions Moi Police0)
        list(APPEND attendus bin/Data/${nom}.tga)
    endforeach()
    list(APPEND attendus bin/editeur)
endif()
foreach(f ${attendus})
    if(NOT EXISTS ${PREFIXE}/${f})
        message(FATAL_ERROR "absent du paquet installé : ${f}")
    endif()
endforeach()

# Toute inclusion entre guillemets d'un en-tête installé doit se résoudre dans include.
file(GLOB_RECURSE entetes ${PREFIXE}/include/*.h)
foreach(e ${entetes})
    file(STRINGS ${e} lignes REGEX "^#include \"")
    foreach(l ${lignes})
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" inclus "${l}")
        if(NOT EXISTS ${PREFIXE}/include/${inclus})
            message(FATAL_ERROR "${e} inclut ${inclus}, qui n'est pas installé")
        endif()
    endforeach()
endforeach()
