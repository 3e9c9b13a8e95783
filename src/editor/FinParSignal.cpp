// FinParSignal : gestionnaire des signaux de fin, qui ne fait que noter la demande, et son
// exécution au tour d'inactivité.
#include "editor/FinParSignal.h"

#include "editor/Editeur.h"

#include <csignal>

namespace
{
const int SIGNAUX_DE_FIN[] = {SIGTERM, SIGINT, SIGHUP};
const int NOMBRE_SIGNAUX = int(sizeof SIGNAUX_DE_FIN / sizeof SIGNAUX_DE_FIN[0]);

volatile sig_atomic_t signalRecu = 0;
bool installe = false;
struct sigaction anciennes[NOMBRE_SIGNAUX];

// Rien d'autre qu'une écriture atomique : le travail sur les fichiers attend la boucle.
void noteSignal(int numero)
{
    signalRecu = numero;
}

// Un signal reçu depuis le tour précédent : la même sortie qu'Échap, mise en page sauvée.
bool executeFinDemandee()
{
    const int numero = prendSignalDeFin();
    if (!numero)
        return false;
    sauveMiseEnPage(nomSignal(numero));
    quitte();
    return true;
}
} // namespace

void installeFinParSignal()
{
    if (installe)
        return;
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < NOMBRE_SIGNAUX; ++i) {
        sigaction(SIGNAUX_DE_FIN[i], nullptr, &anciennes[i]);
        if (anciennes[i].sa_handler != SIG_IGN)
            sigaction(SIGNAUX_DE_FIN[i], &action, nullptr);
    }
    finAuTour = executeFinDemandee;
    installe = true;
}

void retireFinParSignal()
{
    if (!installe)
        return;
    for (int i = 0; i < NOMBRE_SIGNAUX; ++i)
        sigaction(SIGNAUX_DE_FIN[i], &anciennes[i], nullptr);
    if (finAuTour == executeFinDemandee)
        finAuTour = nullptr;
    installe = false;
}

int prendSignalDeFin()
{
    const int numero = signalRecu;
    signalRecu = 0;
    return numero;
}

const char* nomSignal(int numero)
{
    switch (numero) {
    case SIGTERM:
        return "SIGTERM";
    case SIGINT:
        return "SIGINT";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "signal";
    }
}
