/// @file
/// Liste : liste doublement chaînée de pointeurs, pour les listes d'événements et les enfants.
#pragma once

#include <cstdint>

/// Un nœud de Liste, alloué par la liste et libéré par elle.
template <class T> struct Noeud {
    T element;        ///< la valeur portée
    Noeud* precedent; ///< nul en tête
    Noeud* suivant;   ///< nul en queue
};

/// Ce qu'une liste fait de l'élément d'un nœud qu'elle libère : rien par défaut ;
/// une liste de gestionnaires possède les siens (voir Gestionnaire.h).
template <class T> struct LiberationElement {
    /// Ne fait rien : la liste ne possède pas ses éléments.
    static void libere(T) {}
};

/// Liste doublement chaînée d'éléments copiés, pointeurs en pratique ; l'ordre de tête en queue
/// est celui des gestionnaires à appeler ou des enfants du premier plan vers l'arrière.
template <class T> class Liste
{
  public:
    Noeud<T>* tete = nullptr;  ///< premier nœud, nul pour une liste vide
    Noeud<T>* queue = nullptr; ///< dernier nœud, nul pour une liste vide
    uint16_t nombre = 0;       ///< nombre de nœuds

    Liste() = default;
    Liste(const Liste&) = delete;
    Liste& operator=(const Liste&) = delete;
    ~Liste() { vide(); }

    /// Ajoute en queue.
    void ajoute(T element) { insereEntre(element, queue, nullptr); }

    /// Insère en tête.
    void insereEnTete(T element) { insereEntre(element, nullptr, tete); }

    /// Retire le premier nœud qui porte cet élément ; sans effet s'il n'y en a pas.
    void retire(T element)
    {
        for (Noeud<T>* n = tete; n; n = n->suivant) {
            if (n->element == element) {
                libereNoeud(n);
                return;
            }
        }
    }

    /// Retire tous les nœuds, toujours par la tête.
    void vide()
    {
        while (tete)
            libereNoeud(tete);
    }

    /// Vrai quand un nœud porte cet élément.
    bool contient(T element) const
    {
        for (Noeud<T>* n = tete; n; n = n->suivant)
            if (n->element == element)
                return true;
        return false;
    }

  private:
    /// Un nœud entre deux voisins, dont l'un ou l'autre peut manquer au bout de la liste.
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
