// Document : la mise en page éditée, à part de la fenêtre qui la montre : passage entre les
// objets vivants et la valeur, arguments écrits des objets relus, mise en page lue, historique.
#pragma once

#include "editor/Historique.h"
#include "editor/MiseEnPage.h"

#include <optional>
#include <string>
#include <vector>

class CFenetre;
class CObjetGDI;

// Source de l'image créée dans la texture "Moi".
extern const Rect SOURCE_IMAGE_CREEE;

class Document
{
  public:
    // La mise en page lue, telle que bâtie : la retrouver en quittant n'écrit rien.
    std::optional<MiseEnPage> initiale;
    // Le texte du fichier d'où vient initiale (lu, ou écrit par Ctrl+S).
    std::string texteInitial;
    Historique historique;

    // Ce que tient la fenêtre vivante, arguments écrits des objets relus compris.
    MiseEnPage prends(CFenetre& fenetre) const;
    // La valeur d'un objet vivant, son argument écrit compris ; faux pour le menu ou l'aide.
    bool prendsObjet(CObjetGDI* objet, ObjetPlace& o) const;
    // L'objet vivant, par les constructeurs de la pose, événements désactivés.
    CObjetGDI* creeObjet(const ObjetPlace& o);
    // Remplace les objets posés de la fenêtre par ceux de m, derrière les fenêtres ouvertes, et
    // lui donne son rectangle ; rend les objets créés, de l'arrière vers l'avant.
    std::vector<CObjetGDI*> batis(const MiseEnPage& m, CFenetre& fenetre);
    // Une mise en page relue du texte : bâtie, gardée comme initiale, sans historique.
    void ouvre(const MiseEnPage& m, const std::string& texte, CFenetre& fenetre);
    // Un objet détruit : ses arguments écrits ne doivent pas passer à un objet de même adresse.
    void oublie(const CObjetGDI* objet);
    // La mise en page et la place de selection parmi les objets posés.
    Etape etat(CFenetre& fenetre, const CObjetGDI* selection) const;
    // Rebâtit l'étape ; rend l'objet qui y était sélectionné, ou nul.
    CObjetGDI* restaure(const Etape& etape, CFenetre& fenetre);

    // La ligne d'un objet vivant ; faux pour ce qui n'est pas un objet posé (menu, aide).
    static bool prendsObjet(CObjetGDI* objet, const ArgumentsParObjet* ecrits, ObjetPlace& o);
    // Ce que tient la fenêtre ; les arguments des objets sans entrée dans ecrits sont les
    // identifiants fixes que l'éditeur écrit.
    static MiseEnPage prends(CFenetre& fenetre, const ArgumentsParObjet* ecrits);
    static CObjetGDI* creeObjet(const ObjetPlace& o, ArgumentsParObjet& ecrits);
    // Un objet posé : sourd à la souris et au clavier, seul l'éditeur y répond, mais dessiné
    // comme dans le programme.
    static void metEnApercu(CObjetGDI* objet);
    static std::vector<CObjetGDI*> batis(const MiseEnPage& m, CFenetre& fenetre,
                                         ArgumentsParObjet& ecrits);

  private:
    ArgumentsParObjet ecrits;
};

// Le texte d'un objet vivant ou d'une fenêtre vivante, tel que l'export l'écrirait ; vide pour
// ce qui n'est pas un objet posé.
std::string ligneObjet(CObjetGDI* objet);
std::string texteSource(CFenetre& fenetre);
