#include "scene/ListeNoeuds.h"

#include "scene/Noeud.h"

void ListeNoeuds::ajoute(Noeud* noeud) {
    Maillon* m = new Maillon;
    m->noeud = noeud;
    m->suivant = nullptr;
    if (tete == nullptr)
        tete = m;
    else
        queue->suivant = m;
    queue = m;
}

void ListeNoeuds::dessine() const {
    for (Maillon* m = tete; m; m = m->suivant) m->noeud->dessine();
}

void ListeNoeuds::exporte(FILE* out) const {
    for (Maillon* m = tete; m; m = m->suivant) m->noeud->exporte(out);
}
