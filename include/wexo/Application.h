/// @file
/// <wexo/Application.h> : lanceApplication, qui montre une fenêtre de la boîte à outils dans une
/// fenêtre de sa taille et fait tourner la boucle d'événements jusqu'à Échap, quitteApplication
/// ou la fermeture de la fenêtre.
#pragma once

#include <functional>

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

/// Ouvre une fenêtre de premier niveau de la taille de fenetre (ses limites, quelle qu'elle soit ;
/// 1024 x 768 pour une fenêtre posée sur PLEIN_ECRAN), en (0,0), titrée par titreApplication,
/// qui la montre pixel pour pixel dans les coordonnées de la boîte à outils ; la personne peut la
/// retailler : le fond suit, fenetre reste en (0,0). En mode jeu (modeJeu), l'écran
/// "1024x768:32", fenetre centrée. Prépare OpenGL, charge les images et la police, puis fait
/// tourner la boucle : chaque entrée met l'arbre à jour avant d'être livrée.
///
/// La boucle ne dessine que lorsque quelque chose a changé : après une entrée, après un
/// changement fait par le code (les modificateurs setTexte, setCochee, setValeur, setLimites,
/// l'ajout, le retrait ou la fermeture d'un objet), pour les images du curseur animé tant que la
/// souris est au-dessus de la fenêtre, et sur demandeImage ; sinon elle attend les événements
/// sans consommer le processeur. Un champ posé directement (visible, valeur...) demande son image
/// par demandeImage (de <wexo/Wexo.h>). Chaque tour exécute les travaux postés (posteDansBoucle), les minuteries
/// échues (ajouteMinuterie) puis la mise à jour de l'arbre.
///
/// Les images sont lues dans le premier dossier qui les a toutes les huit : Data dans le dossier
/// de travail, share/wexo/Data ou Data à côté de l'exécutable, puis imagesInstallees, évalué chez
/// l'appelant : par défaut les images installées avec la boîte à outils.
///
/// Prend fenetre à sa charge et la détruit dans tous les cas. Rend 0 une fois la fenêtre
/// détruite, après Échap, quitteApplication, la fermeture de la fenêtre par le gestionnaire de
/// fenêtres ou sa destruction par demandeFermeture (quand le fond n'a plus de fenêtre) ; une
/// valeur non nulle quand le démarrage échoue (pas d'affichage, mode jeu impossible, image
/// absente ou illisible, appel depuis un gestionnaire d'un lanceApplication en cours), après
/// l'avoir dit sur la sortie d'erreur, avec le fichier manquant et les dossiers cherchés.
/// Terminé, lanceApplication peut être rappelé dans le même processus.
///
/// Les touches vont à fenetre, l'objet qui a le focus d'abord (CFenetre::toucheClavier). Échap
/// ne finit le programme que si rien dans fenetre ne s'en est servi : quand fenetre se sert du
/// clavier (CFenetre::utiliseClavier : un objet qui prend le focus, boutonParDefaut ou
/// boutonAnnuler), Échap lui est proposé d'abord, et un boutonAnnuler l'actionne sans finir ;
/// une fenêtre dérivée qui veut garder Échap pose CFenetre::toucheUtilisee dans sa
/// toucheClavier. Une fenêtre dérivée qui remplace toucheClavier sans appeler celle de
/// CFenetre, ou une fenêtre sans rien de cela, finit sur Échap comme avant.
int lanceApplication(CFenetre* fenetre, bool modeJeu = false,
                     const char* imagesInstallees = WEXO_IMAGES_INSTALLEES);

/// Finit lanceApplication à la fin du tour en cours (ou fait rendre faux à tourBoiteAOutils,
/// voir <wexo/Integration.h>) : à appeler depuis un gestionnaire, par exemple
/// `ajouteGestionnaire(annuler->evenements[EVT_CLIC_GAUCHE], [](CObjetGDI*) { quitteApplication();
/// });`. Sans effet hors de la boucle.
void quitteApplication();

/// Titre de la fenêtre de lanceApplication (texte de la boîte à outils, en Windows-1252 ;
/// "Wexo" par défaut), avant la boucle ou pendant : la fenêtre ouverte le prend aussitôt. Nul :
/// "Wexo".
void titreApplication(const char* titre);

/// Une image à chaque tour (vrai), pour un programme qui dessine autre chose à chaque image dans
/// un gestionnaire de dessin ; faux rend la boucle aux seules images demandées. Vaut pour la
/// boucle en cours ou la suivante ; chaque boucle commence à faux.
void imagesContinues(bool oui);

/// Appelle fonction sur le fil de la boucle toutes les ms millisecondes (au moins 1) tant
/// qu'elle rend vrai ; la première fois ms après l'appel (après le démarrage si la boucle ne
/// tourne pas encore). À appeler depuis le fil de la boucle ou avant elle ; les minuteries
/// finissent avec la boucle. La fonction demande son image si elle change quelque chose que
/// les modificateurs ne signalent pas.
void ajouteMinuterie(int ms, std::function<bool()> fonction);

/// Depuis n'importe quel fil : réveille la boucle et exécute travail sur son fil au tour suivant,
/// dans l'ordre des envois. Faux, travail détruit sans être appelé, quand aucune boucle ne
/// tourne (avant lanceApplication ou demarreBoiteAOutils, après leur fin) : un fil de travail
/// qui survit à la boucle ne touche jamais un arbre détruit.
bool posteDansBoucle(std::function<void()> travail);
