// Programme d'un seul fichier sur la bibliothèque d'exécution, "Fenetre1.cpp" inclus tel quel.
#include <wexo/Application.h>
#include <wexo/Fenetre1.h>
#include "Fenetre1.cpp"
int main() { return lanceApplication(new CFenetre1); }
