// EditionLigne : édition d'une ligne bornée, mots de Windows-1252 et historique par étapes.
#include "widgets/EditionLigne.h"

#include <algorithm>
#include <cstring>

namespace
{
// Les lettres de Windows-1252 hors ASCII : À à ÿ sauf × et ÷, et Š Œ Ž š œ ž Ÿ ƒ.
bool lettre1252(unsigned char c)
{
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_')
        return true;
    if (c >= 0xC0)
        return c != 0xD7 && c != 0xF7;
    return std::strchr("\x83\x8A\x8C\x8E\x9A\x9C\x9E\x9F", char(c)) != nullptr;
}

std::string coupe(const char* texte, int maximum)
{
    if (!texte)
        return std::string();
    return std::string(texte, strnlen(texte, size_t(maximum)));
}
} // namespace

EditionLigne::EditionLigne(const char* texte, int longueurMax)
    : contenu(coupe(texte, std::max(longueurMax, 0))), maximum(std::max(longueurMax, 0))
{
    position = bout = int(contenu.size());
}

int EditionLigne::debutSelection() const
{
    return std::min(position, bout);
}

int EditionLigne::finSelection() const
{
    return std::max(position, bout);
}

std::string EditionLigne::selection() const
{
    return contenu.substr(size_t(debutSelection()), size_t(finSelection() - debutSelection()));
}

void EditionLigne::remplace(const char* texte)
{
    contenu = coupe(texte, maximum);
    selectionne(bout, position);
    annulations.clear();
    retablissements.clear();
    frappeEnCours = false;
}

void EditionLigne::place(int p, bool etend)
{
    position = std::clamp(p, 0, int(contenu.size()));
    if (!etend)
        bout = position;
    frappeEnCours = false;
}

void EditionLigne::selectionne(int a, int c)
{
    bout = std::clamp(a, 0, int(contenu.size()));
    position = std::clamp(c, 0, int(contenu.size()));
    frappeEnCours = false;
}

bool EditionLigne::estLettre(int p) const
{
    return lettre1252(static_cast<unsigned char>(contenu[size_t(p)]));
}

int EditionLigne::motPrecedent(int p) const
{
    p = std::clamp(p, 0, int(contenu.size()));
    while (p > 0 && !estLettre(p - 1))
        --p;
    while (p > 0 && estLettre(p - 1))
        --p;
    return p;
}

int EditionLigne::motSuivant(int p) const
{
    const int n = int(contenu.size());
    p = std::clamp(p, 0, n);
    while (p < n && !estLettre(p))
        ++p;
    while (p < n && estLettre(p))
        ++p;
    return p;
}

void EditionLigne::motAutour(int p, int& debut, int& fin) const
{
    const int n = int(contenu.size());
    debut = fin = std::clamp(p, 0, n);
    if (n == 0)
        return;
    // Au bout du texte, le caractère d'avant ; sinon celui sous p décide de la classe.
    const int centre = std::min(debut, n - 1);
    const bool classe = estLettre(centre);
    debut = centre;
    fin = centre + 1;
    while (debut > 0 && estLettre(debut - 1) == classe)
        --debut;
    while (fin < n && estLettre(fin) == classe)
        ++fin;
}

void EditionLigne::memorise()
{
    if (annulations.size() >= ETAPES_MAX)
        annulations.erase(annulations.begin());
    annulations.push_back(Etape{contenu, position, bout});
    retablissements.clear();
}

void EditionLigne::remplaceSelection(const std::string& s)
{
    const int debut = debutSelection();
    contenu.replace(size_t(debut), size_t(finSelection() - debut), s);
    position = bout = debut + int(s.size());
}

bool EditionLigne::frappe(unsigned char c)
{
    const int reste = maximum - int(contenu.size()) + (finSelection() - debutSelection());
    if (reste < 1)
        return false;
    if (!frappeEnCours || aSelection())
        memorise();
    remplaceSelection(std::string(1, char(c)));
    frappeEnCours = true;
    return true;
}

bool EditionLigne::colle(const std::string& s)
{
    const int reste = maximum - int(contenu.size()) + (finSelection() - debutSelection());
    const std::string morceau = s.substr(0, size_t(std::max(reste, 0)));
    if (morceau.empty() && !aSelection())
        return false;
    memorise();
    remplaceSelection(morceau);
    frappeEnCours = false;
    return true;
}

bool EditionLigne::efface(bool arriere)
{
    if (!aSelection()) {
        if (arriere ? position == 0 : position == int(contenu.size()))
            return false;
        bout = arriere ? position - 1 : position + 1;
    }
    memorise();
    remplaceSelection(std::string());
    frappeEnCours = false;
    return true;
}

bool EditionLigne::annule()
{
    if (annulations.empty())
        return false;
    retablissements.push_back(Etape{contenu, position, bout});
    const Etape e = annulations.back();
    annulations.pop_back();
    contenu = e.texte;
    position = e.curseur;
    bout = e.ancre;
    frappeEnCours = false;
    return true;
}

bool EditionLigne::retablit()
{
    if (retablissements.empty())
        return false;
    annulations.push_back(Etape{contenu, position, bout});
    const Etape e = retablissements.back();
    retablissements.pop_back();
    contenu = e.texte;
    position = e.curseur;
    bout = e.ancre;
    frappeEnCours = false;
    return true;
}
