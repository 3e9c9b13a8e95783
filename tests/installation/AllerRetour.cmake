# Aller-retour : une séance d'édition écrit "Fenetre1.cpp" et les appels OpenGL de sa fenêtre ;
# le fichier, tel quel, est compilé contre le paquet installé et la fenêtre qu'il construit doit
# envoyer exactement les mêmes appels (ses images sur l'image par défaut, que BMP_ désigne).
set(travail ${DOSSIER_BUILD}/essai_installation/aller_retour)
file(REMOVE_RECURSE ${travail})
file(MAKE_DIRECTORY ${travail})
file(COPY ${DOSSIER_BUILD}/Data DESTINATION ${travail})

execute_process(COMMAND ${EDITION} ${travail}/editeur.txt WORKING_DIRECTORY ${travail}
    RESULT_VARIABLE resultat)
if(NOT resultat EQUAL 0 OR NOT EXISTS ${travail}/Fenetre1.cpp)
    message(FATAL_ERROR "la séance d'édition n'a pas écrit Fenetre1.cpp (${resultat})")
endif()

file(READ ${travail}/Fenetre1.cpp source)
message(STATUS "Fenetre1.cpp écrit par l'éditeur :\n${source}")
# La séance a posé chaque genre d'objet et rétréci la fenêtre.
foreach(motif "setLimites\\(MakeRect\\(" "new CTexte\\(" "new CBouton\\(" "new CCoche\\("
              "new CImage\\(MakeRect\\([-0-9,]+\\), BMP_\\)" "new CProgression\\(")
    if(NOT source MATCHES "${motif}")
        message(FATAL_ERROR "Fenetre1.cpp sans ${motif}")
    endif()
endforeach()

set(SOURCES ${SOURCE}/tests/installation/reconstruction)
set(BUILD ${travail}/construction)
set(FENETRE1 ${travail}/Fenetre1.cpp)
set(OPTIONS -DENREGISTREUR=${SOURCE}/tests/support)
set(PROGRAMME essai)
set(ARGUMENTS ${travail}/editeur.txt)
set(DOSSIER_TRAVAIL ${travail})
include(${CMAKE_CURRENT_LIST_DIR}/ConstruitEtLance.cmake)
