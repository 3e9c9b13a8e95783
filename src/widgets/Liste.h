// Liste : liste doublement chaînée de pointeurs, pour les listes d'événements et les enfants.
#pragma once

#include <cstdint>

template <class T> struct Noeud {
    T element;
    Noeud* precedent; // nul en tête
    Noeud* suivant;   // nul en queue
};

// Ce qu'une liste fait de l'élément d'un nœud qu'elle libère : rien par défaut ;
// une liste de gestionnaires possède les siens (voir Gestionnaire.h).
template <class T> struct LiberationElement {
    static void libere(T) {}
};

template <class T> class Liste
{
  public:
    Noeud<T>* tete = nullptr;
    Noeud<T>* queue = nullptr;
    uint16_t nombre = 0;

    Liste() = default;
    Liste(const Liste&) = delete;
    Liste& operator=(const Liste&) = delete;
    ~Liste() { vide(); }

    // Ajoute en queue.
    void ajoute(T element) { insereEntre(element, queue, nullptr); }

    // Insère en tête.
    void insereEnTete(T element) { insereEntre(element, nullptr, tete); }

    // Retire le premier nœud qui porte cet élément ; sans effet s'il n'y en a pas.
    void retire(T element)
    {
        for (Noeud<T>* n = tete; n; n = n->suivant) {
            if (n->element == element) {
                libereNoeud(n);
                return;
            }
        }
    }

    // Retire tous les nœuds, toujours par la tête.
    void vide()
    {
        while (tete)
            libereNoeud(tete);
    }

    bool contient(T element) const
    {
        for (Noeud<T>* n = tete; n; n = n->suivant)
            if (n->element == element)
                return true;
        return false;
    }

  private:
    // Un nœud entre deux voisins, dont l'un ou l'autre peut manquer au bout de la liste.
    void insereEntre(T element, Noeud<T>* precedent, Noeud<T>* suivant)
    {
        Noeud<T>* n = new Noeud<T>{element, precedent, suivant};
        (precedent ? precedent->suivant : tete) = n;
        (suivant ? suivant->precedent : queue) = n;
        ++nombre;
    }

    void libereNoeud(Noeud<T>* n)
    {
        if (n->precedent)
            n->precedent->suivant = n->suivant;
        else
            tete = n->suivant;
        if (n->suivant)
            n->suivant->precedent = n->precedent;
        else
            queue = n->precedent;
        --nombre;
        T element = n->element;
        delete n;
        LiberationElement<T>::libere(element);
    }
};
