#ifndef ORLEVAN_COINS_H
#define ORLEVAN_COINS_H

// What the building of an IndexedFaceSet works on (shapes/Faces.cpp): the corners of
// the faces kept, the faces, and the tools that turn them into triangles
// (shapes/Decoupe.cpp) and smooth their normals (shapes/Lissage.cpp).

#include <cstdint>
#include <deque>
#include <vector>

#include "shapes/Maillage.h"

namespace vrml1 {

// A vertex made by the tessellator where edges cross.
struct Nouveau {
    float p[3], n[3];
    unsigned char c[4];
};

// The corners of the faces kept, in order: their points, normals and colours.
struct Coins {
    const EntreeMaillage& e;
    Brut<int32_t> point;
    std::vector<float> normale;         // x y z per corner
    std::vector<unsigned char> couleur; // r g b a per corner, when the materials vary
    std::deque<Nouveau> nouveaux;       // numbered after the corners

    const float* p(long i) const { return i < long(point.size()) ? e.points + 3 * long(point[i]) : nouveaux[i - point.size()].p; }
    const float* n(long i) const { return i < long(point.size()) ? &normale[3 * i] : nouveaux[i - point.size()].n; }
    const unsigned char* c(long i) const { return i < long(point.size()) ? &couleur[4 * i] : nouveaux[i - point.size()].c; }
};

struct Face {
    int32_t debut, nb;  // its corners (a face list holds fewer than 2^31)
};

// The dot product of two vectors, in double.
inline double produit(const float* a, const float* b) {
    return double(a[0]) * b[0] + double(a[1]) * b[1] + double(a[2]) * b[2];
}

// True for a face that turns one way only, once round, about its normal n.
bool convexe(const Coins& c, const Face& f, const float* n);

// GLU's tessellator, once per mesh: the triangles of a face, as corner numbers (new
// vertices made where edges cross are numbered after the corners).
class Tessellateur {
public:
    explicit Tessellateur(Coins& c);
    ~Tessellateur();
    Tessellateur(const Tessellateur&) = delete;
    const std::vector<long>& decoupe(const Face& f, const float* n);

private:
    struct Etat;
    Etat* etat;
};

// The normals of the corners from the faces' (nf, three floats a face), smoothed
// within creaseAngle across the faces that meet at equal positions.
class Lissage {
public:
    Lissage(const Coins& c, const Brut<Face>& faces, const Brut<float>& nf);
    // The normal of corner i, of face f.
    void normale(long f, long i, float* v) const;

private:
    const Coins& c;
    const Brut<float>& nf;
    double seuil;
    Brut<int32_t> numero, liste;
    std::vector<int32_t> debut;
    std::vector<float> commune;  // the one sum of a position, or NaN: none
};

}  // namespace vrml1

#endif
