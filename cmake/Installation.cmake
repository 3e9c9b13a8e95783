# Installation de la boîte à outils : en-têtes rangés comme dans src, libwexo.a, fichiers du
# paquet CMake (find_package(wexo) donne wexo::wexo) et, s'il est construit, l'éditeur et Data.
include(CMakePackageConfigHelpers)

# Les en-têtes gardent leur place relative à Wexo.h, dont les inclusions partent de src.
install(FILES ${CMAKE_SOURCE_DIR}/src/Wexo.h DESTINATION include)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/src/render ${CMAKE_SOURCE_DIR}/src/text
                  ${CMAKE_SOURCE_DIR}/src/widgets ${CMAKE_SOURCE_DIR}/src/containers
        DESTINATION include
        FILES_MATCHING PATTERN "*.h")

install(TARGETS wexo EXPORT wexoCibles ARCHIVE DESTINATION lib)
install(EXPORT wexoCibles NAMESPACE wexo:: FILE wexoCibles.cmake DESTINATION lib/cmake/wexo)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/wexoConfig.cmake.in
    ${CMAKE_BINARY_DIR}/paquet/wexoConfig.cmake INSTALL_DESTINATION lib/cmake/wexo)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/paquet/wexoConfigVersion.cmake
    VERSION 0.8 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/paquet/wexoConfig.cmake
              ${CMAKE_BINARY_DIR}/paquet/wexoConfigVersion.cmake
        DESTINATION lib/cmake/wexo)

# L'éditeur lit "Data/<nom>.tga" depuis son dossier de travail : Data est posé à côté de lui,
# et on le lance depuis bin.
if(TARGET editeur)
    install(TARGETS editeur RUNTIME DESTINATION bin)
    install(DIRECTORY ${CMAKE_BINARY_DIR}/Data DESTINATION bin)
endif()
