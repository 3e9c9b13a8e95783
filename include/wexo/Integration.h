/// @file
/// <wexo/Integration.h> : la boîte à outils dans la boucle d'un programme qui a déjà la sienne
/// et son contexte OpenGL (SDL, GLFW, une fenêtre X...), sans GLUT : la même boucle que
/// lanceApplication et l'éditeur, appelée par morceaux.
///
/// Chaque tour de la boucle du programme :
///  1. passer les entrées reçues, dans leur ordre : envoieMouvementSouris,
///     envoieBoutonSouris, envoieTouche, envoieToucheSpeciale ; chacune met d'abord l'arbre à
///     jour (positions de la souris et survols), puis livre le bouton ou la touche ;
///  2. tourBoiteAOutils : horloge, travaux postés, minuteries et mise à jour ; faux quand la
///     boîte à outils a fini (Échap, quitteApplication, dernière fenêtre fermée) ;
///  3. si imageADessiner : dessineBoiteAOutils, puis l'échange des tampons par le programme ;
///  4. attendre les événements au plus delaiAvantImage millisecondes.
///
/// Exemple (SDL2, la fenêtre ouverte à tailleAffichage et son contexte courant ; un fil qui
/// poste réveille l'attente par un événement SDL) :
/// @code
/// demarreBoiteAOutils(fenetre);
/// poseReveil([] { SDL_Event r{}; r.type = SDL_USEREVENT; SDL_PushEvent(&r); });
/// for (bool encore = true; encore;) {
///     SDL_Event e;
///     for (bool recu = SDL_WaitEventTimeout(&e, delaiAvantImage()); recu; recu =
///     SDL_PollEvent(&e))
///         if (e.type == SDL_MOUSEMOTION)
///             envoieMouvementSouris(e.motion.x, e.motion.y);
///         // ... boutons et touches de même
///     encore = tourBoiteAOutils();
///     if (imageADessiner()) {
///         dessineBoiteAOutils(largeur, hauteur);
///         SDL_GL_SwapWindow(w);
///     }
/// }
/// arreteBoiteAOutils();
/// @endcode
/// Un programme qui dessine à chaque tour sans lire imageADessiner garde sa boucle d'avant.
#pragma once

#include "Application.h"

#include <functional>
#include <string>

class CFenetre;

/// Les boutons de envoieBoutonSouris.
enum BoutonSouris {
    BOUTON_SOURIS_GAUCHE = 0, ///< bouton gauche : appuis, clics, glissements
    BOUTON_SOURIS_MILIEU = 1, ///< bouton du milieu : n'apporte que la mise à jour
    BOUTON_SOURIS_DROIT = 2   ///< bouton droit
};

/// Range dans largeur et hauteur la taille, en pixels, de l'affichage qui montre fenetre telle
/// quelle : la taille de ses limites, quelle qu'elle soit, et 1024 x 768 (l'écran de la boîte à
/// outils) pour une fenêtre posée sur PLEIN_ECRAN ; 0 x 0 sans fenêtre.
void tailleAffichage(const CFenetre* fenetre, int& largeur, int& hauteur);

/// Prépare la boîte à outils dans le contexte OpenGL courant : horloge, état OpenGL, images et
/// police (lues comme par lanceApplication), puis un fond à la taille de tailleAffichage(fenetre)
/// qui porte fenetre en (0,0). Prend fenetre à sa charge. Faux, après l'avoir dit sur la sortie
/// d'erreur et détruit fenetre, quand une image manque ou que la boîte à outils tourne déjà.
bool demarreBoiteAOutils(CFenetre* fenetre, const char* imagesInstallees = WEXO_IMAGES_INSTALLEES);

