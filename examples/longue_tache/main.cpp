// Longue tâche : un fil de travail avance une barre de progression par posteDansBoucle ; Annuler
// l'arrête, une minuterie fait battre les points du message pendant qu'il travaille.
#include <wexo/Application.h>
#include <wexo/Wexo.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

int main()
{
    CFenetre* fenetre = new CFenetre(CONTAINER_SKIN_BEIGE);
    fenetre->setLimites(MakeRect(0, 0, 420, 260));
    CProgression* barre =
        new CProgression(MakeCoord(20, 20), 360, false, 0, 0, 100, PROGRESSION_SKIN_DEFAUT);
    CTexte* message = new CTexte(MakeRect(20, 70, 380, 90), "Calcul en cours");
    CBouton* annuler =
        new CBouton(MakeRect(130, 100, 250, 140), "<centre>Annuler", BOUTON_SKIN_ROND_VARIABLE);
    for (CObjetGDI* o : {static_cast<CObjetGDI*>(barre), static_cast<CObjetGDI*>(message),
                         static_cast<CObjetGDI*>(annuler)})
        fenetre->ajouteObjetGDI(o);

    std::atomic<bool> arret{false};
    std::atomic<bool> fini{false};
    std::string points; // le texte du message est tenu par pointeur
    int battement = 0;
    ajouteGestionnaire(annuler->evenements[EVT_CLIC_GAUCHE], [&](CObjetGDI*) {
        arret = true;
        message->setTexte("Annul\xE9");
    });
    ajouteMinuterie(500, [&] {
        if (fini || arret)
            return false;
        points = "Calcul en cours" + std::string(size_t(++battement % 4), '.');
        message->setTexte(points.c_str());
        return true;
    });

    // Le fil ne touche jamais l'arbre : il poste ce qui change, exécuté sur le fil de la boucle.
    std::thread travail([&] {
        for (int i = 1; i <= 100 && !arret; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(60));
            posteDansBoucle([&, i] {
                if (!arret)
                    barre->setValeur(i);
            });
        }
        posteDansBoucle([&] {
            fini = true;
            if (!arret)
                message->setTexte("Termin\xE9");
        });
    });
    titreApplication("Longue t\xE2"
                     "che");
    const int code = lanceApplication(fenetre);
    // La boucle finie, ce qui serait encore posté est refusé : le fil peut finir seul.
    arret = true;
    travail.join();
    return code;
}
