#ifndef ORLEVAN_ETAT_H
#define ORLEVAN_ETAT_H

// The traversal state of the full VRML 1.0 reader (--vrml1), kept WHILE READING so
// that every shape finds, when it is read, what the nodes before it set:
//   - a property node updates it in metAJour(Etat&), called once when the node has
//     been read and again at each USE of it (Coordinate3 sets coordonnees, Material
//     sets materiau, ShapeHints sets hints, ...);
//   - a shape reads it in prepare(Etat&), called once when it has been read: meshes
//     build their drawing arrays there, once (a USE draws them again as they are:
//     under another state a browser would bind that state instead);
//   - a Separator (and WWWAnchor, WWWInline) saves the whole state before its
//     children and puts it back after them; TransformSeparator saves the matrix only;
//     Group passes everything on. Switch and LOD give each child the state they
//     start with; after a Switch the state is the chosen child's (a Switch with
//     whichChild -3 reads as a Group), after a LOD the state before it.
// The pointers name nodes of the tree, which live as long as the scene; a null
// pointer is the standard's default (no coordinates, the default material...).

#include <string>

#include "scene/Champs.h"

namespace vrml1 {

class Coordinate3;
class Normal;
class Material;
class Texture2;
class Texture2Transform;
class TextureCoordinate2;
class FontStyle;
class Camera;
class Messages;

// The values of MaterialBinding and NormalBinding.
enum Liaison {
    DEFAULT, OVERALL, PER_PART, PER_PART_INDEXED, PER_FACE, PER_FACE_INDEXED,
    PER_VERTEX, PER_VERTEX_INDEXED
};
// ShapeHints' enumerations.
enum OrdreSommets { UNKNOWN_ORDERING, CLOCKWISE, COUNTERCLOCKWISE };
enum TypeForme { UNKNOWN_SHAPE_TYPE, SOLID };
enum TypeFace { UNKNOWN_FACE_TYPE, CONVEX };

struct Indices {  // ShapeHints' values, the standard's defaults
    int vertexOrdering = UNKNOWN_ORDERING;
    int shapeType = UNKNOWN_SHAPE_TYPE;
    int faceType = CONVEX;
    float creaseAngle = 0.5f;
};

// A 4 x 4 transform in double, column-major as OpenGL keeps it.
struct Transformation {
    double m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    // this = this * autre (autre applies first to points), as glMultMatrix does.
    void multiplie(const double autre[16]);
    void translate(double x, double y, double z);
    void tourne(double angleDegres, double x, double y, double z);  // as glRotate
    void echelle(double x, double y, double z);
    void point(const float p[3], double sortie[3]) const;           // m * (p, 1)
    bool inverse(double sortie[16]) const;                          // false if singular
};

struct Etat {
    const Coordinate3* coordonnees = nullptr;
    const Normal* normales = nullptr;
    int liaisonMateriau = DEFAULT;
    int liaisonNormale = DEFAULT;
    Indices indices;
    const Material* materiau = nullptr;  // the full current material (all values)
    const Texture2* texture = nullptr;
    const Texture2Transform* transformationTexture = nullptr;
    const TextureCoordinate2* coordonneesTexture = nullptr;
    const FontStyle* police = nullptr;
    Transformation matrice;  // the current transform, scene coordinates
    Messages* messages = nullptr;  // where shapes report the problems of their data
};

}  // namespace vrml1

#endif
