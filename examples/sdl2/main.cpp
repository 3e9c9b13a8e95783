// Exemple SDL2 : la fenêtre dessinée dans l'éditeur, dans une fenêtre et un contexte OpenGL de
// SDL2, menée par la boucle du programme au lieu de lanceApplication ; elle attend les événements
// et ne dessine que les images dues ; un champ y reçoit le texte de SDL, le presse-papiers est
// celui de SDL.
#include <wexo/Fenetre1.h>
#include <wexo/Integration.h>

#include <SDL.h>

#include <cstdio>

namespace
{
int modificateurs(Uint16 m)
{
    return (m & KMOD_SHIFT ? MODIFICATEUR_MAJ : 0) | (m & KMOD_CTRL ? MODIFICATEUR_CTRL : 0) |
           (m & KMOD_ALT ? MODIFICATEUR_ALT : 0);
}

// Le code GLUT d'une touche spéciale de SDL, 0 pour les autres.
int toucheSpeciale(SDL_Keycode k)
{
    if (k >= SDLK_F1 && k <= SDLK_F12)
        return 1 + k - SDLK_F1;
    const SDL_Keycode sdl[] = {SDLK_LEFT,     SDLK_UP,   SDLK_RIGHT, SDLK_DOWN,  SDLK_PAGEUP,
                               SDLK_PAGEDOWN, SDLK_HOME, SDLK_END,   SDLK_INSERT};
    for (int i = 0; i < 9; ++i)
        if (k == sdl[i])
            return 100 + i;
    return 0;
}

// Une touche enfoncée : les caractères imprimables viennent de SDL_TEXTINPUT, sauf avec Ctrl
// (Ctrl+V...) ; restent les touches de commande et les touches spéciales.
void envoieToucheSDL(const SDL_Keysym& touche)
{
    const int m = modificateurs(touche.mod);
    const SDL_Keycode k = touche.sym == SDLK_KP_ENTER ? SDLK_RETURN : touche.sym;
    if (const int speciale = toucheSpeciale(k))
        envoieToucheSpeciale(speciale, m);
    else if (k < 32 || k == SDLK_DELETE || (k < 128 && (m & MODIFICATEUR_CTRL)))
        envoieTouche(static_cast<unsigned char>(k), m);
}
} // namespace

int main()
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL : %s\n", SDL_GetError());
        return 1;
    }
    CFenetre1* fenetre = new CFenetre1;
    // Les légendes sont écrites en UTF-8 dans ce source : depuisUtf8 les donne en Windows-1252.
    static const std::string legende = depuisUtf8("Écrivez, puis Entrée :");
    static const std::string creer = depuisUtf8("<centre>Créer");
    fenetre->trouve<CTexte>(0)->setTexte(legende.c_str());
    fenetre->trouve<CBouton>(0)->setTexte(creer.c_str());
    CSaisie* champ = new CSaisie(MakeRect(353, 330, 693, 358));
    fenetre->ajouteObjetGDI(champ);
    fenetre->donneFocus(champ);
    ajouteGestionnaire(champ->validation, [champ](CObjetGDI*) {
        std::printf("%s\n", versUtf8(champ->contenu()).c_str());
        std::fflush(stdout);
    });
    int largeur = 0, hauteur = 0;
    tailleAffichage(fenetre, largeur, hauteur);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_Window* affichage =
        SDL_CreateWindow("Wexo dans SDL2", 0, 0, largeur, hauteur, SDL_WINDOW_OPENGL);
    SDL_GLContext contexte = affichage ? SDL_GL_CreateContext(affichage) : nullptr;
    if (!contexte || !demarreBoiteAOutils(fenetre)) {
        std::fprintf(stderr, "SDL : %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    installePressePapiers(
        [] {
            char* t = SDL_GetClipboardText();
            const std::string s = t ? t : "";
            SDL_free(t);
            return s;
        },
        [](const std::string& s) { SDL_SetClipboardText(s.c_str()); });
    SDL_GL_SetSwapInterval(1);
    // Le curseur animé de la boîte à outils remplace celui du système.
    SDL_ShowCursor(SDL_DISABLE);
    // Un travail posté d'un autre fil (posteDansBoucle) réveille l'attente.
    poseReveil([] {
        SDL_Event reveil{};
        reveil.type = SDL_USEREVENT;
        SDL_PushEvent(&reveil);
    });
    SDL_StartTextInput();
    for (bool encore = true; encore;) {
        SDL_Event e;
        for (int recu = SDL_WaitEventTimeout(&e, delaiAvantImage()); recu;
             recu = SDL_PollEvent(&e)) {
            if (e.type == SDL_QUIT)
                quitteApplication();
            else if (e.type == SDL_MOUSEMOTION)
                envoieMouvementSouris(e.motion.x, e.motion.y);
            else if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) {
                // SDL compte les boutons depuis 1 (gauche, milieu, droit).
                envoieMouvementSouris(e.button.x, e.button.y);
                envoieBoutonSouris(e.button.button - 1, e.type == SDL_MOUSEBUTTONDOWN,
                                   modificateurs(SDL_GetModState()));
            } else if (e.type == SDL_TEXTINPUT)
                envoieTexte(e.text.text);
            else if (e.type == SDL_KEYDOWN)
                envoieToucheSDL(e.key.keysym);
            else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_LEAVE)
                envoieSourisDedans(false);
            else if (e.type == SDL_WINDOWEVENT)
                demandeImage(); // découverte, retaillée : l'image est à refaire
        }
        encore = tourBoiteAOutils();
        if (imageADessiner()) {
            dessineBoiteAOutils(largeur, hauteur);
            SDL_GL_SwapWindow(affichage);
        }
    }
    arreteBoiteAOutils();
    // SDL 2 se réveille par une seconde connexion X qui vise la fenêtre : laisser arriver ce
    // réveil avant de la détruire, sinon le serveur peut le recevoir après (BadWindow, code 1).
    for (SDL_Event e; SDL_WaitEventTimeout(&e, 20);) {
    }
    SDL_GL_DeleteContext(contexte);
    SDL_DestroyWindow(affichage);
    SDL_Quit();
    return 0;
}
