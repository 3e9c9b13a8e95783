// Document : passage entre les objets vivants de la fenêtre éditée et sa mise en page, arguments
// écrits, mise en page lue et historique.
#include "editor/Document.h"

#include "containers/CFenetre.h"
#include "editor/GenerateurSource.h"
#include "render/SkinBouton.h"
#include "render/SkinCoche.h"
#include "render/SkinProgression.h"
#include "render/Texture.h"
#include "widgets/CBouton.h"
#include "widgets/CCoche.h"
#include "widgets/CImage.h"
#include "widgets/CProgression.h"
#include "widgets/CRadio.h"
#include "widgets/CSaisie.h"
#include "widgets/CTexte.h"

const Rect SOURCE_IMAGE_CREEE = {{0, 0}, {256, 256}};

namespace
{
const char* ouVide(const char* texte)
{
    return texte ? texte : "";
}
} // namespace

bool Document::prendsObjet(CObjetGDI* objet, const ArgumentsParObjet* ecrits, ObjetPlace& o)
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
        // Avec sa légende, la case est l'autre genre, au constructeur à quatre arguments.
        o.genre = coche->legende() ? TYPE_COCHE_LEGENDEE : TYPE_COCHE;
        o.limites = Rect{coche->limites.hautGauche, coche->limites.hautGauche};
        o.cochee = coche->cochee;
        o.texte = ouVide(coche->legende());
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
    } else if (CSaisie* champ = dynamic_cast<CSaisie*>(objet)) {
        o.genre = TYPE_SAISIE;
        o.limites = champ->limites;
        o.texte = champ->contenu();
        o.longueurMax = champ->longueurMax();
    } else if (CRadio* choix = dynamic_cast<CRadio*>(objet)) {
        o.genre = TYPE_RADIO;
        o.limites = Rect{choix->limites.hautGauche, choix->limites.hautGauche};
        o.texte = ouVide(choix->legende());
        o.groupe = choix->groupe;
    } else {
        return false;
    }
    o.nom = objet->nom;
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

MiseEnPage Document::prends(CFenetre& fenetre, const ArgumentsParObjet* ecrits)
{
    MiseEnPage m;
    m.pleinEcran = fenetre.estPleinEcran();
    m.limites = m.pleinEcran ? PLEIN_ECRAN : fenetre.limites;
    if (ecrits) {
        auto e = ecrits->find(&fenetre);
        if (e != ecrits->end()) {
            m.habillage = e->second.argument;
            if (!e->second.classe.empty())
                m.classe = e->second.classe;
        }
    }
    for (Noeud<CObjetGDI*>* n = fenetre.enfants.queue; n; n = n->precedent) {
        ObjetPlace o;
        if (prendsObjet(n->element, ecrits, o))
            m.objets.push_back(o);
    }
    return m;
}

CObjetGDI* Document::creeObjet(const ObjetPlace& o, ArgumentsParObjet& ecrits)
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
    case TYPE_SAISIE:
        objet = new CSaisie(r, o.texte.c_str(), o.longueurMax);
        break;
    case TYPE_COCHE_LEGENDEE:
        objet = new CCoche(p, o.cochee, v, texteDurable(o.texte));
        break;
    case TYPE_RADIO:
        objet = new CRadio(p, texteDurable(o.texte), o.groupe);
        break;
    default:
        return nullptr;
    }
    metEnApercu(objet);
    objet->nom = o.nom;
    ecrits[objet] = ArgumentsEcrits{o.argument, o.legende, {}};
    return objet;
}

void Document::metEnApercu(CObjetGDI* objet)
{
    objet->desactiveEvenements();
    // Un champ coupé se dessine pâli ; posé, il doit paraître tel que le programme le montrera.
    if (CSaisie* champ = dynamic_cast<CSaisie*>(objet))
        champ->apercu = true;
}

std::vector<CObjetGDI*> Document::batis(const MiseEnPage& m, CFenetre& fenetre,
                                        ArgumentsParObjet& ecrits)
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
    fenetre.setLimites(m.pleinEcran ? PLEIN_ECRAN : m.limites);
    ecrits[&fenetre] = ArgumentsEcrits{m.habillage, true, m.classe};
    std::vector<CObjetGDI*> crees(m.objets.size(), nullptr);
    // Du premier plan vers l'arrière, chacun derrière les précédents : les fenêtres ouvertes
    // (l'aide) restent devant.
    for (size_t i = m.objets.size(); i-- > 0;) {
        crees[i] = creeObjet(m.objets[i], ecrits);
        if (crees[i])
            fenetre.ajouteObjetGDIDerriere(crees[i]);
    }
    return crees;
}

MiseEnPage Document::prends(CFenetre& fenetre) const
{
    return prends(fenetre, &ecrits);
}

bool Document::prendsObjet(CObjetGDI* objet, ObjetPlace& o) const
{
    return prendsObjet(objet, &ecrits, o);
}

CObjetGDI* Document::creeObjet(const ObjetPlace& o)
{
    return creeObjet(o, ecrits);
}

std::vector<CObjetGDI*> Document::batis(const MiseEnPage& m, CFenetre& fenetre)
{
    return batis(m, fenetre, ecrits);
}

void Document::ouvre(const MiseEnPage& m, const std::string& texte, CFenetre& fenetre)
{
    batis(m, fenetre);
    initiale = prends(fenetre);
    texteInitial = texte;
    historique.vide();
}

void Document::oublie(const CObjetGDI* objet)
{
    ecrits.erase(objet);
}

Etape Document::etat(CFenetre& fenetre, const CObjetGDI* selection) const
{
    Etape e;
    e.miseEnPage = prends(fenetre);
    int i = 0;
    for (Noeud<CObjetGDI*>* n = fenetre.enfants.queue; n; n = n->precedent) {
        ObjetPlace o;
        if (!prendsObjet(n->element, nullptr, o))
            continue;
        if (n->element == selection)
            e.selection = i;
        ++i;
    }
    return e;
}

CObjetGDI* Document::restaure(const Etape& etape, CFenetre& fenetre)
{
    const std::vector<CObjetGDI*> crees = batis(etape.miseEnPage, fenetre);
    if (etape.selection >= 0 && size_t(etape.selection) < crees.size())
        return crees[size_t(etape.selection)];
    return nullptr;
}

std::string ligneObjet(CObjetGDI* objet)
{
    ObjetPlace o;
    return Document::prendsObjet(objet, nullptr, o) ? ligneObjet(o) : std::string();
}

std::string texteSource(CFenetre& fenetre)
{
    return texteSource(Document::prends(fenetre, nullptr));
}
