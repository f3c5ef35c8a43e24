#include "shapes/Cube.h"

#include <GL/gl.h>

#include "scene/CodeC.h"
#include "scene/Lecteur.h"
#include "shapes/Facettes.h"
#include "shapes/Solides.h"

void Cube::litChamps(FILE* in) {
    litChampsNombre(in, [this](const char* nom, float v, bool lu) {
        if (!lu) return;
        if (!strcmp(nom, "width")) width = v;
        else if (!strcmp(nom, "height")) height = v;
        else if (!strcmp(nom, "depth")) depth = v;
    });
}

void Cube::dessine() {
    glPushMatrix();
        solidCube(width, height, depth, nbFacettes);
    glPopMatrix();
}

void Cube::exporte(FILE* out) {
    ecritC(out, "  solidCube(%fF,%fF,%fF,%d);\n", width, height, depth, nbFacettes);
}
