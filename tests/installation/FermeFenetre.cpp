// FermeFenetre : demande à une fenêtre de se fermer comme le ferait le bouton de fermeture d'un
// gestionnaire de fenêtres, par le message WM_DELETE_WINDOW.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage : ferme_fenetre <identifiant de fenêtre, 0x...>\n", stderr);
        return 2;
    }
    Display* affichage = XOpenDisplay(nullptr);
    if (!affichage) {
        std::fputs("ferme_fenetre : pas d'affichage\n", stderr);
        return 1;
    }
    const Window fenetre = Window(std::strtoul(argv[1], nullptr, 0));
    XEvent message = {};
    message.xclient.type = ClientMessage;
    message.xclient.window = fenetre;
    message.xclient.message_type = XInternAtom(affichage, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = long(XInternAtom(affichage, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    const Status envoye = XSendEvent(affichage, fenetre, False, NoEventMask, &message);
    XSync(affichage, False);
    XCloseDisplay(affichage);
    return envoye ? 0 : 1;
}
