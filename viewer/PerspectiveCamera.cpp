#include "viewer/PerspectiveCamera.h"

#include <GL/glu.h>

#include "scene/CodeC.h"
#include "viewer/Camera.h"
#include "viewer/Viewer.h"

void PerspectiveCamera::litChamps(FILE* in) {
    litChampsCamera(in, this, "heightAngle", &heightAngle);
}

void PerspectiveCamera::dessine() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    int w, l;
    tailleImage(&w, &l);
    // The angle stays in double: gluPerspective takes it as such.
    gluPerspective(enDegres(heightAngle), static_cast<float>(w) / l, 1.0, 1000.0);
    placeCamera(orientation, position);
}

void PerspectiveCamera::exporte(FILE* out) {
    exporteDebutCamera(out);
    ecritC(out, "    gluPerspective(%fF,(float) w/l,1.0,1000.0);\n", enDegres(heightAngle));
    exporteFinCamera(out, orientation, position);
}
