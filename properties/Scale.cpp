#include "properties/Scale.h"

#include <GL/gl.h>

#include "scene/CodeC.h"
#include "scene/Lecteur.h"

void Scale::litChamps(FILE* in) {
    if (!debutChampUnique(in, "scaleFactor")) return;
    litVecteur(in, scaleFactor);
    finChampUnique(in);
}

void Scale::dessine() { glScalef(scaleFactor[0], scaleFactor[1], scaleFactor[2]); }

void Scale::exporte(FILE* out) {
    ecritC(out, "  glScalef(%fF,%fF,%fF);\n", scaleFactor[0], scaleFactor[1], scaleFactor[2]);
}
