// Test main: every in-process test shares one real freeglut window (Xvfb, Mesa), as
// the viewer has one. A missing display fails the run; it is never skipped.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "tests/aide.h"
#include "viewer/Viewer.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();  // build-time discovery
    if (!getenv("DISPLAY")) {
        fprintf(stderr, "orlevan_tests: no DISPLAY; run the tests through `make check`\n");
        return 1;
    }
    glutInit(&argc, argv);
    ouvreFenetre("tests");  // the viewer's own window
    return RUN_ALL_TESTS();
}

void etatInitialGL() {
    initialiseGL();
    for (int l = GL_LIGHT1; l <= GL_LIGHT7; ++l) glDisable(l);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // OpenGL's default material.
    const GLfloat d[4] = {0.8f, 0.8f, 0.8f, 1}, a[4] = {0.2f, 0.2f, 0.2f, 1};
    const GLfloat zero[4] = {0, 0, 0, 1}, sh[1] = {0};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, d);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, a);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, zero);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, zero);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SHININESS, sh);
    while (glGetError() != GL_NO_ERROR) {
    }
}
