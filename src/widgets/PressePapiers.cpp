// PressePapiers : les deux fonctions de l'hôte, ou à défaut un texte gardé dans le processus.
#include "widgets/PressePapiers.h"

#include "text/Utf8.h"
#include "wexo/Integration.h"

#include <utility>

namespace
{
std::function<std::string()> lecture;
std::function<void(const std::string&)> ecriture;
std::string texteInterne; // en UTF-8, comme chez un hôte
} // namespace

void installePressePapiers(std::function<std::string()> lit,
                           std::function<void(const std::string&)> ecrit)
{
    // Les deux ou aucune : lire chez l'hôte et écrire ici perdrait les copies.
    if (!lit || !ecrit) {
        lecture = nullptr;
        ecriture = nullptr;
        return;
    }
    lecture = std::move(lit);
    ecriture = std::move(ecrit);
}

std::string lisPressePapiers()
{
    const std::string utf8 = lecture ? lecture() : texteInterne;
    return depuisUtf8(utf8.c_str());
}

void ecrisPressePapiers(const std::string& texte)
{
    const std::string utf8 = versUtf8(texte);
    if (ecriture)
        ecriture(utf8);
    else
        texteInterne = utf8;
}
