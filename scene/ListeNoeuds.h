#ifndef ORLEVAN_LISTENOEUDS_H
#define ORLEVAN_LISTENOEUDS_H

#include <cstdio>

#include "scene/Arene.h"

class Noeud;

// One cell of a child list, carved from the current arena as the nodes are.
struct Maillon : DansArene {
    Noeud* noeud;
    Maillon* suivant;  // null for the last cell
};

// Append-only singly linked list of nodes, in file order. Cells are never freed one
// by one: they go with their arena.
class ListeNoeuds : public DansArene {
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
