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

// Splits a parts text at "|" into newly allocated strings (calloc). Stores the
// number of pieces in *nombre; the caller frees every piece and the array.
char** decoupeParties(const char* texte, int* nombre);

// Flags of solidMaillage: a solid shape of known ordering has its back faces culled.
enum { MAILLAGE_SOLIDE = 1 };

// Draws vertex arrays in the mesh's own state, and leaves OpenGL's state as it found
// it. primitive: GL_TRIANGLES, GL_LINES or GL_POINTS. Without normals the vertices
// are drawn unlit, in their colours or else in base (r g b a). With colours, they
// give the diffuse colour (and alpha) of the lit material. Triangles of a solid
// shape (flags MAILLAGE_SOLIDE) have their back faces culled; any other triangles
// are drawn without culling and lit on both sides. With indices, glDrawElements
// draws nbIndices of them; without, glDrawArrays draws every vertex.
void solidMaillage(int primitive, int flags, const float* base, int nbSommets,
                   const float* sommets, const float* normales,
                   const unsigned char* couleurs, int nbIndices, const unsigned int* indices);

#endif
