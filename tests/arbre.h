// The shape of a scene tree as one line of text, so that a reader test states the
// whole expected tree at once: "Separator(Cube Sphere) Cone".
#ifndef ORLEVAN_TESTS_ARBRE_H
#define ORLEVAN_TESTS_ARBRE_H

#include <cxxabi.h>

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

// Number of Separators nested one in the other, following each one's first child.
inline int profondeur(const ListeNoeuds* liste) {
    int n = 0;
    while (liste->tete) {
        auto* sep = dynamic_cast<Separator*>(liste->tete->noeud);
        if (!sep) break;
        ++n;
        liste = sep->enfants;
    }
    return n;
}

#endif
