#ifndef ORLEVAN_SOLIDES_H
#define ORLEVAN_SOLIDES_H

#include <cstdio>

// Solid primitives in OpenGL immediate mode, centred on the origin, every face wound
// counter-clockwise as seen from outside. n subdivides both ways (n >= 3).

// Parts of a cone or a cylinder, named by their VRML words.
enum { SIDES = 1, BOTTOM = 2, TOP = 4 };

// A box of the given extents along x, y and z; each face an n x n grid.
void solidCube(float width, float height, float depth, int n);
// A sphere with its poles on the z axis.
void solidSphere(float radius, int n);
// A cone, apex up along y; flags choose SIDES and BOTTOM.
void solidCone(float bottomRadius, float height, int n, int flags);
// A cylinder along y; flags choose SIDES, TOP and BOTTOM.
void solidCylindre(float radius, float height, int n, int flags);

// The vertices that each solid above draws, in drawing order, handed one by one to
// f(contexte, x, y, z) instead of OpenGL: for measures made without a window.
using RappelSommet = void (*)(void* contexte, float x, float y, float z);
void sommetsCube(float width, float height, float depth, int n, RappelSommet f, void* contexte);
void sommetsSphere(float radius, int n, RappelSommet f, void* contexte);
void sommetsCone(float bottomRadius, float height, int n, int flags, RappelSommet f,
                 void* contexte);
void sommetsCylindre(float radius, float height, int n, int flags, RappelSommet f,
                     void* contexte);

// The parts flags of a parts text such as "SIDES|BOTTOM". tout is the shape's "ALL";
// "TOP" counts only for a shape whose tout holds it. Any other piece adds nothing.
int drapeauxParties(const char* parts, int tout);

// Writes text as a C string literal. A parts word is written as read; only the
// characters that would end the literal or change its meaning are escaped, so that
// a crafted file cannot put code of its own into the generated file.
void ecritChaineC(FILE* out, const char* texte);

#endif
