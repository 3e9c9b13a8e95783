// PlateformeGLUT : services GLUT de plateforme, ouverture de la fenêtre ou de l'écran du mode jeu
// et rappels de la boucle, communs à l'éditeur et à lanceApplication.
#pragma once

// Horloge, affichage, sortie du mode jeu et arrêt de la boucle par GLUT ; après glutInit.
void installePlateformeGLUT();

// Tampon double RGBA, puis le mode jeu "1024x768:32" et le curseur du système caché ; false
// quand le mode est impossible ou refusé au changement.
bool ouvreModeJeu();
// Tampon double RGBA, puis une fenêtre de premier niveau de largeur x hauteur en (0,0) nommée
// titre, curseur du système caché ; false quand elle ne peut pas s'ouvrir.
bool ouvreFenetre(const char* titre, int largeur, int hauteur);
// Quitte le mode jeu s'il est actif, détruit les fenêtres et rend GLUT à son état d'avant
// glutInit ; pour un démarrage qui échoue après l'ouverture.
void fermeGLUT();

// Un service de plus pour la boucle : appelé sur son fil à chaque tour, et l'attente se termine
// quand descripteur (s'il n'est pas -1) a de quoi lire ; par exemple une seconde connexion X,
// ConnectionNumber(affichage), et la fonction qui traite ses événements sans bloquer. Réinscrit,
// un service ne prend que son nouveau descripteur.
void ajouteServiceAttente(int descripteur, void (*service)());

// Inscrit les rappels d'affichage, de taille, de clavier, de souris, d'entrée et de fermeture,
// puis tourne la boucle jusqu'à arreteBoucle ou la fermeture de la fenêtre, en attendant les
// événements quand la politique est à la demande et que rien n'est dû ; défait GLUT à la fin.
void tourneBoucle();
