# wexo_fenetre_generee(<cible> <fichier> [CLASSE <nom>]) : ajoute à la cible, comme unité de
# compilation à part, un fichier de fenêtre tel que l'éditeur l'écrit, qui reste intouché.
#
# La classe est celle dont le fichier définit le constructeur, « X::X() : CFenetre(...) »
# (blancs, sauts de ligne et commentaires permis entre les mots) ; le fichier est relu à chaque
# changement, par une nouvelle configuration. CLASSE la donne sans lire le fichier. Pas de
# constructeur, ou deux : erreur de configuration.
#
# Pour CFenetre1, le source produit inclut <wexo/Fenetre1.h>. Pour une autre classe X, il inclut
# l'en-tête produit X.h (class X : public CFenetre), rangé dans
# ${CMAKE_CURRENT_BINARY_DIR}/wexo_fenetres/<cible>/include, dossier d'inclusion PRIVATE de la
# cible : le programme fait #include "X.h" ; une bibliothèque qui veut le montrer à ses
# utilisateurs ajoute elle-même ce dossier. Plusieurs fenêtres vont dans une même cible, chacune
# sa classe. La cible doit lier wexo::wexo (ou une bibliothèque qui la tire).

# if(IN_LIST) quel que soit le cmake_minimum_required de l'appelant : une fonction garde les
# règles de l'endroit où elle est définie, et include() leur donne leur propre portée.
cmake_policy(SET CMP0057 NEW)

# Écrit seulement si le contenu change : une configuration ne recompile pas tout.
function(_wexo_ecrit_si_change fichier contenu)
    set(ancien "")
    if(EXISTS "${fichier}")
        file(READ "${fichier}" ancien)
    endif()
    if(NOT ancien STREQUAL contenu)
        file(WRITE "${fichier}" "${contenu}")
    endif()
endfunction()

# La classe dont chemin définit le constructeur de fenêtre, dans la variable sortie.
function(_wexo_classe_du_fichier chemin sortie)
    file(READ "${chemin}" texte)
    # Les commentaires comptent comme un blanc, comme pour le lecteur de l'éditeur ; un
    # constructeur mis en commentaire n'est pas une définition.
    string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" " " texte "${texte}")
    string(REGEX REPLACE "//[^\n]*" " " texte "${texte}")
    set(b "[ \t\r\n]*")
    set(id "[A-Za-z_][A-Za-z0-9_]*")
    # Le saut de ligne ajouté devant tient lieu de début ; le caractère avant le nom est exigé.
    string(REGEX MATCHALL
        "[^A-Za-z0-9_]${id}${b}::${b}${id}${b}\\(${b}\\)${b}:${b}CFenetre${b}\\("
        definitions "\n${texte}")
    set(classes "")
    foreach(d IN LISTS definitions)
        string(REGEX REPLACE "^.(${id})${b}::${b}(${id}).*$" "\\1;\\2" noms "${d}")
        list(GET noms 0 classe)
        list(GET noms 1 constructeur)
        if(NOT classe STREQUAL constructeur)
            message(FATAL_ERROR "wexo_fenetre_generee : ${chemin} définit ${classe}::"
                "${constructeur}(), qui n'est pas un constructeur : attendu "
                "${classe}::${classe}() : CFenetre(...)")
        endif()
        list(APPEND classes ${classe})
    endforeach()
    list(LENGTH classes nombre)
    if(nombre EQUAL 0)
        message(FATAL_ERROR "wexo_fenetre_generee : aucune classe de fenêtre dans ${chemin} : "
            "attendu une ligne X::X() : CFenetre(...), ou l'option CLASSE <nom>")
    elseif(nombre GREATER 1)
        string(REPLACE ";" ", " liste "${classes}")
        message(FATAL_ERROR "wexo_fenetre_generee : ${nombre} constructeurs de fenêtre dans "
            "${chemin} (${liste}) : un seul par fichier")
    endif()
    set(${sortie} "${classes}" PARENT_SCOPE)
endfunction()

# À la fin du dossier, ôte les en-têtes produits dont la classe n'est plus dans la cible : une
# classe renommée dans son fichier fait manquer l'en-tête, au lieu d'un constructeur absent à
# l'édition de liens.
function(_wexo_ote_entetes_perimes cible inclusions)
    get_property(classes TARGET ${cible} PROPERTY WEXO_FENETRES_CLASSES)
    file(GLOB entetes "${inclusions}/*.h")
    foreach(entete IN LISTS entetes)
        get_filename_component(classe "${entete}" NAME_WE)
        if(NOT classe IN_LIST classes)
            file(REMOVE "${entete}")
        endif()
    endforeach()
endfunction()

