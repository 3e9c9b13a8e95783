# Configure et construit, à neuf, le projet SOURCES contre le seul paquet installé dans PREFIXE,
# puis, si PROGRAMME est donné, le lance avec ARGUMENTS depuis DOSSIER_TRAVAIL (par défaut BUILD).
# FENETRE1 et VERSION_ATTENDUE, s'ils sont donnés, passent au projet.
foreach(variable FENETRE1 VERSION_ATTENDUE)
    if(DEFINED ${variable})
        list(APPEND OPTIONS -D${variable}=${${variable}})
    endif()
endforeach()
file(REMOVE_RECURSE ${BUILD})
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCES} -B ${BUILD}
        -DCMAKE_PREFIX_PATH=${PREFIXE} -DCMAKE_CXX_COMPILER=${COMPILATEUR}
        -DCMAKE_BUILD_TYPE=RelWithDebInfo ${OPTIONS}
    RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "configuration de ${SOURCES} contre ${PREFIXE} : échec")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} -j 2 RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "construction de ${SOURCES} contre ${PREFIXE} : échec")
endif()
if(NOT PROGRAMME)
    return()
endif()
if(NOT DOSSIER_TRAVAIL)
    set(DOSSIER_TRAVAIL ${BUILD})
endif()
separate_arguments(ARGUMENTS)
execute_process(COMMAND ${BUILD}/${PROGRAMME} ${ARGUMENTS} WORKING_DIRECTORY ${DOSSIER_TRAVAIL}
    RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "le programme construit contre le paquet a échoué (${resultat})")
endif()
