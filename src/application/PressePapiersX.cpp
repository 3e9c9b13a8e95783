// PressePapiersX : copier prend la sélection CLIPBOARD et garde le texte pour qui le demande ;
// coller demande la conversion au propriétaire et l'attend un temps borné, en servant les
// demandes qui arrivent entre-temps. Textes en UTF-8, comme l'hôte de installePressePapiers.
#include "application/PressePapiersX.h"

#include "wexo/Integration.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <climits>
#include <string>

namespace
{
// Attente au plus d'une réponse du propriétaire de la sélection.
const int ATTENTE_MS = 1000;

Display* affichage = nullptr;
Window fenetre = 0;
Atom clipboard, utf8String, targets, propriete;
bool proprietaire = false;
std::string texteCopie; // UTF-8

// Les erreurs d'un demandeur disparu entre sa demande et la réponse : ignorées, au lieu du
// gestionnaire par défaut de Xlib qui termine le processus.
int ignoreErreur(Display*, XErrorEvent*)
{
    return 0;
}

std::string latin1(const std::string& utf8)
{
    std::string s;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            s += char(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            s += char(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else if ((c & 0xC0) != 0x80) {
            // Hors de Latin-1 : un '?' par caractère, ses octets de suite sautés.
            s += '?';
        }
    }
    return s;
}

std::string depuisLatin1(const std::string& l)
{
    std::string s;
    for (const char o : l) {
        const unsigned char c = static_cast<unsigned char>(o);
        if (c < 0x80) {
            s += char(c);
        } else {
            s += char(0xC0 | (c >> 6));
            s += char(0x80 | (c & 0x3F));
        }
    }
    return s;
}

// Répond à une demande de la sélection : la liste des cibles, ou le texte en UTF-8 ou Latin-1.
void repond(const XSelectionRequestEvent& r)
{
    XSelectionEvent reponse = {};
    reponse.type = SelectionNotify;
    reponse.display = r.display;
    reponse.requestor = r.requestor;
    reponse.selection = r.selection;
    reponse.target = r.target;
    reponse.time = r.time;
    reponse.property = None;
    // Les très vieux clients ne nomment pas de propriété : la cible en tient lieu.
    const Atom cible = r.property != None ? r.property : r.target;
    XErrorHandler ancien = XSetErrorHandler(ignoreErreur);
    if (proprietaire && r.selection == clipboard) {
        if (r.target == targets) {
            const Atom liste[] = {targets, utf8String, XA_STRING};
            XChangeProperty(affichage, r.requestor, cible, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(liste), 3);
            reponse.property = cible;
        } else if (r.target == utf8String || r.target == XA_STRING) {
            const std::string s = r.target == XA_STRING ? latin1(texteCopie) : texteCopie;
            XChangeProperty(affichage, r.requestor, cible, r.target, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(s.data()), int(s.size()));
            reponse.property = cible;
        }
    }
    XSendEvent(affichage, r.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reponse));
    XSync(affichage, False);
    XSetErrorHandler(ancien);
}

void traite(XEvent& e)
{
    if (e.type == SelectionRequest)
        repond(e.xselectionrequest);
    else if (e.type == SelectionClear && e.xselectionclear.selection == clipboard)
        proprietaire = false;
}

void ecrit(const std::string& utf8)
{
    if (!affichage)
        return;
    texteCopie = utf8;
    XSetSelectionOwner(affichage, clipboard, fenetre, CurrentTime);
    proprietaire = XGetSelectionOwner(affichage, clipboard) == fenetre;
}

// Ce que le propriétaire a répondu à une demande de conversion.
enum Reponse { LUE, REFUSEE, MUETTE };

// Attend la réponse à XConvertSelection vers cible, au plus ATTENTE_MS.
Reponse attendReponse(Atom cible, std::string& texte)
{
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(ATTENTE_MS);
    for (;;) {
        while (XPending(affichage)) {
            XEvent e;
            XNextEvent(affichage, &e);
            if (e.type != SelectionNotify || e.xselection.requestor != fenetre) {
                traite(e);
                continue;
            }
            // La réponse tardive à une demande abandonnée n'est pas la nôtre.
            if (e.xselection.target != cible)
                continue;
            if (e.xselection.property == None)
                return REFUSEE;
            Atom type;
            int format;
            unsigned long n, reste;
            unsigned char* donnees = nullptr;
            if (XGetWindowProperty(affichage, fenetre, propriete, 0, LONG_MAX / 4, True,
                                   AnyPropertyType, &type, &format, &n, &reste,
                                   &donnees) != Success)
                return REFUSEE;
            // Un texte livré par morceaux (INCR) n'est pas lu : vide.
            const bool lisible = donnees && format == 8 && type == cible;
            const std::string brut =
                lisible ? std::string(reinterpret_cast<char*>(donnees), n) : std::string();
            if (donnees)
                XFree(donnees);
            texte = cible == XA_STRING ? depuisLatin1(brut) : brut;
            return lisible ? LUE : REFUSEE;
        }
        const auto reste = std::chrono::duration_cast<std::chrono::milliseconds>(
                               limite - std::chrono::steady_clock::now())
                               .count();
        if (reste <= 0)
            return MUETTE;
        pollfd p = {ConnectionNumber(affichage), POLLIN, 0};
        poll(&p, 1, int(reste));
    }
}

std::string lit()
{
    if (!affichage)
        return std::string();
    servicePressePapiersX();
    if (proprietaire)
        return texteCopie;
    if (XGetSelectionOwner(affichage, clipboard) == None)
        return std::string();
    // UTF-8 d'abord ; un propriétaire qui le refuse donne au moins du Latin-1. Un propriétaire
    // muet n'est pas attendu deux fois : la touche ne bloque pas plus de ATTENTE_MS.
    for (const Atom cible : {utf8String, Atom(XA_STRING)}) {
        XConvertSelection(affichage, clipboard, cible, propriete, fenetre, CurrentTime);
        std::string texte;
        const Reponse r = attendReponse(cible, texte);
        if (r != REFUSEE)
            return texte;
    }
    return std::string();
}
} // namespace

bool ouvrePressePapiersX()
{
    if (affichage)
        return true;
    affichage = XOpenDisplay(nullptr);
    if (!affichage)
        return false;
    fenetre = XCreateSimpleWindow(affichage, DefaultRootWindow(affichage), 0, 0, 1, 1, 0, 0, 0);
    clipboard = XInternAtom(affichage, "CLIPBOARD", False);
    utf8String = XInternAtom(affichage, "UTF8_STRING", False);
    targets = XInternAtom(affichage, "TARGETS", False);
    propriete = XInternAtom(affichage, "WEXO_PRESSE_PAPIERS", False);
    proprietaire = false;
    XFlush(affichage);
    installePressePapiers(lit, ecrit);
    return true;
}

void servicePressePapiersX()
{
    while (affichage && XPending(affichage)) {
        XEvent e;
        XNextEvent(affichage, &e);
        traite(e);
    }
}

int descripteurPressePapiersX()
{
    return affichage ? ConnectionNumber(affichage) : -1;
}

void fermePressePapiersX()
{
    if (!affichage)
        return;
    installePressePapiers(nullptr, nullptr);
    XDestroyWindow(affichage, fenetre);
    XCloseDisplay(affichage);
    affichage = nullptr;
    proprietaire = false;
    texteCopie.clear();
}
