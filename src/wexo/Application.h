/// @file
/// <wexo/Application.h> : lanceApplication, qui montre une fenêtre de la boîte à outils dans son
/// propre écran de 1024 x 768 et fait tourner la boucle d'événements jusqu'à Échap.
#pragma once

class CFenetre;

/// @cond INTERNE
#define WEXO_CHAINE_(x) #x
#define WEXO_CHAINE(x) WEXO_CHAINE_(x)
/// @endcond

/// Dossier des images installées avec la boîte à outils, dernier recours de lanceApplication.
/// Le paquet CMake le donne en chaîne par WEXO_DOSSIER_IMAGES ; wexo.pc en chemin nu par
/// WEXO_DOSSIER_IMAGES_NU, pkg-config ne sachant pas transmettre de guillemets (le chemin doit
/// alors n'avoir ni espace ni guillemet). Nul sans l'un ni l'autre.
#if defined(WEXO_DOSSIER_IMAGES)
#define WEXO_IMAGES_INSTALLEES WEXO_DOSSIER_IMAGES
#elif defined(WEXO_DOSSIER_IMAGES_NU)
#define WEXO_IMAGES_INSTALLEES WEXO_CHAINE(WEXO_DOSSIER_IMAGES_NU)
#else
#define WEXO_IMAGES_INSTALLEES nullptr
#endif

/// Ouvre une fenêtre de premier niveau de 1024 x 768 (le mode jeu "1024x768:32" si modeJeu),
/// prépare OpenGL, charge les images et la police, ajoute fenetre à un fond plein écran, qui la
/// centre, puis fait tourner la boucle : chaque entrée met l'arbre à jour avant d'être livrée,
/// chaque tour le redessine avec le curseur animé.
///
/// Les images sont lues dans le dossier Data du dossier de travail s'il existe ; sinon dans
/// share/wexo/Data ou Data à côté de l'exécutable, puis dans imagesInstallees, évalué chez
/// l'appelant : par défaut les images installées avec la boîte à outils.
///
/// Prend fenetre à sa charge et la détruit dans tous les cas. Rend 0 après Échap ou la fermeture
/// de la fenêtre, une fois la fenêtre détruite ; une valeur non nulle quand le démarrage échoue
/// (pas d'affichage, mode jeu impossible, image absente ou illisible), après avoir dit sur la
/// sortie d'erreur quel fichier manque et quels dossiers ont été cherchés.
int lanceApplication(CFenetre* fenetre, bool modeJeu = false,
                     const char* imagesInstallees = WEXO_IMAGES_INSTALLEES);
