// The solids of saved scenes are the viewer's own primitives: the cone and the
// cylinder decode their parts word as the Cone and Cylinder nodes do, so a compiled
// scene draws the very same triangles. solidCube and solidSphere need no wrapper:
// the viewer's functions have the signatures that the generated code calls.
#include "SolidObjects.h"

#include "shapes/Solides.h"

void solidCone(float bottomRadius, float height, int n, const char* parts) {
    solidCone(bottomRadius, height, n, drapeauxParties(parts, SIDES | BOTTOM));
}

void solidCylindre(float radius, float height, int n, const char* parts) {
    solidCylindre(radius, height, n, drapeauxParties(parts, SIDES | BOTTOM | TOP));
}
