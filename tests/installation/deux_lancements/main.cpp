// Deux lanceApplication dans un processus : le premier fini par Échap, le second par sa fenêtre
// fermée (demandeFermeture sur le clic de son bouton), d'où un troisième, lancé dans la boucle
// en cours, est refusé. Écrit le premier code, puis les deux autres ; rend 0 s'ils sont 0, 0
// et non nul.
#include <wexo/Application.h>
#include <wexo/Wexo.h>

#include <cstdio>

namespace
{
CFenetre* fenetre(const char* legende)
{
    CFenetre* f = new CFenetre(CONTAINER_SKIN_BEIGE);
    f->setLimites(MakeRect(0, 0, 300, 200));
    f->ajouteObjetGDI(new CBouton(MakeRect(40, 40, 240, 120), legende, BOUTON_SKIN_ROND_VARIABLE));
    return f;
}
} // namespace

int main()
{
    const int premier = lanceApplication(fenetre("<centre>Premier"));
    // Dit à qui mène le programme que le premier est fini : la seconde fenêtre peut reprendre
    // le même identifiant.
    std::printf("%d\n", premier);
    std::fflush(stdout);
    CFenetre* f = fenetre("<centre>Second");
    CBouton* bouton = f->trouve<CBouton>(0);
    int imbrique = -1;
    ajouteGestionnaire(bouton->evenements[EVT_CLIC_GAUCHE], f, &CObjetGDI::demandeFermeture);
    ajouteGestionnaire(bouton->evenements[EVT_CLIC_GAUCHE],
                       [&](CObjetGDI*) { imbrique = lanceApplication(fenetre("Imbrique")); });
    const int second = lanceApplication(f);
    std::printf("%d %d\n", second, imbrique);
    return premier == 0 && second == 0 && imbrique > 0 ? 0 : 1;
}
