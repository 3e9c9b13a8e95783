// MiseEnPage : comparaison et déplacement des valeurs, arguments d'habillage et d'image.
#include "editor/MiseEnPage.h"

#include "render/SkinBouton.h"
#include "render/SkinCoche.h"
#include "render/SkinContainer.h"
#include "render/SkinProgression.h"
#include "render/Texture.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <set>

namespace
{
struct Identifiant {
    const char* nom;
    int valeur;
};
// Les identifiants d'habillage et d'image que définit la boîte à outils.
const Identifiant IDENTIFIANTS[] = {
    {"CONTAINER_SKIN_BEIGE", CONTAINER_SKIN_BEIGE},
    {"BOUTON_SKIN_ROND_VARIABLE", BOUTON_SKIN_ROND_VARIABLE},
    {"COCHE_SKIN_DEFAUT", COCHE_SKIN_DEFAUT},
    {"PROGRESSION_SKIN_DEFAUT", PROGRESSION_SKIN_DEFAUT},
    {"BMP_", BMP_},
    {"TEXTURE_BOUTONS", TEXTURE_BOUTONS},
    {"TEXTURE_OBJETGDIS", TEXTURE_OBJETGDIS},
    {"TEXTURE_CONTAINERS", TEXTURE_CONTAINERS},
    {"TEXTURE_CURSEURS", TEXTURE_CURSEURS},
    {"TEXTURE_COCHES", TEXTURE_COCHES},
    {"TEXTURE_PROGRESSIONS", TEXTURE_PROGRESSIONS},
    {"TEXTURE_MOI", TEXTURE_MOI},
};

} // namespace

const char CLASSE_PAR_DEFAUT[] = "CFenetre1";

const char* argumentFixe(int genre)
{
    switch (genre) {
    case TYPE_BOUTON:
        return "BOUTON_SKIN_ROND_VARIABLE";
    case TYPE_COCHE:
    case TYPE_COCHE_LEGENDEE:
        return "COCHE_SKIN_DEFAUT";
    case TYPE_IMAGE:
        return "BMP_";
    case TYPE_PROGRESSION:
        return "PROGRESSION_SKIN_DEFAUT";
    default:
        return "";
    }
}

bool valeurArgument(const std::string& argument, int& valeur)
{
    for (const Identifiant& i : IDENTIFIANTS) {
        if (argument == i.nom) {
            valeur = i.valeur;
            return true;
        }
    }
    const char* debut = argument.c_str();
    const char* chiffres = *debut == '-' ? debut + 1 : debut;
    if (!*chiffres || std::strspn(chiffres, "0123456789") != std::strlen(chiffres) ||
        std::strlen(chiffres) > 6)
        return false;
    const long v = std::strtol(debut, nullptr, 10);
    if (v < INT16_MIN || v > INT16_MAX)
        return false;
    valeur = int(v);
    return true;
}

bool identifiantC(const std::string& nom)
{
    auto lettre = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    if (nom.empty() || !lettre(nom[0]))
        return false;
    for (char c : nom) {
        if (!lettre(c) && !(c >= '0' && c <= '9'))
            return false;
    }
    return true;
}

bool nomReserve(const std::string& nom)
{
    // Les classes et les noms que le source compilé voit par <wexo/Wexo.h>, puis les mots-clés
    // du C++17 : une classe de ce nom ne se compilerait pas.
    static const char* const RESERVES[] = {"CObjetGDI",
                                           "CContainer",
                                           "CFenetre",
                                           "CTexte",
                                           "CBouton",
                                           "CCoche",
                                           "CImage",
                                           "CProgression",
                                           "CSaisie",
                                           "CRadio",
                                           "CRelaisFonction",
                                           "Coord",
                                           "Rect",
                                           "Couleur",
                                           "MakeRect",
                                           "MakeCoord",
                                           "PLEIN_ECRAN",
                                           "alignas",
                                           "alignof",
                                           "and",
                                           "and_eq",
                                           "asm",
                                           "auto",
                                           "bitand",
                                           "bitor",
                                           "bool",
                                           "break",
                                           "case",
                                           "catch",
                                           "char",
                                           "char16_t",
                                           "char32_t",
                                           "class",
                                           "compl",
                                           "const",
                                           "constexpr",
                                           "const_cast",
                                           "continue",
                                           "decltype",
                                           "default",
                                           "delete",
                                           "do",
                                           "double",
                                           "dynamic_cast",
                                           "else",
                                           "enum",
                                           "explicit",
                                           "export",
                                           "extern",
                                           "false",
                                           "float",
                                           "for",
                                           "friend",
                                           "goto",
                                           "if",
                                           "inline",
                                           "int",
                                           "long",
                                           "mutable",
                                           "namespace",
                                           "new",
                                           "noexcept",
                                           "not",
                                           "not_eq",
                                           "nullptr",
                                           "operator",
                                           "or",
                                           "or_eq",
                                           "private",
                                           "protected",
                                           "public",
                                           "register",
                                           "reinterpret_cast",
                                           "return",
                                           "short",
                                           "signed",
                                           "sizeof",
                                           "static",
                                           "static_assert",
                                           "static_cast",
                                           "struct",
                                           "switch",
                                           "template",
                                           "this",
                                           "thread_local",
                                           "throw",
                                           "true",
                                           "try",
                                           "typedef",
                                           "typeid",
                                           "typename",
                                           "union",
                                           "unsigned",
                                           "using",
                                           "virtual",
                                           "void",
                                           "volatile",
                                           "wchar_t",
                                           "while",
                                           "xor",
                                           "xor_eq"};
    for (const char* r : RESERVES) {
        if (nom == r)
            return true;
    }
    // Les identifiants de la boîte à outils (habillages, images), et ceux que le C++ garde à
    // l'implémentation : deux soulignés, ou un souligné et une majuscule en tête.
    for (const Identifiant& i : IDENTIFIANTS) {
        if (nom == i.nom)
            return true;
    }
    return nom.find("__") != std::string::npos ||
           (nom.size() > 1 && nom[0] == '_' && std::isupper(static_cast<unsigned char>(nom[1])));
}

const char* texteDurable(const std::string& texte)
{
    // Jamais rendu : un objet détruit après la fin des variables statiques le lirait encore.
    static std::set<std::string>* textes = new std::set<std::string>;
    return textes->insert(texte).first->c_str();
}

bool ObjetPlace::operator==(const ObjetPlace& o) const
{
    return genre == o.genre && limites == o.limites && largeur == o.largeur && texte == o.texte &&
           nom == o.nom && legende == o.legende && longueurMax == o.longueurMax &&
           groupe == o.groupe && cochee == o.cochee && modifiable == o.modifiable &&
           minimum == o.minimum && valeur == o.valeur && maximum == o.maximum &&
           argument == o.argument;
}

ObjetPlace ObjetPlace::deplace(Coord d) const
{
    ObjetPlace o = *this;
    o.limites = limites + d;
    return o;
}

bool MiseEnPage::operator==(const MiseEnPage& m) const
{
    return classe == m.classe && pleinEcran == m.pleinEcran && limites == m.limites &&
           habillage == m.habillage && objets == m.objets;
}
