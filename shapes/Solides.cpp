#include "shapes/Solides.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>

// Cosines and sines of the n angles i * 6.28318 / n about an axis, formed in double
// and taken of the single-precision angle. 6.28318, not 2*pi: saved files and
// pictures depend on this exact value.
static void tablesAngles(int n, float** c, float** s) {
    *c = static_cast<float*>(calloc(n, sizeof(float)));
    *s = static_cast<float*>(calloc(n, sizeof(float)));
    for (int i = 0; i < n; ++i) {
        float angle = i * 6.28318 / n;
        (*c)[i] = cos(angle);
        (*s)[i] = sin(angle);
    }
}

// Each solid is written once, over a "trace" that either sends OpenGL calls (the
// drawing: the same calls, in the same order, as plain code would make) or hands the
// vertices to a callback (the measures of --info and the framing, without OpenGL).
struct TraceGL {
    void debut(GLenum mode) { glBegin(mode); }
    void fin() { glEnd(); }
    void normale(float x, float y, float z) { glNormal3f(x, y, z); }
    void normalev(const GLfloat* n) { glNormal3fv(n); }
    void sommet(float x, float y, float z) { glVertex3f(x, y, z); }
    void empile() { glPushMatrix(); }
    void depile() { glPopMatrix(); }
};

struct TraceSommets {
    RappelSommet rappel;
    void* contexte;
    void debut(GLenum) {}
    void fin() {}
    void normale(float, float, float) {}
    void normalev(const GLfloat*) {}
    void sommet(float x, float y, float z) { rappel(contexte, x, y, z); }
    void empile() {}
    void depile() {}
};

// A disc of radius r at height y facing ny (1 up, -1 down). Its z runs as -ny*r*s,
// so it is counter-clockwise seen from the side it faces.
template <class T>
static void disque(T& t, float r, float y, float ny, int n, const float* c, const float* s) {
    t.debut(GL_POLYGON);
    t.normale(0, ny, 0);
    for (int j = 0; j < n; ++j) t.sommet(r * c[j], y, -ny * r * s[j]);
    t.fin();
}

template <class T>
static void cone(T& t, float r, float h, int n, int flags) {
    float *c, *s;
    tablesAngles(n, &c, &s);
    t.empile();
    if (flags & SIDES) {
        float l = pow(r * r + h * h, 0.5);
        for (int i = 0; i < n; ++i) {
            t.debut(GL_QUAD_STRIP);
            for (int j = 0; j <= n; ++j) {
                int k = j % n;
                t.normale(h * c[k] / l, r / l, -h * s[k] / l);
                t.sommet(i * r * c[k] / n, h / 2 - i * h / n, -i * r * s[k] / n);
                t.sommet((i + 1) * r * c[k] / n, h / 2 - (i + 1) * h / n,
                           -(i + 1) * r * s[k] / n);
            }
            t.fin();
        }
    }
    if (flags & BOTTOM) disque(t, r, -h / 2, -1, n, c, s);
    free(c);
    free(s);
    t.depile();
}

template <class T>
static void cylindre(T& t, float r, float h, int n, int flags) {
    float *c, *s;
    tablesAngles(n, &c, &s);
    t.empile();
    if (flags & SIDES) {
        for (int i = 0; i < n; ++i) {
            t.debut(GL_QUAD_STRIP);
            for (int j = 0; j <= n; ++j) {
                int k = j % n;
                t.normale(c[k], 0, -s[k]);
                t.sommet(r * c[k], h / 2 - i * h / n, -r * s[k]);
                t.sommet(r * c[k], h / 2 - (i + 1) * h / n, -r * s[k]);
            }
            t.fin();
        }
    }
    if (flags & TOP) disque(t, r, h / 2, 1, n, c, s);
    if (flags & BOTTOM) disque(t, r, -h / 2, -1, n, c, s);
    free(c);
    free(s);
    t.depile();
}

template <class T>
static void sphere(T& t, float rayon, int n) {
    // Unlike the cone and the cylinder, the sphere forms its angles in single
    // precision, from 6.28318, 3.14159 and 1.570795 as floats.
    float* c = static_cast<float*>(calloc(n, sizeof(float)));
    float* s = static_cast<float*>(calloc(n, sizeof(float)));
    for (int i = 0; i < n; ++i) {
        float angle = i * 6.28318f / static_cast<float>(n);
        c[i] = cos(angle);
        s[i] = sin(angle);
    }
    float delta = 3.14159f / n;
    for (int i = 0; i < n; ++i) {
        float phi0 = i * 3.14159f / n - 1.570795f;
        float phi1 = phi0 + delta;
        float rho0 = rayon * cos(phi0), z0 = rayon * sin(phi0);
        float rho1 = rayon * cos(phi1), z1 = rayon * sin(phi1);
        t.debut(GL_QUAD_STRIP);
        for (int j = 0; j <= n; ++j) {
            int k = j % n;
            // The normal is the position itself, of length R: GL_NORMALIZE fixes it.
            t.normale(rho1 * c[k], rho1 * s[k], z1);
            t.sommet(rho1 * c[k], rho1 * s[k], z1);
            t.normale(rho0 * c[k], rho0 * s[k], z0);
            t.sommet(rho0 * c[k], rho0 * s[k], z0);
        }
        t.fin();
    }
    free(c);
    free(s);
}

