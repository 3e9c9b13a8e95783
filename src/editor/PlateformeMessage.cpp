// PlateformeMessage : la boîte de message modale, dessinée par SDL dans sa propre fenêtre X.
#include "editor/PlateformeMessage.h"

#include "application/Plateforme.h"

#include <SDL2/SDL.h>

#include <cstdio>

namespace
{
// Entrée répond OK ; Échap répond Annuler, ou OK quand il est seul.
void boiteMessageSDL(const char* titre, const char* texte, bool avecAnnuler)
{
    const SDL_MessageBoxButtonData boutons[2] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT |
             (avecAnnuler ? 0u : Uint32(SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT)),
         1, "OK"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "Annuler"},
    };
    const SDL_MessageBoxData boite = {
        SDL_MESSAGEBOX_ERROR | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
        nullptr,
        titre,
        texte,
        avecAnnuler ? 2 : 1,
        boutons,
        nullptr,
    };
    int reponse = -1;
    if (SDL_ShowMessageBox(&boite, &reponse) < 0)
        std::fprintf(stderr, "Boîte de message impossible : %s\n", SDL_GetError());
}
} // namespace

void installeBoiteMessage()
{
    plateforme.boiteMessage = boiteMessageSDL;
}
