#include "bench/aide_bench.h"

#include <sys/stat.h>

#include "scene/Separator.h"

std::string dossierEntrees = ".";

long octetsFichier(const std::string& chemin) {
    struct stat etat;
    return stat(chemin.c_str(), &etat) == 0 ? static_cast<long>(etat.st_size) : -1;
}

long litJetons(const char* chemin, bool verrou) {
    FILE* in = fopen(chemin, "r");
    if (!in) return -1;
    if (verrou) flockfile(in);
    char mot[256];
    long jetons = 0;
    while (fscanf(in, "%255s", mot) == 1) ++jetons;
    if (verrou) funlockfile(in);
    fclose(in);
    return jetons;
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
