#include "properties/Translation.h"

#include <GL/gl.h>

#include "scene/CodeC.h"
#include "scene/Lecteur.h"

void Translation::litChamps(FILE* in) {
    if (!debutChampUnique(in, "translation")) return;
    litVecteur(in, translation);
    finChampUnique(in);
}

void Translation::dessine() { glTranslatef(translation[0], translation[1], translation[2]); }

void Translation::exporte(FILE* out) {
    ecritC(out, "  glTranslatef(%fF,%fF,%fF);\n", translation[0], translation[1], translation[2]);
}
