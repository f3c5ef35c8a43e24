// The stacks behind a saved Separator's push and pop calls. They keep what the
// viewer's Separator keeps on the C stack while it draws its children, with the
// viewer's own functions: the front material, and the first light that was free
// before them.
#include "Utils.h"

#include <vector>

#include "properties/Isolement.h"
#include "scene/PileEtNiveaux.h"

static std::vector<MateriauFace> materiaux;
static std::vector<int> premieresLumieres;

void empileMaterial() {
    materiaux.emplace_back();
    materiaux.back().sauve();
}

// An unmatched pop (a hand-edited file) changes nothing rather than reading past the
// stack.
void depileMaterial() {
    if (materiaux.empty()) return;
    materiaux.back().restaure();
    materiaux.pop_back();
}

void empileLights() { premieresLumieres.push_back(premiereLumiereDisponible()); }

void depileLights() {
    if (premieresLumieres.empty()) return;
    eteintDepuis(premieresLumieres.back());
    premieresLumieres.pop_back();
}

int niveauLOD(const float c[3], const float* r, int nbRanges, int nbNiveaux) {
    return vrml1::niveauLOD(c, r, nbRanges, nbNiveaux);
}

void empileMatrice() { vrml1::empileMatrice(); }
void depileMatrice() { vrml1::depileMatrice(); }
