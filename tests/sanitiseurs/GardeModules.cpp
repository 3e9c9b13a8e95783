// Programmes de la bibliothèque d'exécution sous les sanitiseurs : les bibliothèques ouvertes
// par dlopen (pilote Mesa) restent chargées, pour que leurs fuites gardent le nom de leur module
// dans les rapports.
//
// Sans cela, le pilote est déchargé avant le bilan des fuites, qui ne sait plus à qui les
// attribuer ; les suppressions de lsan.supp, qui ne visent que X et Mesa, restent sans effet.
extern "C" int dlclose(void* module) noexcept
{
    (void)module;
    return 0;
}

// Demandé à l'édition de liens (--undefined) : tire ce membre de l'archive, alors que dlclose,
// déjà fourni par le sanitiseur, ne le tirerait pas.
extern "C" const int wexoGardeModules = 1;
