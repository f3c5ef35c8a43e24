#include "bench/aide_bench.h"

#include <sys/stat.h>

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

void libereScene(Scene* scene) {
    delete scene;  // its nodes and its arena with it
}
