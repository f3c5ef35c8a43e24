#include "viewer/PerspectiveCamera.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include "scene/CodeC.h"
#include "viewer/Camera.h"

void PerspectiveCamera::litChamps(FILE* in) {
    litChampsCamera(in, this, "heightAngle", &heightAngle);
}

void PerspectiveCamera::dessine() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    int w = glutGet(GLUT_WINDOW_WIDTH);
    int l = glutGet(GLUT_WINDOW_HEIGHT);
    // The angle stays in double: gluPerspective takes it as such.
    gluPerspective(enDegres(heightAngle), static_cast<float>(w) / l, 1.0, 1000.0);
    placeCamera(orientation, position);
}

void PerspectiveCamera::exporte(FILE* out) {
    exporteDebutCamera(out);
    ecritC(out, "    gluPerspective(%fF,(float) w/l,1.0,1000.0);\n", enDegres(heightAngle));
    exporteFinCamera(out, orientation, position);
}
