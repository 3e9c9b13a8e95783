// Historique : étapes gardées, limite, passage d'une pile à l'autre.
#include "editor/Historique.h"

bool Historique::note(const Etape& avant, const MiseEnPage& apres)
{
    if (apres == avant.miseEnPage)
        return false;
    annulations.push_back(avant);
    if (annulations.size() > maximum)
        annulations.erase(annulations.begin());
    retablissements.clear();
    return true;
}

std::optional<Etape> Historique::annule(const Etape& actuel)
{
    return rejoue(annulations, retablissements, actuel);
}

std::optional<Etape> Historique::retablit(const Etape& actuel)
{
    return rejoue(retablissements, annulations, actuel);
}

void Historique::vide()
{
    annulations.clear();
    retablissements.clear();
}

// La dernière étape de depuis est rendue ; l'état qu'elle remplace passe dans vers.
std::optional<Etape> Historique::rejoue(std::vector<Etape>& depuis, std::vector<Etape>& vers,
                                        const Etape& actuel)
{
    if (depuis.empty())
        return std::nullopt;
    vers.push_back(actuel);
    Etape e = std::move(depuis.back());
    depuis.pop_back();
    return e;
}
