// Walks of a scene tree for the tests and the benchmarks: its shape as one line of
// text, so that a reader test states the whole expected tree at once
// ("Separator(Cube Sphere) Cone"), its number of nodes and its depth.
#ifndef ORLEVAN_TESTS_ARBRE_H
#define ORLEVAN_TESTS_ARBRE_H

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <typeinfo>

#include "scene/ListeNoeuds.h"
#include "scene/Noeud.h"
#include "scene/Separator.h"

inline std::string nomClasse(const Noeud& noeud) {
    int etat = 0;
    char* nom = abi::__cxa_demangle(typeid(noeud).name(), nullptr, nullptr, &etat);
    std::string texte = etat == 0 ? nom : typeid(noeud).name();
    free(nom);
    return texte;
}

inline std::string forme(const ListeNoeuds* liste) {
    std::string texte;
    for (Maillon* m = liste->tete; m; m = m->suivant) {
        if (!texte.empty()) texte += " ";
        texte += nomClasse(*m->noeud);
        if (auto* sep = dynamic_cast<Separator*>(m->noeud))
            texte += "(" + forme(sep->enfants) + ")";
    }
    return texte;
}

// Number of nodes in the whole tree, Separators and their children included.
inline long compteNoeuds(const ListeNoeuds* liste) {
    long n = 0;
    for (Maillon* m = liste->tete; m; m = m->suivant) {
        ++n;
        if (auto* s = dynamic_cast<Separator*>(m->noeud)) n += compteNoeuds(s->enfants);
    }
    return n;
}

// Deepest nesting of Separators in the tree: 0 without any, 1 for Separators at the
// top level only.
inline int profondeur(const ListeNoeuds* liste) {
    int p = 0;
    for (Maillon* m = liste->tete; m; m = m->suivant)
        if (auto* s = dynamic_cast<Separator*>(m->noeud))
            p = std::max(p, 1 + profondeur(s->enfants));
    return p;
}

#endif
