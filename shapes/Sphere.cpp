#include "shapes/Sphere.h"

#include <GL/gl.h>

#include "scene/CodeC.h"
#include "scene/Lecteur.h"
#include "shapes/Facettes.h"
#include "shapes/Solides.h"

void Sphere::litChamps(FILE* in) {
    litChampsNombre(in, [this](const char* nom, float v, bool lu) {
        if (lu && !strcmp(nom, "radius")) radius = v;
    });
}

void Sphere::dessine() {
    glPushMatrix();
        solidSphere(radius, nbFacettes);
    glPopMatrix();
}

void Sphere::exporte(FILE* out) {
    ecritC(out, "  solidSphere(%fF,%d);\n", radius, nbFacettes);
}
