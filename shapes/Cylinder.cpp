#include "shapes/Cylinder.h"

#include <GL/gl.h>

#include "shapes/Facettes.h"
#include "shapes/Revolution.h"
#include "shapes/Solides.h"

void Cylinder::litChamps(FILE* in) {
    litChampsRevolution(in, "radius", &radius, &height, parts);
}

void Cylinder::dessine() {
    int flags = drapeauxParties(parts, SIDES | BOTTOM | TOP);
    glPushMatrix();
        solidCylindre(radius, height, nbFacettes, flags);
    glPopMatrix();
}

void Cylinder::exporte(FILE* out) {
    exporteRevolution(out, "solidCylindre", radius, height, parts);
}
