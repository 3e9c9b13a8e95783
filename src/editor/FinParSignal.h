// FinParSignal : SIGTERM, SIGINT et SIGHUP notés comme une demande de fin, que le tour
// d'inactivité suivant exécute comme Échap.
#pragma once

// Pose le gestionnaire des trois signaux et leur exécution au début du tour d'inactivité
// (finAuTour) ; un signal hérité ignoré le reste (c'est ainsi qu'une tâche de fond est protégée
// de Ctrl-C).
void installeFinParSignal();
// Rend aux trois signaux les dispositions d'avant installeFinParSignal et retire leur exécution
// au tour ; sans effet sinon.
void retireFinParSignal();
// Le numéro du signal reçu depuis le dernier appel, 0 s'il n'y en a pas ; la demande est
// effacée.
int prendSignalDeFin();
// Le nom court d'un des trois signaux ("SIGTERM"...).
const char* nomSignal(int numero);
