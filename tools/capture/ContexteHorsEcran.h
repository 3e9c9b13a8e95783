// ContexteHorsEcran : un contexte OpenGL de compatibilité sur une surface hors écran de la taille
// de l'écran, par Mesa sans serveur d'affichage (EGL, plateforme « surfaceless »).
#pragma once

// Faux quand EGL ou Mesa ne peuvent pas l'ouvrir ; sinon il est courant.
bool ouvreContexte();
