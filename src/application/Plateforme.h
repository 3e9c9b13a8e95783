// Plateforme : les services d'affichage que fournit GLUT, appelés par pointeurs pour que les
// tests les remplacent ; communs à l'éditeur et à lanceApplication.
#pragma once

struct Plateforme {
    // Millisecondes depuis l'initialisation de l'affichage (peut repasser par les négatifs).
    int (*temps)();
    // Demande qu'une image soit affichée au prochain tour de boucle.
    void (*demandeAffichage)();
    // Montre l'image qui vient d'être dessinée.
    void (*echangeTampons)();
    // Quitte le mode jeu ; le contexte OpenGL disparaît avec sa fenêtre.
    void (*libereAffichage)();
    // Boîte modale en UTF-8, bloquante jusqu'à la réponse ; avecAnnuler ajoute "Annuler".
    void (*boiteMessage)(const char* titre, const char* texte, bool avecAnnuler);
    // Fin du processus par la sortie normale, destructeurs statiques compris.
    void (*termine)(int code);
    // Fait rendre la main à la boucle d'événements à la fin du tour en cours.
    void (*arreteBoucle)();
    // Sort la boucle de son attente ; appelé depuis n'importe quel fil.
    void (*reveille)();
    // Titre de la fenêtre ouverte, quand il change pendant la boucle.
    void (*poseTitre)(const char* titre);
};

// Sans affichage par défaut : temps nul, appels sans effet, termine par std::exit.
// installePlateformeGLUT pose la version GLUT.
extern Plateforme plateforme;

// Remet les services par défaut.
void plateformeParDefaut();
