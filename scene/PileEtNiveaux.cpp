#include "scene/PileEtNiveaux.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <vector>

namespace vrml1 {

static int profondeurMatrices = 0;
static std::vector<std::array<float, 16>> matricesGardees;

void empileMatrice() {
    if (profondeurMatrices++ < PILE_GL) return glPushMatrix();
    matricesGardees.emplace_back();
    glGetFloatv(GL_MODELVIEW_MATRIX, matricesGardees.back().data());
}

// An unmatched pop (a hand-edited file) changes nothing.
void depileMatrice() {
    if (profondeurMatrices == 0) return;
    if (--profondeurMatrices < PILE_GL) return glPopMatrix();
    glLoadMatrixf(matricesGardees.back().data());
    matricesGardees.pop_back();
}

int niveauDistance(double distance, const float* ranges, int nbRanges, int nbEnfants) {
    if (nbEnfants <= 0) return -1;
    int i = 0;
    while (i < nbRanges && distance >= ranges[i]) ++i;
    return i < nbEnfants ? i : nbEnfants - 1;
}

int niveauLOD(const float c[3], const float* ranges, int nbRanges, int nbEnfants) {
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    double d[3];
    for (int i = 0; i < 3; ++i) d[i] = m[i] * c[0] + m[4 + i] * c[1] + m[8 + i] * c[2] + m[12 + i];
    return niveauDistance(std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]), ranges, nbRanges,
                          nbEnfants);
}

}  // namespace vrml1
