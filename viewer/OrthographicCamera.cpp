#include "viewer/OrthographicCamera.h"

#include <GL/gl.h>

#include "scene/CodeC.h"
#include "viewer/Camera.h"
#include "viewer/Viewer.h"

void OrthographicCamera::litChamps(FILE* in) { litChampsCamera(in, this, "height", &height); }

void OrthographicCamera::dessine() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    int w, l;
    tailleImage(&w, &l);
    // Formed as the generated code forms it, in float.
    glOrtho(-height * w / 2.0f / l, height * w / 2.0f / l, -height / 2.0f, height / 2.0f,
            -1000.0, 1000.0);
    placeCamera(orientation, position);
}

void OrthographicCamera::exporte(FILE* out) {
    exporteDebutCamera(out);
    // The negated height is printed rather than a "-" put before it, so that a
    // negative height still gives a number ("2.0" not "--2.0").
    ecritC(out, "    glOrtho(%fF*w/2.0F/l,%fF*w/2.0F/l,%fF/2.0F,%fF/2.0F,-1000.0,1000.0);\n",
            -height, height, -height, height);
    exporteFinCamera(out, orientation, position);
}
