// MiseEnPage : prise sur la fenêtre vivante, construction des objets vivants, écriture du source.
#include "editor/MiseEnPage.h"

#include "containers/CFenetre.h"
#include "editor/CFenetrePrincipale.h"
#include "editor/ExportSource.h"
#include "render/SkinBouton.h"
#include "render/SkinCoche.h"
#include "render/SkinContainer.h"
#include "render/SkinProgression.h"
#include "render/Texture.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CImage.h"
#include "widgets/CProgression.h"
#include "widgets/CTexte.h"

#include <cstdlib>
#include <cstring>
#include <set>

namespace
{
struct Identifiant {
    const char* nom;
    int valeur;
};
// Les identifiants d'habillage et d'image que définit la boîte à outils.
const Identifiant IDENTIFIANTS[] = {
    {"CONTAINER_SKIN_BEIGE", CONTAINER_SKIN_BEIGE},
    {"BOUTON_SKIN_ROND_VARIABLE", BOUTON_SKIN_ROND_VARIABLE},
    {"COCHE_SKIN_DEFAUT", COCHE_SKIN_DEFAUT},
    {"PROGRESSION_SKIN_DEFAUT", PROGRESSION_SKIN_DEFAUT},
    {"BMP_", BMP_},
    {"TEXTURE_BOUTONS", TEXTURE_BOUTONS},
    {"TEXTURE_OBJETGDIS", TEXTURE_OBJETGDIS},
    {"TEXTURE_CONTAINERS", TEXTURE_CONTAINERS},
    {"TEXTURE_CURSEURS", TEXTURE_CURSEURS},
    {"TEXTURE_COCHES", TEXTURE_COCHES},
    {"TEXTURE_PROGRESSIONS", TEXTURE_PROGRESSIONS},
    {"TEXTURE_MOI", TEXTURE_MOI},
};

// L'argument que l'éditeur écrit pour chaque genre, quand l'objet n'en a pas d'autre.
const char* argumentFixe(int genre)
{
    switch (genre) {
    case TYPE_BOUTON:
        return "BOUTON_SKIN_ROND_VARIABLE";
    case TYPE_COCHE:
        return "COCHE_SKIN_DEFAUT";
    case TYPE_IMAGE:
        return "BMP_";
    case TYPE_PROGRESSION:
        return "PROGRESSION_SKIN_DEFAUT";
    default:
        return "";
    }
}

const char* ouVide(const char* texte)
{
    return texte ? texte : "";
}
} // namespace

bool valeurArgument(const std::string& argument, int& valeur)
{
    for (const Identifiant& i : IDENTIFIANTS) {
        if (argument == i.nom) {
            valeur = i.valeur;
            return true;
        }
    }
    const char* debut = argument.c_str();
    const char* chiffres = *debut == '-' ? debut + 1 : debut;
    if (!*chiffres || std::strspn(chiffres, "0123456789") != std::strlen(chiffres) ||
        std::strlen(chiffres) > 6)
        return false;
    const long v = std::strtol(debut, nullptr, 10);
    if (v < INT16_MIN || v > INT16_MAX)
        return false;
    valeur = int(v);
    return true;
}

const char* texteDurable(const std::string& texte)
{
    // Jamais rendu : un objet détruit après la fin des variables statiques le lirait encore.
    static std::set<std::string>* textes = new std::set<std::string>;
    return textes->insert(texte).first->c_str();
}

bool ObjetPlace::operator==(const ObjetPlace& o) const
{
    return genre == o.genre && limites == o.limites && largeur == o.largeur && texte == o.texte &&
           legende == o.legende && cochee == o.cochee && modifiable == o.modifiable &&
           minimum == o.minimum && valeur == o.valeur && maximum == o.maximum &&
           argument == o.argument;
}

ObjetPlace ObjetPlace::deplace(Coord d) const
{
    ObjetPlace o = *this;
    o.limites = limites + d;
    return o;
}

bool MiseEnPage::operator==(const MiseEnPage& m) const
{
    return pleinEcran == m.pleinEcran && limites == m.limites && habillage == m.habillage &&
           objets == m.objets;
}

bool MiseEnPage::prendsObjet(CObjetGDI* objet, const ArgumentsParObjet* ecrits, ObjetPlace& o)
{
    o = ObjetPlace();
    // Le premier genre reconnu, dans cet ordre, décide.
    if (CTexte* texte = dynamic_cast<CTexte*>(objet)) {
        o.genre = TYPE_TEXTE;
        o.limites = texte->limites;
        o.texte = ouVide(texte->texte);
    } else if (CBouton* bouton = dynamic_cast<CBouton*>(objet)) {
        o.genre = TYPE_BOUTON;
        o.limites = bouton->limites;
        o.texte = ouVide(bouton->texte);
        const Coord sans = {-1, -1};
        o.legende = !(bouton->skin.margeTexteHautGauche == sans &&
                      bouton->skin.margeTexteBasDroite == sans);
    } else if (CCoche* coche = dynamic_cast<CCoche*>(objet)) {
        o.genre = TYPE_COCHE;
        o.limites = Rect{coche->limites.hautGauche, coche->limites.hautGauche};
        o.cochee = coche->cochee;
    } else if (CImage* image = dynamic_cast<CImage*>(objet)) {
        o.genre = TYPE_IMAGE;
        o.limites = image->limites;
    } else if (CProgression* barre = dynamic_cast<CProgression*>(objet)) {
        o.genre = TYPE_PROGRESSION;
        const Rect l = barre->limites;
        o.limites = Rect{l.hautGauche, l.hautGauche};
        o.largeur = l.basDroite.x - l.hautGauche.x;
        o.modifiable = barre->modifiable;
        o.minimum = barre->minimum;
        o.valeur = barre->valeur;
        o.maximum = barre->maximum;
    } else {
        return false;
    }
    o.argument = argumentFixe(o.genre);
    if (ecrits) {
        auto e = ecrits->find(objet);
        if (e != ecrits->end()) {
            o.argument = e->second.argument;
            o.legende = e->second.legende;
        }
    }
    // Sans légende, le texte n'est ni écrit ni comparé.
    if (o.genre == TYPE_BOUTON && !o.legende)
        o.texte.clear();
    return true;
}

