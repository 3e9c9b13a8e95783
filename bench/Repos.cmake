# Mesure au repos (scripts/bench.sh) : l'exemple Connexion tel quel, construit dans l'arbre avec
# GLUT et un compteur d'images lisible par signal, et le programme qui le mesure.
find_package(GLUT REQUIRED)
find_package(X11 REQUIRED)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/repos_fenetre1.cpp
     "#include <wexo/Wexo.h>\n#include <wexo/Fenetre1.h>\n\n"
     "#include \"${CMAKE_SOURCE_DIR}/examples/connexion/Fenetre1.cpp\"\n")
add_executable(connexion_repos ${CMAKE_SOURCE_DIR}/examples/connexion/main.cpp
               ${CMAKE_CURRENT_BINARY_DIR}/repos_fenetre1.cpp CompteImages.cpp)
# Les en-têtes <wexo/...> de l'exemple, tels qu'installés.
target_include_directories(connexion_repos PRIVATE ${PROJECT_SOURCE_DIR}/include)
# wexo nommée avant GLU : l'éditeur de liens ne garde une bibliothèque partagée que si ce qui la
# précède en a besoin.
target_link_libraries(connexion_repos PRIVATE wexo_application wexo GLUT::GLUT X11::X11
                      OpenGL::GL OpenGL::GLU)
add_executable(repos Repos.cpp)
target_compile_options(repos PRIVATE ${WEXO_AVERTISSEMENTS})
