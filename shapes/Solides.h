#ifndef ORLEVAN_SOLIDES_H
#define ORLEVAN_SOLIDES_H

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

// The parts flags of a parts text such as "SIDES|BOTTOM". tout is the shape's "ALL";
// "TOP" counts only for a shape whose tout holds it. Any other piece adds nothing.
int drapeauxParties(const char* parts, int tout);

// Splits a parts text at "|" into newly allocated strings (calloc). Stores the
// number of pieces in *nombre; the caller frees every piece and the array.
char** decoupeParties(const char* texte, int* nombre);

#endif
