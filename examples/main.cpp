// Programme d'exemple : la fenêtre dessinée dans l'éditeur, montrée par lanceApplication.
#include <wexo/Application.h>
#include <wexo/Fenetre1.h>
int main() { return lanceApplication(new CFenetre1); }
