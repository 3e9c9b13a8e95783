# Refus de la wexo_fenetre_generee installée dans PREFIXE : un fichier sans constructeur de
# fenêtre, puis un à deux constructeurs, font échouer la configuration d'un petit projet, chacun
# avec son message.
file(REMOVE_RECURSE ${BUILD})
file(WRITE ${BUILD}/source/CMakeLists.txt "cmake_minimum_required(VERSION 3.16)
project(RefusClasse LANGUAGES NONE)
include(${PREFIXE}/lib/cmake/wexo/wexoFenetreGeneree.cmake)
add_custom_target(essai)
wexo_fenetre_generee(essai \${FICHIER})
")
file(WRITE ${BUILD}/source/SansClasse.cpp "\n{\n\tsetLimites(MakeRect(0,0,501,370)) ;\n}\n")
file(WRITE ${BUILD}/source/DeuxClasses.cpp
     "\nCA::CA() : CFenetre(-1)\n{\n}\n\nCB::CB() : CFenetre(-1)\n{\n}\n")
set(attendu_SansClasse "aucune classe de fenêtre dans ${BUILD}/source/SansClasse.cpp")
set(attendu_DeuxClasses "2 constructeurs de fenêtre dans ${BUILD}/source/DeuxClasses.cpp (CA, CB)")

foreach(cas SansClasse DeuxClasses)
    execute_process(COMMAND ${CMAKE_COMMAND} -S ${BUILD}/source -B ${BUILD}/${cas}
                            -DFICHIER=${BUILD}/source/${cas}.cpp
        RESULT_VARIABLE resultat OUTPUT_QUIET ERROR_VARIABLE erreurs)
    # CMake coupe ses messages en lignes : les blancs comptent pour un.
    string(REGEX REPLACE "[ \n]+" " " erreurs "${erreurs}")
    string(FIND "${erreurs}" "${attendu_${cas}}" position)
    if(resultat EQUAL 0 OR position EQUAL -1)
        message(FATAL_ERROR "${cas} : configuration ${resultat}, attendu l'échec "
                            "\"${attendu_${cas}}\" : ${erreurs}")
    endif()
endforeach()
