# La wexo_fenetre_generee installée dans PREFIXE refuse, chacun par son message, un fichier sans
# constructeur de fenêtre et un fichier à deux constructeurs.
file(REMOVE_RECURSE ${BUILD})
file(WRITE ${BUILD}/CMakeLists.txt "cmake_minimum_required(VERSION 3.16)\nproject(R NONE)\n"
     "include(${PREFIXE}/lib/cmake/wexo/wexoFenetreGeneree.cmake)\nadd_custom_target(essai)\n"
     "wexo_fenetre_generee(essai \${FICHIER})\n")
file(WRITE ${BUILD}/SansClasse.cpp "\n{\n\tsetLimites(MakeRect(0,0,501,370)) ;\n}\n")
file(WRITE ${BUILD}/DeuxClasses.cpp "\nCA::CA() : CFenetre(-1)\n{\n}\n"
     "\nCB::CB() : CFenetre(-1)\n{\n}\n")
set(SansClasse "aucune classe de fenêtre dans ${BUILD}/SansClasse.cpp")
set(DeuxClasses "2 constructeurs de fenêtre dans ${BUILD}/DeuxClasses.cpp (CA, CB)")
foreach(cas SansClasse DeuxClasses)
    execute_process(COMMAND ${CMAKE_COMMAND} -S ${BUILD} -B ${BUILD}/${cas}
                            -DFICHIER=${BUILD}/${cas}.cpp
        RESULT_VARIABLE resultat OUTPUT_QUIET ERROR_VARIABLE erreurs)
    # CMake coupe ses messages en lignes : les blancs comptent pour un.
    string(REGEX REPLACE "[ \n]+" " " erreurs "${erreurs}")
    string(FIND "${erreurs}" "${${cas}}" position)
    if(resultat EQUAL 0 OR position EQUAL -1)
        message(FATAL_ERROR "${cas} : ${resultat}, attendu l'échec \"${${cas}}\" : ${erreurs}")
    endif()
endforeach()