MiseEnPage MiseEnPage::prends(CFenetre& fenetre, const ArgumentsParObjet* ecrits)
{
    MiseEnPage m;
    m.pleinEcran = fenetre.estPleinEcran();
    m.limites = m.pleinEcran ? PLEIN_ECRAN : fenetre.limites;
    if (ecrits) {
        auto e = ecrits->find(&fenetre);
        if (e != ecrits->end())
            m.habillage = e->second.argument;
    }
    for (Noeud<CObjetGDI*>* n = fenetre.enfants.queue; n; n = n->precedent) {
        ObjetPlace o;
        if (prendsObjet(n->element, ecrits, o))
            m.objets.push_back(o);
    }
    return m;
}

CObjetGDI* MiseEnPage::creeObjet(const ObjetPlace& o, ArgumentsParObjet& ecrits)
{
    int v = 0;
    if (!valeurArgument(o.argument, v))
        valeurArgument(argumentFixe(o.genre), v);
    const Rect r = o.limites;
    const Coord p = o.limites.hautGauche;
    CObjetGDI* objet = nullptr;
    switch (o.genre) {
    case TYPE_TEXTE:
        objet = new CTexte(r, texteDurable(o.texte));
        break;
    case TYPE_BOUTON:
        objet = o.legende ? new CBouton(r, texteDurable(o.texte), v) : new CBouton(r, v);
        break;
    case TYPE_COCHE:
        objet = new CCoche(p, o.cochee, v);
        break;
    case TYPE_IMAGE:
        // L'image de l'éditeur par sa source ; une autre entière, comme le source compilé.
        objet =
            v == TEXTURE_MOI ? new CImage(TEXTURE_MOI, r, SOURCE_IMAGE_CREEE) : new CImage(r, v);
        break;
    case TYPE_PROGRESSION:
        objet = new CProgression(p, o.largeur, o.modifiable, o.minimum, o.valeur, o.maximum, v);
        break;
    default:
        return nullptr;
    }
    objet->desactiveEvenements();
    ecrits[objet] = ArgumentsEcrits{o.argument, o.legende};
    return objet;
}

std::vector<CObjetGDI*> MiseEnPage::batis(CFenetre& fenetre, ArgumentsParObjet& ecrits) const
{
    std::vector<CObjetGDI*> anciens;
    for (Noeud<CObjetGDI*>* n = fenetre.enfants.tete; n; n = n->suivant) {
        ObjetPlace o;
        if (prendsObjet(n->element, nullptr, o))
            anciens.push_back(n->element);
    }
    for (CObjetGDI* objet : anciens) {
        fenetre.retireObjetGDI(objet);
        // Aucun pointeur ne doit survivre à l'objet.
        if (fenetre.capture == objet)
            fenetre.capture = nullptr;
        ecrits.erase(objet);
        delete objet;
    }
    fenetre.setLimites(pleinEcran ? PLEIN_ECRAN : limites);
    ecrits[&fenetre] = ArgumentsEcrits{habillage, true};
    std::vector<CObjetGDI*> crees(objets.size(), nullptr);
    // Du premier plan vers l'arrière, chacun derrière les précédents : les fenêtres ouvertes
    // (l'aide) restent devant.
    for (size_t i = objets.size(); i-- > 0;) {
        crees[i] = creeObjet(objets[i], ecrits);
        if (crees[i])
            fenetre.ajouteObjetGDIDerriere(crees[i]);
    }
    return crees;
}

std::string MiseEnPage::ligne(const ObjetPlace& o)
{
    const char* a = o.argument.c_str();
    switch (o.genre) {
    case TYPE_TEXTE:
        return ligneTexte(o.limites, o.texte.c_str());
    case TYPE_BOUTON:
        return ligneBouton(o.limites, o.legende, o.texte.c_str(), a);
    case TYPE_COCHE:
        return ligneCoche(o.limites.hautGauche, o.cochee, a);
    case TYPE_IMAGE:
        return ligneImage(o.limites, a);
    case TYPE_PROGRESSION:
        return ligneProgression(o.limites.hautGauche, o.largeur, o.modifiable, o.minimum, o.valeur,
                                o.maximum, a);
    default:
        return std::string();
    }
}

std::string MiseEnPage::source() const
{
    std::string s = enteteSource(pleinEcran, limites, habillage.c_str());
    // De l'arrière vers le premier plan : chaque ajouteObjetGDI du fichier met son objet devant
    // les précédents, ce qui rebâtit l'empilement.
    for (const ObjetPlace& o : objets)
        s += ligne(o);
    return s + finSource();
}
