#ifndef ORLEVAN_LISTENOEUDS_H
#define ORLEVAN_LISTENOEUDS_H

#include <cstdio>

class Noeud;

// One cell of a child list.
struct Maillon {
    Noeud* noeud;
    Maillon* suivant;  // null for the last cell
};

// Append-only singly linked list of nodes, in file order. Cells are never freed.
class ListeNoeuds {
public:
    Maillon* tete = nullptr;
    Maillon* queue = nullptr;

    void ajoute(Noeud* noeud);
    // Calls dessine on every node, in order.
    void dessine() const;
    // Calls exporte on every node, in order.
    void exporte(FILE* out) const;
};

#endif
