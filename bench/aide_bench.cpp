#include "bench/aide_bench.h"

#include "scene/Monde.h"

#include <sys/stat.h>

#include <new>

#include "scene/Separator.h"

std::string dossierEntrees = ".";

long octetsFichier(const std::string& chemin) {
    struct stat etat;
    return stat(chemin.c_str(), &etat) == 0 ? static_cast<long>(etat.st_size) : -1;
}

long compteNoeuds(const ListeNoeuds* liste) {
    long n = 0;
    for (Maillon* m = liste->tete; m; m = m->suivant) {
        ++n;
        if (auto* s = dynamic_cast<Separator*>(m->noeud)) n += compteNoeuds(s->enfants);
    }
    return n;
}

static void libereListe(ListeNoeuds* liste) {
    for (Maillon* m = liste->tete; m;) {
        Maillon* suivant = m->suivant;
        if (auto* s = dynamic_cast<Separator*>(m->noeud)) libereListe(s->enfants);
        // Nodes have no virtual destructor and nothing to destroy: give back the
        // memory only.
        ::operator delete(m->noeud);
        delete m;
        m = suivant;
    }
    delete liste;
}

void libereScene(Scene* scene) {
    libereListe(scene->noeuds);
    delete scene->monde;  // a scene read with --vrml1 (nodes freed with it)
    delete scene;
}
