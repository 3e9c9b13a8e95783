// Minuteries : une liste de minuteries propre au fil de la boucle, une file de travaux gardée par
// un verrou pour les autres fils.
#include "application/Minuteries.h"

#include "wexo/Application.h"
#include "wexo/Integration.h"
#include "widgets/DemandeImage.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

namespace
{
struct Minuterie {
    int32_t echeance; // dans l'horloge de la boucle
    int32_t periode;
    std::function<bool()> fonction;
};

std::vector<Minuterie> minuteries;

// Ce que les autres fils touchent, sous le verrou.
std::mutex verrou;
bool ouverte = false;
std::vector<std::function<void()>> travaux;
void (*reveilPlateforme)() = nullptr;
std::function<void()> reveilProgramme;

bool travauxEnAttente()
{
    const std::lock_guard<std::mutex> garde(verrou);
    return !travaux.empty();
}
} // namespace

void ouvreMinuteries(void (*reveil)())
{
    const std::lock_guard<std::mutex> garde(verrou);
    ouverte = true;
    reveilPlateforme = reveil;
}

void fermeMinuteries()
{
    std::vector<std::function<void()>> oublies;
    {
        const std::lock_guard<std::mutex> garde(verrou);
        ouverte = false;
        reveilPlateforme = nullptr;
        oublies.swap(travaux);
    }
    // Hors du verrou : détruire une fonction peut en poster une autre.
    oublies.clear();
    std::vector<Minuterie>().swap(minuteries);
}

void executeEchus(int32_t maintenant)
{
    std::vector<std::function<void()>> aFaire;
    {
        const std::lock_guard<std::mutex> garde(verrou);
        aFaire.swap(travaux);
    }
    for (std::function<void()>& travail : aFaire)
        if (travail)
            travail();
    // Les échues sortent de la liste avant d'être appelées : elles peuvent en ajouter d'autres.
    std::vector<Minuterie> echues;
    for (size_t i = 0; i < minuteries.size();) {
        if (minuteries[i].echeance - maintenant <= 0) {
            echues.push_back(std::move(minuteries[i]));
            minuteries.erase(minuteries.begin() + std::ptrdiff_t(i));
        } else {
            ++i;
        }
    }
    std::stable_sort(echues.begin(), echues.end(), [](const Minuterie& a, const Minuterie& b) {
        return a.echeance - b.echeance < 0;
    });
    for (Minuterie& m : echues) {
        if (!m.fonction || !m.fonction())
            continue;
        // En retard de plus d'une période, elle ne rattrape pas les tours manqués.
        m.echeance += m.periode;
        if (m.echeance - maintenant <= 0)
            m.echeance = maintenant + m.periode;
        minuteries.push_back(std::move(m));
    }
}

int32_t delaiMinuteries(int32_t maintenant)
{
    if (travauxEnAttente())
        return 0;
    int32_t delai = -1;
    for (const Minuterie& m : minuteries) {
        const int32_t reste = std::max<int32_t>(m.echeance - maintenant, 0);
        if (delai < 0 || reste < delai)
            delai = reste;
    }
    return delai;
}

void ajouteMinuterie(int ms, std::function<bool()> fonction)
{
    if (!fonction)
        return;
    const int32_t periode = std::max(ms, 1);
    minuteries.push_back({horlogeBoiteAOutils() + periode, periode, std::move(fonction)});
}

bool posteDansBoucle(std::function<void()> travail)
{
    void (*reveil)() = nullptr;
    std::function<void()> reveilDuProgramme;
    {
        const std::lock_guard<std::mutex> garde(verrou);
        if (!ouverte || !travail)
            return false;
        travaux.push_back(std::move(travail));
        reveil = reveilPlateforme;
        reveilDuProgramme = reveilProgramme;
    }
    if (reveil)
        reveil();
    if (reveilDuProgramme)
        reveilDuProgramme();
    return true;
}

void poseReveil(std::function<void()> reveil)
{
    const std::lock_guard<std::mutex> garde(verrou);
    reveilProgramme = std::move(reveil);
}
