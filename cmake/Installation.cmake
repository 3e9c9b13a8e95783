# Installation de la boîte à outils : en-têtes sous include/wexo, libwexo.a et
# libwexo_application.a, paquet CMake (find_package(wexo) donne wexo::wexo, wexo::application et
# wexo_fenetre_generee), wexo.pc pour pkg-config, les images dans share/wexo/Data et, s'il est
# construit, l'éditeur.
include(CMakePackageConfigHelpers)

# include/wexo tel quel : les en-têtes s'incluent entre eux par des chemins relatifs, si bien
# que include suffit au code utilisateur.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/include/wexo DESTINATION include FILES_MATCHING PATTERN "*.h")

install(TARGETS wexo wexo_application EXPORT wexoCibles ARCHIVE DESTINATION lib)
install(EXPORT wexoCibles NAMESPACE wexo:: FILE wexoCibles.cmake DESTINATION lib/cmake/wexo)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/wexoConfig.cmake.in
    ${CMAKE_BINARY_DIR}/paquet/wexoConfig.cmake INSTALL_DESTINATION lib/cmake/wexo)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/paquet/wexoConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/paquet/wexoConfig.cmake
              ${CMAKE_BINARY_DIR}/paquet/wexoConfigVersion.cmake
              ${CMAKE_SOURCE_DIR}/cmake/wexoFenetreGeneree.cmake
        DESTINATION lib/cmake/wexo)

# Instrumentée, la bibliothèque demande les mêmes bibliothèques d'exécution à l'édition de liens.
string(JOIN " " WEXO_PC_SANITISEURS ${WEXO_OPTIONS_SANITISEURS} ${WEXO_OPTIONS_GARDE_MODULES})
configure_file(${CMAKE_SOURCE_DIR}/cmake/wexo.pc.in ${CMAKE_BINARY_DIR}/paquet/wexo.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/paquet/wexo.pc DESTINATION lib/pkgconfig)

# Les images vont dans share/wexo/Data, où l'éditeur les trouve depuis bin/ quand son dossier de
# travail n'a pas de dossier Data : on peut le lancer depuis un dossier de projet.
install(DIRECTORY ${CMAKE_BINARY_DIR}/Data DESTINATION share/wexo)
install(TARGETS editeur RUNTIME DESTINATION bin)
