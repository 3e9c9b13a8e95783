// Exemple SDL2 : la fenêtre dessinée dans l'éditeur, dans une fenêtre et un contexte OpenGL de
// SDL2, menée par la boucle du programme au lieu de lanceApplication ; elle attend les événements
// et ne dessine que les images dues.
#include <wexo/Fenetre1.h>
#include <wexo/Integration.h>

#include <SDL.h>

#include <cstdio>

int main()
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL : %s\n", SDL_GetError());
        return 1;
    }
    CFenetre1* fenetre = new CFenetre1;
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
    SDL_GL_SetSwapInterval(1);
    // Le curseur animé de la boîte à outils remplace celui du système.
    SDL_ShowCursor(SDL_DISABLE);
    // Un travail posté d'un autre fil (posteDansBoucle) réveille l'attente.
    poseReveil([] {
        SDL_Event reveil{};
        reveil.type = SDL_USEREVENT;
        SDL_PushEvent(&reveil);
    });
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
                envoieBoutonSouris(e.button.button - 1, e.type == SDL_MOUSEBUTTONDOWN);
            } else if (e.type == SDL_KEYDOWN && e.key.keysym.sym < 128)
                envoieTouche(static_cast<unsigned char>(e.key.keysym.sym));
            else if (e.type == SDL_KEYDOWN && e.key.keysym.sym >= SDLK_F1 &&
                     e.key.keysym.sym <= SDLK_F12)
                envoieToucheSpeciale(1 + e.key.keysym.sym - SDLK_F1);
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
    SDL_GL_DeleteContext(contexte);
    SDL_DestroyWindow(affichage);
    SDL_Quit();
    return 0;
}
