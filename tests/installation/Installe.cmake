# Installe le dossier de construction DOSSIER_BUILD dans PREFIXE, vidé d'abord, et vérifie
# que chaque pièce du paquet est à sa place et porte la version VERSION.
file(REMOVE_RECURSE ${PREFIXE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${DOSSIER_BUILD} --prefix ${PREFIXE}
    RESULT_VARIABLE resultat OUTPUT_QUIET)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "cmake --install a échoué (${resultat})")
endif()

set(attendus include/wexo/Wexo.h include/wexo/Fenetre1.h include/wexo/containers/CContainer.h
    include/wexo/render/Coord.h include/wexo/render/DossierImages.h include/wexo/text/Texte.h
    include/wexo/widgets/CObjetGDI.h include/wexo/Application.h lib/libwexo.a
    lib/libwexo_application.a lib/pkgconfig/wexo.pc
    lib/cmake/wexo/wexoConfig.cmake lib/cmake/wexo/wexoConfigVersion.cmake
    lib/cmake/wexo/wexoCibles.cmake lib/cmake/wexo/wexoFenetreGeneree.cmake)
foreach(nom Boutons ObjetGDIs Containers Curseurs Coches Progressions Moi Police0)
    list(APPEND attendus share/wexo/Data/${nom}.tga)
endforeach()
if(AVEC_EDITEUR)
    list(APPEND attendus bin/editeur)
endif()
foreach(f ${attendus})
    if(NOT EXISTS ${PREFIXE}/${f})
        message(FATAL_ERROR "absent du paquet installé : ${f}")
    endif()
endforeach()
# Rien d'autre qu'include/wexo dans include, plus d'images à côté de l'éditeur.
file(GLOB dans_include RELATIVE ${PREFIXE}/include ${PREFIXE}/include/*)
if(NOT dans_include STREQUAL "wexo")
    message(FATAL_ERROR "include/ contient ${dans_include} au lieu du seul dossier wexo")
endif()
if(EXISTS ${PREFIXE}/bin/Data)
    message(FATAL_ERROR "bin/Data installé")
endif()

# La version du projet, seule source, reprise par le paquet CMake et par wexo.pc.
file(STRINGS ${PREFIXE}/lib/cmake/wexo/wexoConfigVersion.cmake version_cmake
     REGEX "set\\(PACKAGE_VERSION \"")
list(GET version_cmake 0 version_cmake)
file(STRINGS ${PREFIXE}/lib/pkgconfig/wexo.pc version_pc REGEX "^Version: ")
if(NOT version_cmake STREQUAL "set(PACKAGE_VERSION \"${VERSION}\")" OR
   NOT version_pc STREQUAL "Version: ${VERSION}")
    message(FATAL_ERROR "version ${VERSION} attendue : ${version_cmake} / ${version_pc}")
endif()

# Toute inclusion entre guillemets d'un en-tête installé se résout à côté de lui : le paquet ne
# donne que include comme dossier d'inclusion.
file(GLOB_RECURSE entetes ${PREFIXE}/include/*.h)
foreach(e ${entetes})
    get_filename_component(dossier ${e} DIRECTORY)
    file(STRINGS ${e} lignes REGEX "^#include \"")
    foreach(l ${lignes})
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" inclus "${l}")
        if(NOT EXISTS ${dossier}/${inclus})
            message(FATAL_ERROR "${e} inclut ${inclus}, qui n'est pas installé")
        endif()
    endforeach()
endforeach()

# Les dossiers d'inclusion du paquet : include seul, par CMake comme par pkg-config.
file(READ ${PREFIXE}/lib/cmake/wexo/wexoCibles.cmake cibles)
string(REGEX MATCHALL "INTERFACE_INCLUDE_DIRECTORIES \"[^\"]*\"" dossiers "${cibles}")
if(NOT dossiers STREQUAL "INTERFACE_INCLUDE_DIRECTORIES \"\${_IMPORT_PREFIX}/include\"")
    message(FATAL_ERROR "dossiers d'inclusion du paquet : ${dossiers}")
endif()
file(STRINGS ${PREFIXE}/lib/pkgconfig/wexo.pc cflags REGEX "^Cflags: ")
if(NOT cflags MATCHES "^Cflags: -I\\\${includedir} -D[^ ]*$")
    message(FATAL_ERROR "wexo.pc : ${cflags}")
endif()
