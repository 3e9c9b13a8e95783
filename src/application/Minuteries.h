// Minuteries : les minuteries et les travaux postés depuis d'autres fils, exécutés sur le fil de
// la boucle, et le réveil de la boucle qui attend.
#pragma once

#include <cstdint>
#include <functional>

// Une boucle commence (l'horloge part de 0) : les travaux postés sont acceptés ; reveil, appelé
// depuis le fil qui poste, fait sortir la boucle de son attente (nul : rien à réveiller).
void ouvreMinuteries(void (*reveil)());
// La boucle finit : minuteries et travaux en attente oubliés, les suivants refusés.
void fermeMinuteries();
// Les travaux postés, dans leur ordre, puis les minuteries échues à maintenant ; sur le fil de
// la boucle.
void executeEchus(int32_t maintenant);
// Millisecondes jusqu'à la prochaine minuterie (0 quand un travail posté attend), -1 sans rien.
int32_t delaiMinuteries(int32_t maintenant);