static const GLfloat normalesCube[6][3] = {
    {0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {0, 1, 0}, {-1, 0, 0}, {1, 0, 0},
};
// Corners P0..P3 of each face, counter-clockwise seen from outside.
static const int facesCube[6][4] = {
    {0, 1, 2, 3}, {7, 6, 5, 4}, {5, 6, 2, 1}, {0, 3, 7, 4}, {6, 7, 3, 2}, {4, 5, 1, 0},
};

// Row s of a face grid: its start As = P0 + (s/n)(P1 - P0) and its run Cs - As, where
// Cs = P3 + (s/n)(P2 - P3).
struct RangeeGrille {
    float debut[3];
    float course[3];
};

static RangeeGrille rangeeGrille(const float* p0, const float* p1, const float* p2,
                                 const float* p3, int s, float fn) {
    RangeeGrille r;
    for (int x = 0; x < 3; ++x) {
        float a = p0[x] + (s / fn) * (p1[x] - p0[x]);
        float c = p3[x] + (s / fn) * (p2[x] - p3[x]);
        r.debut[x] = a;
        r.course[x] = c - a;
    }
    return r;
}

// An n x n grid of quadrilaterals over the face P0 P1 P2 P3, one strip per row. Each
// vertex is As + (j/n)(Cs - As); As and Cs - As are formed once per row rather than
// once per vertex, with the same float operations, so the vertices do not change.
template <class T>
static void grilleFace(T& tr, const float* p0, const float* p1, const float* p2, const float* p3,
                       int n) {
    float fn = n;
    RangeeGrille haut = rangeeGrille(p0, p1, p2, p3, 0, fn);
    for (int i = 0; i < n; ++i) {
        RangeeGrille bas = rangeeGrille(p0, p1, p2, p3, i + 1, fn);
        tr.debut(GL_QUAD_STRIP);
        for (int j = 0; j <= n; ++j) {
            float t = j / fn;
            tr.sommet(haut.debut[0] + t * haut.course[0], haut.debut[1] + t * haut.course[1],
                       haut.debut[2] + t * haut.course[2]);
            tr.sommet(bas.debut[0] + t * bas.course[0], bas.debut[1] + t * bas.course[1],
                       bas.debut[2] + t * bas.course[2]);
        }
        tr.fin();
        haut = bas;
    }
}

template <class T>
static void cube(T& t, float width, float height, float depth, int n) {
    float a = width * 0.5, b = height * 0.5, c = depth * 0.5;
    const float coins[8][3] = {
        {+a, +b, -c}, {+a, -b, -c}, {-a, -b, -c}, {-a, +b, -c},
        {+a, +b, +c}, {+a, -b, +c}, {-a, -b, +c}, {-a, +b, +c},
    };
    for (int f = 0; f < 6; ++f) {
        const int* p = facesCube[f];
        t.normalev(normalesCube[f]);
        grilleFace(t, coins[p[0]], coins[p[1]], coins[p[2]], coins[p[3]], n);
    }
}

void solidCone(float r, float h, int n, int flags) {
    TraceGL t;
    cone(t, r, h, n, flags);
}
void solidCylindre(float r, float h, int n, int flags) {
    TraceGL t;
    cylindre(t, r, h, n, flags);
}
void solidSphere(float rayon, int n) {
    TraceGL t;
    sphere(t, rayon, n);
}
void solidCube(float width, float height, float depth, int n) {
    TraceGL t;
    cube(t, width, height, depth, n);
}

void sommetsCone(float r, float h, int n, int flags, RappelSommet f, void* contexte) {
    TraceSommets t{f, contexte};
    cone(t, r, h, n, flags);
}
void sommetsCylindre(float r, float h, int n, int flags, RappelSommet f, void* contexte) {
    TraceSommets t{f, contexte};
    cylindre(t, r, h, n, flags);
}
void sommetsSphere(float rayon, int n, RappelSommet f, void* contexte) {
    TraceSommets t{f, contexte};
    sphere(t, rayon, n);
}
void sommetsCube(float width, float height, float depth, int n, RappelSommet f,
                 void* contexte) {
    TraceSommets t{f, contexte};
    cube(t, width, height, depth, n);
}
