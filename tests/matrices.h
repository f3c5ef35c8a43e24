// 4x4 matrices computed in the tests from the formulas of the OpenGL calls, to check
// the matrices that the view transform and the cameras leave.
#ifndef ORLEVAN_TESTS_MATRICES_H
#define ORLEVAN_TESTS_MATRICES_H

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "scene/Noeud.h"
#include "tests/sonde.h"
#include "viewer/Manipulation.h"

// Column-major, as glGetFloatv returns it; m[c * 4 + r] is row r, column c.
using Matrice = std::array<double, 16>;

inline Matrice depuisLignes(std::array<std::array<double, 4>, 4> l) {
    Matrice m{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m[c * 4 + r] = l[r][c];
    return m;
}

inline Matrice identite() {
    return depuisLignes({{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}});
}

inline Matrice operator*(const Matrice& a, const Matrice& b) {
    Matrice m{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k) m[c * 4 + r] += a[k * 4 + r] * b[c * 4 + k];
    return m;
}

inline Matrice translation(double x, double y, double z) {
    return depuisLignes({{{1, 0, 0, x}, {0, 1, 0, y}, {0, 0, 1, z}, {0, 0, 0, 1}}});
}

inline Matrice echelle(double x, double y, double z) {
    return depuisLignes({{{x, 0, 0, 0}, {0, y, 0, 0}, {0, 0, z, 0}, {0, 0, 0, 1}}});
}
inline Matrice echelle(double s) { return echelle(s, s, s); }

// glRotate: degrees about the axis, which it normalises.
inline Matrice rotation(double degres, double x, double y, double z) {
    double n = std::sqrt(x * x + y * y + z * z);
    x /= n, y /= n, z /= n;
    double a = degres * M_PI / 180, c = std::cos(a), s = std::sin(a), t = 1 - c;
    return depuisLignes({{{x * x * t + c, x * y * t - z * s, x * z * t + y * s, 0},
                          {y * x * t + z * s, y * y * t + c, y * z * t - x * s, 0},
                          {x * z * t - y * s, y * z * t + x * s, z * z * t + c, 0},
                          {0, 0, 0, 1}}});
}

inline Matrice ortho(double l, double r, double b, double t, double n, double f) {
    return depuisLignes({{{2 / (r - l), 0, 0, -(r + l) / (r - l)},
                          {0, 2 / (t - b), 0, -(t + b) / (t - b)},
                          {0, 0, -2 / (f - n), -(f + n) / (f - n)},
                          {0, 0, 0, 1}}});
}

// gluPerspective: vertical field of view in degrees.
inline Matrice perspective(double fovy, double aspect, double n, double f) {
    double g = 1 / std::tan(fovy * M_PI / 360);
    return depuisLignes({{{g / aspect, 0, 0, 0},
                          {0, g, 0, 0},
                          {0, 0, (f + n) / (n - f), 2 * f * n / (n - f)},
                          {0, 0, -1, 0}}});
}

// The user's view transform from the current globals, as appliqueVue then
// appliqueAnglesTouches multiply it onto the current matrix.
inline Matrice vueAttendue() {
    return translation(translationVueX, translationVueY, 0) *
           rotation(rotationVueX, 1, 0, 0) * rotation(rotationVueY, 0, 1, 0) *
           rotation(rotationVueZ, 0, 0, 1) * echelle(echelleVue) *
           rotation(angleToucheX, 1, 0, 0) * rotation(angleToucheY, 0, 1, 0) *
           rotation(angleToucheZ, 0, 0, 1);
}

// Element by element, within a tolerance relative to the larger of 1 and the value.
inline ::testing::AssertionResult memeMatrice(const float* lue, const Matrice& attendue,
                                              double tolerance = 1e-5) {
    for (int i = 0; i < 16; ++i) {
        double marge = tolerance * std::fmax(1.0, std::fabs(attendue[i]));
        if (std::fabs(lue[i] - attendue[i]) > marge)
            return ::testing::AssertionFailure()
                   << "element " << i << " (row " << i % 4 << ", column " << i / 4
                   << "): read " << lue[i] << ", expected " << attendue[i];
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult memeMatrice(const std::array<float, 16>& lue,
                                              const Matrice& attendue,
                                              double tolerance = 1e-5) {
    return memeMatrice(lue.data(), attendue, tolerance);
}

inline ::testing::AssertionResult matriceCourante(GLenum quelle,
                                                  const Matrice& attendue) {
    float m[16];
    glGetFloatv(quelle, m);
    return memeMatrice(m, attendue);
}


#endif