/// La souris en (x, y), en pixels depuis le coin haut-gauche de l'affichage ; met l'arbre à jour.
void envoieMouvementSouris(int x, int y);
/// La souris entre au-dessus de l'affichage (vrai) ou le quitte (faux) : tant qu'elle est
/// dessus, le curseur animé demande ses images ; un mouvement envoyé la dit dessus.
void envoieSourisDedans(bool dedans);
/// Un bouton (BoutonSouris) enfoncé ou relâché à la dernière position envoyée : mise à jour,
/// puis appui ou clic ; modificateurs comme envoieTouche (Maj+clic étend la sélection d'un
/// champ).
void envoieBoutonSouris(int bouton, bool enfonce, int modificateurs = 0);
/// Un caractère (Échap 27, Entrée 13, Espace 32, Tab 9, Retour arrière 8, Suppr 127...) :
/// mise à jour, puis la touche, l'objet qui a le focus d'abord ; Échap finit quand rien ne
/// s'en est servi (voir lanceApplication). modificateurs : somme de Modificateur (Maj 1,
/// Ctrl 2, Alt 4), lus par modificateursClavier pendant la livraison. Comme sous GLUT, une
/// lettre avec Ctrl devient son octet de commande : envoieTouche('v', MODIFICATEUR_CTRL)
/// livre 22.
void envoieTouche(unsigned char touche, int modificateurs = 0);
/// Une touche spéciale, aux codes de GLUT (F1 à F12 : 1 à 12 ; flèches gauche, haut, droite,
/// bas : 100 à 103 ; début 106, fin 107), avec ses modificateurs comme envoieTouche : mise à
/// jour, puis la touche.
void envoieToucheSpeciale(int touche, int modificateurs = 0);

/// Un texte tapé, en UTF-8 (l'événement de saisie de texte de SDL, par exemple) : chaque
/// caractère converti en Windows-1252 est livré comme par envoieTouche. Un caractère hors de
/// Windows-1252 est omis, une suite d'octets qui n'est pas de l'UTF-8 aussi, et les caractères
/// de contrôle (Échap, Entrée, Tab : des touches, à passer par envoieTouche).
void envoieTexte(const char* utf8);

/// Donne aux champs de saisie le presse-papiers de l'hôte : lit rend son texte, ecrit le
/// remplace, tous deux en UTF-8 (la boîte à outils convertit depuis et vers Windows-1252). Deux
/// fonctions vides rendent le presse-papiers interne au processus, celui par défaut ;
/// lanceApplication installe celui du bureau (la sélection CLIPBOARD de X) le temps de sa
/// boucle. Avec SDL2 :
/// @code
/// installePressePapiers(
///     [] {
///         char* t = SDL_GetClipboardText();
///         std::string s = t ? t : "";
///         SDL_free(t);
///         return s;
///     },
///     [](const std::string& s) { SDL_SetClipboardText(s.c_str()); });
/// @endcode
void installePressePapiers(std::function<std::string()> lit,
                           std::function<void(const std::string&)> ecrit);

/// Un tour : horloge, curseur, mise à jour de l'arbre (fenêtres fermées détruites). Faux quand
/// la boîte à outils a fini : Échap, quitteApplication ou sa dernière fenêtre fermée ; il
/// reste alors à appeler arreteBoiteAOutils.
bool tourBoiteAOutils();

/// Vrai quand le dernier tourBoiteAOutils a trouvé une image due (entrée, changement,
/// demandeImage, image du curseur animé, imagesContinues) et qu'elle n'est pas encore dessinée.
bool imageADessiner();

/// Millisecondes que le programme peut attendre ses événements avant le prochain tour utile
/// (image demandée, minuterie, image du curseur animé) : 0 tout de suite (image à dessiner,
/// travail posté d'un autre fil), -1 sans limite ; tel quel pour SDL_WaitEventTimeout.
int delaiAvantImage();

/// Appelée depuis le fil qui poste (posteDansBoucle), après l'envoi : au programme de réveiller
/// son attente, par exemple par SDL_PushEvent d'un SDL_USEREVENT. Vide : aucun réveil.
void poseReveil(std::function<void()> reveil);

/// Dessine une image dans l'affichage courant de largeur x hauteur pixels (efface, l'arbre, le
/// curseur animé), sans échanger les tampons ; l'état OpenGL de la boîte à outils est reposé
/// d'abord, si bien que le programme peut dessiner autre chose entre deux images. Le fond suit
/// la taille donnée, la fenêtre restant en (0,0). Les primitives que le programme appelle
/// ensuite (un dessin par-dessus) partent chacune à sa fin, dans les coordonnées de la boîte à
/// outils, avant son échange des tampons.
void dessineBoiteAOutils(int largeur, int hauteur);

/// Pose la taille de l'affichage (largeur x hauteur pixels, celle de l'image) et sa vue OpenGL :
/// les coordonnées de la boîte à outils, pixel pour pixel, depuis le coin haut-gauche, quelle
/// que soit la taille ; les gestionnaires de dessin gardent les coordonnées OpenGL (x, 768 - y).
void ajusteVue(int largeur, int hauteur);

/// Détruit la fenêtre et le fond ; demarreBoiteAOutils peut être rappelée ensuite.
void arreteBoiteAOutils();
