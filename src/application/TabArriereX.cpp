// TabArriereX : plusieurs clients X peuvent écouter KeyPress sur la même fenêtre ; celui-ci
// n'écoute que cela et ne garde que ISO_Left_Tab, la seule touche que freeglut perd.
#include "application/TabArriereX.h"

#include "application/Entrees.h"
#include "widgets/Clavier.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace
{
Display* affichage = nullptr;

// Une fenêtre déjà disparue : ignorée, au lieu du gestionnaire de Xlib qui termine le processus.
int ignoreErreur(Display*, XErrorEvent*)
{
    return 0;
}
} // namespace

bool ouvreTabArriereX(unsigned long fenetreGLUT)
{
    if (affichage || !fenetreGLUT)
        return affichage != nullptr;
    affichage = XOpenDisplay(nullptr);
    if (!affichage)
        return false;
    XErrorHandler ancien = XSetErrorHandler(ignoreErreur);
    XSelectInput(affichage, fenetreGLUT, KeyPressMask);
    XSync(affichage, False);
    XSetErrorHandler(ancien);
    return true;
}

void serviceTabArriereX()
{
    if (!affichage)
        return;
    while (XPending(affichage)) {
        XEvent e;
        XNextEvent(affichage, &e);
        if (e.type != KeyPress)
            continue;
        KeySym symbole = NoSymbol;
        char octets[8];
        XLookupString(&e.xkey, octets, sizeof octets, &symbole, nullptr);
        if (symbole == XK_ISO_Left_Tab)
            clavierModifie(9, MODIFICATEUR_MAJ);
    }
}

int descripteurTabArriereX()
{
    return affichage ? ConnectionNumber(affichage) : -1;
}

void fermeTabArriereX()
{
    if (affichage)
        XCloseDisplay(affichage);
    affichage = nullptr;
}
