// Helpers of the transform, material and light tests: trees built by hand around a
// probe node that notes the OpenGL state at its place in the drawing, and the light
// parameters reset between tests (a spot cone left in a slot would leak otherwise).
#ifndef ORLEVAN_TESTS_PROPRIETES_AIDE_H
#define ORLEVAN_TESTS_PROPRIETES_AIDE_H

#include <GL/gl.h>

#include <string>
#include <vector>

#include "scene/ListeNoeuds.h"
#include "scene/Separator.h"
#include "tests/aide.h"
#include "tests/sonde.h"

// A node read from its block text, on the heap so that a list can hold it.
template <class T>
T* nouveau(const std::string& bloc) {
    return new T(lit<T>(bloc));
}

// Three or four floats as a vector, so that a mismatch prints every component.
inline std::vector<float> v3(const float* f) { return {f[0], f[1], f[2]}; }
inline std::vector<float> v3(float a, float b, float c) { return {a, b, c}; }
inline std::vector<float> v4(const GLfloat* f) { return {f[0], f[1], f[2], f[3]}; }
inline std::vector<float> v4(float a, float b, float c, float d) { return {a, b, c, d}; }

// One parameter of a light, four components (the unused ones stay 0).
inline std::vector<float> parametre(GLenum lumiere, GLenum nom) {
    GLfloat v[4] = {0, 0, 0, 0};
    glGetLightfv(lumiere, nom, v);
    return v4(v);
}

// A Separator holding the given nodes, in order.
inline Separator* groupe(std::initializer_list<Noeud*> noeuds) {
    auto* s = garde(new Separator);
    for (Noeud* n : noeuds) s->enfants->ajoute(n);
    return s;
}

// OpenGL's initial parameters for GL_LIGHT1 to GL_LIGHT7: no ambient, black diffuse
// and specular, at (0, 0, 1, 0), no cone, no attenuation.
inline void lumieresParDefaut() {
    const GLfloat noir[4] = {0, 0, 0, 1}, position[4] = {0, 0, 1, 0}, axe[3] = {0, 0, -1};
    for (GLenum l = GL_LIGHT1; l <= GL_LIGHT7; ++l) {
        glDisable(l);
        glLightfv(l, GL_AMBIENT, noir);
        glLightfv(l, GL_DIFFUSE, noir);
        glLightfv(l, GL_SPECULAR, noir);
        glLightfv(l, GL_POSITION, position);
        glLightfv(l, GL_SPOT_DIRECTION, axe);
        glLightf(l, GL_SPOT_EXPONENT, 0);
        glLightf(l, GL_SPOT_CUTOFF, 180);
        glLightf(l, GL_CONSTANT_ATTENUATION, 1);
        glLightf(l, GL_LINEAR_ATTENUATION, 0);
        glLightf(l, GL_QUADRATIC_ATTENUATION, 0);
    }
}

// Each GL test starts from the viewer's fixed state, identity matrices, the default
// material and untouched scene lights.
class ProprietesGL : public ::testing::Test {
protected:
    void SetUp() override {
        etatInitialGL();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();  // lumieresParDefaut's position and axis are taken in eye space
        lumieresParDefaut();
        EXPECT_NO_GL_ERROR();
    }
};

#endif
