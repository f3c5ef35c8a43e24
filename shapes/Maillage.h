#ifndef ORLEVAN_MAILLAGE_H
#define ORLEVAN_MAILLAGE_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "scene/Etat.h"
#include "shapes/Solides.h"  // solidMaillage

// Meshes of the full VRML 1.0 language (IndexedFaceSet, IndexedLineSet, PointSet),
// turned once, when the scene is read, into the arrays that drawing needs: one vertex
// per corner of every triangle, segment or point, with its normal and its colour.
// A frame then costs one glDrawArrays; the saved file holds the same vertices.

namespace vrml1 {

// Memory for the arrays of a mesh: from 8 MB on, the whole 2 MB pages inside the
// block are marked for the kernel's huge pages, so that writing them takes one page
// fault per 2 MB instead of one per 4 KB (the faults cost more than the writing).
void* grandBloc(size_t octets);

// An allocator that leaves new elements as they are: the drawing arrays are written
// whole right after they are sized, so zeroing them first would be a pass for nothing.
template <class T>
struct SansZero : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = SansZero<U>;
    };
    SansZero() = default;
    template <class U>
    SansZero(const SansZero<U>&) {}
    T* allocate(size_t n) { return static_cast<T*>(grandBloc(n * sizeof(T))); }
    void deallocate(T* p, size_t) noexcept { free(p); }
    template <class U>
    void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... A>
    void construct(U* p, A&&... a) { ::new (static_cast<void*>(p)) U(std::forward<A>(a)...); }
};
template <class T>
using Brut = std::vector<T, SansZero<T>>;

// The bindings (Liaison) and hints (OrdreSommets, TypeForme, TypeFace) are the
// reading state's, scene/Etat.h.

// What a mesh is built from: the traversal state where it stands and its own fields.
// Arrays are borrowed for the build only. Counts are of values (a point is 3 floats).
struct EntreeMaillage {
    const float* points = nullptr;        // Coordinate3, x y z each
    long nbPoints = 0;
    const float* normales = nullptr;      // Normal; none (0) when no Normal came before
    long nbNormales = 0;
    const float* diffuses = nullptr;      // Material's diffuseColor, r g b each
    long nbDiffuses = 0;
    const float* transparences = nullptr; // Material's transparency
    long nbTransparences = 0;
    const int32_t* coordIndex = nullptr;
    long nbCoordIndex = 0;
    const int32_t* materialIndex = nullptr;  // the default [-1] means "as coordIndex"
    long nbMaterialIndex = 0;
    const int32_t* normalIndex = nullptr;
    long nbNormalIndex = 0;
    int liaisonMateriau = DEFAULT;
    int liaisonNormale = DEFAULT;
    int ordre = UNKNOWN_ORDERING;  // ShapeHints
    int forme = UNKNOWN_SHAPE_TYPE;
    int typeFaces = CONVEX;
    float creaseAngle = 0.5f;
    long startIndex = 0;           // PointSet
    long numPoints = -1;
};

// A mesh ready to draw, and what its build found.
class Maillage {
public:
    int primitive = 0;             // GL_TRIANGLES, GL_LINES or GL_POINTS
    int drapeaux = 0;
    float base[4] = {0.8f, 0.8f, 0.8f, 1};  // colour of unlit vertices without colours
    Brut<float> sommets;    // x y z per vertex
    Brut<float> normales;   // per vertex, or empty: unlit
    Brut<unsigned char> couleurs;  // r g b a per vertex, or empty: the material

    // Counts for --info: faces drawn, their triangles (k - 2 for k vertices),
    // segments (k - 1 per polyline of k vertices), points.
    long faces = 0, triangles = 0, segments = 0, points = 0;
    // Problems of the data, for one message per node.
    long horsBornes = 0;   // faces or segments dropped for an index out of range
    long tropCourtes = 0;  // faces of fewer than three vertices, dropped
    long manquants = 0;    // binding values asked for beyond the last one (repeated)

    long nbSommets() const { return static_cast<long>(sommets.size() / 3); }
    mutable long nbDistincts = 0;  // vertices written by exporteTableaux
    void dessine() const;
    // Writes the mesh into the generated C file: static constant arrays named with
    // the prefix (equal vertices written once, indexed), before the functions; then,
    // where the mesh is drawn, one call to solidMaillage.
    void exporteTableaux(FILE* out, const char* prefixe) const;
    void exporteAppel(FILE* out, const char* prefixe) const;
    // The bytes of the arrays that drawing needs.
    size_t octets() const;
    // Gives back what the arrays hold beyond their size, once built.
    void ajuste();
};

// The builders, one per shape, with the standard's meaning of DEFAULT for each.
Maillage maillageFaces(const EntreeMaillage& e);   // IndexedFaceSet
Maillage maillageLignes(const EntreeMaillage& e);  // IndexedLineSet
Maillage maillagePoints(const EntreeMaillage& e);  // PointSet

}  // namespace vrml1

#endif
