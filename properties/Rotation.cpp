#include "properties/Rotation.h"

#include <GL/gl.h>

#include "scene/CodeC.h"
#include "scene/Lecteur.h"

void Rotation::litChamps(FILE* in) {
    if (!debutChampUnique(in, "rotation")) return;
    litVecteur(in, axis);
    litNombre(in, &angle);
    angle = enDegres(angle);
    finChampUnique(in);
}

void Rotation::dessine() { glRotatef(angle, axis[0], axis[1], axis[2]); }

void Rotation::exporte(FILE* out) {
    ecritC(out, "  glRotatef(%fF,%fF,%fF,%fF);\n", angle, axis[0], axis[1], axis[2]);
}