function(wexo_fenetre_generee cible fichier)
    cmake_parse_arguments(PARSE_ARGV 2 option "" "CLASSE" "")
    if(option_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "wexo_fenetre_generee : arguments inconnus ${option_UNPARSED_ARGUMENTS}"
            " : attendu <cible> <fichier> [CLASSE <nom>]")
    endif()
    if(NOT TARGET ${cible})
        message(FATAL_ERROR "wexo_fenetre_generee : ${cible} n'est pas une cible")
    endif()
    get_filename_component(chemin "${fichier}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    if(NOT EXISTS "${chemin}" OR IS_DIRECTORY "${chemin}")
        message(FATAL_ERROR "wexo_fenetre_generee : ${chemin} introuvable")
    endif()
    # Le même fichier deux fois donnerait deux définitions, ou un source réécrit par le second.
    get_property(fichiers TARGET ${cible} PROPERTY WEXO_FENETRES_FICHIERS)
    if(chemin IN_LIST fichiers)
        message(FATAL_ERROR "wexo_fenetre_generee : ${chemin} est déjà ajouté à ${cible}")
    endif()
    set_property(TARGET ${cible} APPEND PROPERTY WEXO_FENETRES_FICHIERS "${chemin}")
    if(DEFINED option_CLASSE)
        set(classe "${option_CLASSE}")
        if(NOT classe MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
            message(FATAL_ERROR "wexo_fenetre_generee : CLASSE \"${classe}\" n'est pas un "
                "identifiant C")
        endif()
    else()
        # Relu quand il change : l'éditeur peut renommer la classe.
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${chemin}")
        _wexo_classe_du_fichier("${chemin}" classe)
    endif()
    # Les classes de la boîte à outils et les mots du langage, qu'une fenêtre ne peut pas porter.
    set(reserves CObjetGDI CContainer CFenetre CTexte CBouton CCoche CImage CProgression CSaisie
        CRadio Coord Rect Couleur new delete class struct this true false int void return const
        auto char bool operator)
    if(classe IN_LIST reserves)
        message(FATAL_ERROR "wexo_fenetre_generee : ${classe}, dans ${chemin}, est un nom réservé"
            " de la boîte à outils ou du langage")
    endif()
    # Deux fichiers de la même classe donneraient deux définitions à l'édition de liens.
    get_property(deja TARGET ${cible} PROPERTY WEXO_FENETRES_CLASSES)
    if(classe IN_LIST deja)
        message(FATAL_ERROR "wexo_fenetre_generee : la classe ${classe} de ${chemin} est déjà "
            "ajoutée à ${cible} par un autre fichier")
    endif()
    set_property(TARGET ${cible} APPEND PROPERTY WEXO_FENETRES_CLASSES ${classe})

    # Un source par cible et par fichier, même si deux fichiers portent le même nom.
    get_filename_component(nom "${chemin}" NAME_WE)
    string(MD5 empreinte "${chemin}")
    string(SUBSTRING "${empreinte}" 0 8 empreinte)
    set(dossier "${CMAKE_CURRENT_BINARY_DIR}/wexo_fenetres")
    set(inclusions "${dossier}/${cible}/include")
    # Un ménage par cible et par dossier, remis à la fin du dossier (CMake 3.19 et après).
    get_property(prevues DIRECTORY PROPERTY WEXO_FENETRES_CIBLES)
    if(NOT cible IN_LIST prevues AND NOT CMAKE_VERSION VERSION_LESS 3.19)
        set_property(DIRECTORY APPEND PROPERTY WEXO_FENETRES_CIBLES ${cible})
        # Les valeurs d'aujourd'hui : un appel remis lit ses variables quand il s'exécute.
        set(appel "_wexo_ote_entetes_perimes [[${cible}]] [[${inclusions}]]")
        cmake_language(EVAL CODE "cmake_language(DEFER CALL ${appel})")
    endif()
    set(source "${dossier}/${cible}_${nom}_${empreinte}.cpp")
    if(classe STREQUAL "CFenetre1")
        set(declaration "<wexo/Fenetre1.h>")
    else()
        get_filename_component(nomFichier "${chemin}" NAME)
        set(entete "${inclusions}/${classe}.h")
        _wexo_ecrit_si_change("${entete}" "/// @file
/// ${classe}.h : produit par wexo_fenetre_generee, la déclaration de ${classe}, dont
/// \"${nomFichier}\" tel que l'éditeur l'écrit donne le constructeur.
#pragma once

#include <wexo/Wexo.h>

/// La fenêtre dessinée dans l'éditeur.
class ${classe} : public CFenetre
{
  public:
    /// Défini par \"${nomFichier}\" : son rectangle et ses objets.
    ${classe}();
};
")
        target_include_directories(${cible} PRIVATE "${inclusions}")
        set(declaration "\"${entete}\"")
    endif()
    string(CONCAT contenu "// Produit par wexo_fenetre_generee : ${chemin}, compilé tel quel.\n"
        "#include <wexo/Wexo.h>\n#include ${declaration}\n\n#include \"${chemin}\"\n")
    _wexo_ecrit_si_change("${source}" "${contenu}")
    target_sources(${cible} PRIVATE "${source}")
    set_property(SOURCE "${source}" APPEND PROPERTY OBJECT_DEPENDS "${chemin}")
endfunction()
