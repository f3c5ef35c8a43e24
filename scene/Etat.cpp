#include "scene/Etat.h"

#include <cmath>
#include <cstring>

#include "scene/Mesure.h"

namespace vrml1 {

void Transformation::multiplie(const double b[16]) {
    double r[16];
    for (int c = 0; c < 4; ++c)
        for (int l = 0; l < 4; ++l) {
            double s = 0;
            for (int k = 0; k < 4; ++k) s += m[k * 4 + l] * b[c * 4 + k];
            r[c * 4 + l] = s;
        }
    memcpy(m, r, sizeof r);
}

void Transformation::translate(double x, double y, double z) {
    const double t[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
    multiplie(t);
}

void Transformation::echelle(double x, double y, double z) {
    const double s[16] = {x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1};
    multiplie(s);
}

// The matrix of glRotate: the axis normalised, a zero axis turns nothing.
void Transformation::tourne(double angle, double x, double y, double z) {
    double n = std::sqrt(x * x + y * y + z * z);
    if (n == 0 || !std::isfinite(n)) return;
    x /= n, y /= n, z /= n;
    double a = angle * M_PI / 180, c = std::cos(a), s = std::sin(a), t = 1 - c;
    const double r[16] = {t * x * x + c,     t * x * y + s * z, t * x * z - s * y, 0,
                          t * x * y - s * z, t * y * y + c,     t * y * z + s * x, 0,
                          t * x * z + s * y, t * y * z - s * x, t * z * z + c,     0,
                          0,                 0,                 0,                 1};
    multiplie(r);
}

void Transformation::point(const float p[3], double s[3]) const {
    for (int i = 0; i < 3; ++i) s[i] = m[i] * p[0] + m[4 + i] * p[1] + m[8 + i] * p[2] + m[12 + i];
}

// Gauss-Jordan elimination with partial pivoting.
bool Transformation::inverse(double sortie[16]) const {
    double a[4][8];
    for (int l = 0; l < 4; ++l)
        for (int c = 0; c < 4; ++c) {
            a[l][c] = m[c * 4 + l];
            a[l][c + 4] = l == c;
        }
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int l = c + 1; l < 4; ++l)
            if (std::fabs(a[l][c]) > std::fabs(a[pivot][c])) pivot = l;
        if (!(std::fabs(a[pivot][c]) > 1e-300)) return false;
        for (int k = 0; k < 8; ++k) std::swap(a[c][k], a[pivot][k]);
        double d = a[c][c];
        for (int k = 0; k < 8; ++k) a[c][k] /= d;
        for (int l = 0; l < 4; ++l)
            if (l != c) {
                double f = a[l][c];
                for (int k = 0; k < 8; ++k) a[l][k] -= f * a[c][k];
            }
    }
    for (int l = 0; l < 4; ++l)
        for (int c = 0; c < 4; ++c) sortie[c * 4 + l] = a[l][c + 4];
    return true;
}

void Mesure::ajoutePoint(const float p[3]) {
    ++travail;
    double q[3];
    courante.point(p, q);
    for (double x : q)
        if (!std::isfinite(x)) return;  // a vertex at infinity bounds nothing
    for (int i = 0; i < 3; ++i) {
        if (vide || q[i] < min[i]) min[i] = q[i];
        if (vide || q[i] > max[i]) max[i] = q[i];
    }
    vide = false;
}

void Mesure::ajouteBoite(float dx, float dy, float dz) {
    for (int i = 0; i < 8; ++i) ajoutePoint(i & 1 ? dx : -dx, i & 2 ? dy : -dy, i & 4 ? dz : -dz);
}

}  // namespace vrml1
