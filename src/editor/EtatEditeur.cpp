// EtatEditeur : valeurs initiales de l'état global de l'éditeur et texte de l'aide.
#include "editor/EtatEditeur.h"

#include "editor/ExportSource.h"

CFenetrePrincipale* fenetrePrincipale = nullptr;
CObjetGDI* objetSelectionne = nullptr;
bool boutonEnfonce = false;
Coord poignee = {0, 0};
CBouton* boutonsSelection[NOMBRE_TYPES_OBJETS] = {};
void (*quitterEditeur)() = nullptr;
bool (*majTenue)() = nullptr;
std::string fichierEdite = NOM_FICHIER_SOURCE;
std::optional<MiseEnPage> miseEnPageOuverte;
std::string texteOuvert;

const char TEXTE_AIDE[] =
    "<center><b>Editeur Wexo version 0.8<p><br>F1 : Aide (cette fen\xEAtre)<br>ECHAP : Quitte "
    "l'application<br>ESPACE : Menu de s\xE9lection de l'objetGDI \xE0 ajouter<br>SUPPR : "
    "Supprime l'objetGDI s\xE9lectionn\xE9<br>PLUS : Passe l'objetGDI s\xE9lectionn\xE9 au "
    "premier plan<br>MOINS : Passe l'objetGDI s\xE9lectionn\xE9 au dernier plan";
