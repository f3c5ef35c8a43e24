#include "bench/aide_bench.h"

#include <sys/stat.h>

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

void libereScene(Scene* scene) {
    delete scene;  // its arena with it
}
