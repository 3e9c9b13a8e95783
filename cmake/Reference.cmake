# Référence HTML des en-têtes installés : la cible doc (hors construction par défaut) et le test
# qui la produit et échoue au moindre avertissement de Doxygen.
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
    return()
endif()

set(WEXO_DOSSIER_REFERENCE ${CMAKE_BINARY_DIR}/doc)
set(WEXO_ENTREES_REFERENCE "${CMAKE_SOURCE_DIR}/include/wexo")
configure_file(${CMAKE_SOURCE_DIR}/docs/Doxyfile.in ${WEXO_DOSSIER_REFERENCE}/Doxyfile @ONLY)

add_custom_target(doc
    COMMAND ${DOXYGEN_EXECUTABLE} ${WEXO_DOSSIER_REFERENCE}/Doxyfile
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Référence HTML dans ${WEXO_DOSSIER_REFERENCE}/html"
    VERBATIM)

add_test(NAME reference_sans_avertissement
    COMMAND ${CMAKE_COMMAND} -DDOXYGEN=${DOXYGEN_EXECUTABLE}
            -DDOXYFILE=${WEXO_DOSSIER_REFERENCE}/Doxyfile -DSOURCE=${CMAKE_SOURCE_DIR}
            -DSORTIE=${CMAKE_BINARY_DIR}/essai_reference "-DDOSSIERS=${WEXO_DOSSIERS_ENTETES}"
            -P ${CMAKE_SOURCE_DIR}/tests/doc/Reference.cmake)
set_tests_properties(reference_sans_avertissement PROPERTIES TIMEOUT 300)
