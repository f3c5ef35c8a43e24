#include "viewer/Camera.h"

#include <GL/gl.h>

#include "scene/CodeC.h"
#include "scene/Noeud.h"
#include "viewer/Manipulation.h"

void placeCamera(const float orientation[4], const float position[3]) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(-enDegres(orientation[0]), orientation[1], orientation[2], orientation[3]);
    glTranslatef(-position[0], -position[1], -position[2]);
    appliqueVue();
    appliqueAnglesTouches();
}

void exporteDebutCamera(FILE* out) {
    fprintf(out, "  { glMatrixMode(GL_PROJECTION);\n");
    fprintf(out, "    glLoadIdentity();\n");
    fprintf(out, "    int w = glutGet(GLUT_WINDOW_WIDTH);\n");
    fprintf(out, "    int l = glutGet(GLUT_WINDOW_HEIGHT);\n");
}

void exporteFinCamera(FILE* out, const float orientation[4], const float position[3]) {
    fprintf(out, "    glMatrixMode(GL_MODELVIEW);\n");
    fprintf(out, "    glLoadIdentity();\n");
    ecritC(out, "    glRotatef(%fF,%fF,%fF,%fF);\n", -enDegres(orientation[0]), orientation[1],
            orientation[2], orientation[3]);
    ecritC(out, "    glTranslatef(%fF,%fF,%fF); }\n", -position[0], -position[1],
            -position[2]);
}
