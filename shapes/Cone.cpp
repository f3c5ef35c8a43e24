#include "shapes/Cone.h"

#include <GL/gl.h>

#include "shapes/Facettes.h"
#include "shapes/Revolution.h"
#include "shapes/Solides.h"

void Cone::litChamps(FILE* in) {
    litChampsRevolution(in, "bottomRadius", &bottomRadius, &height, parts);
}

void Cone::dessine() {
    int flags = drapeauxParties(parts, SIDES | BOTTOM);  // a cone has no top
    glPushMatrix();
        solidCone(bottomRadius, height, nbFacettes, flags);
    glPopMatrix();
}

void Cone::exporte(FILE* out) {
    exporteRevolution(out, "solidCone", bottomRadius, height, parts);
}
