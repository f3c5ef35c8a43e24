#include "shapes/Ensembles.h"

namespace vrml1 {

// The four index fields of the two indexed shapes.
template <class T>
static void champsIndices(Champs& c, T* n) {
    c.mfLong("coordIndex", &n->coordIndex);
    c.mfLong("materialIndex", &n->materialIndex);
    c.mfLong("normalIndex", &n->normalIndex);
    c.mfLong("textureCoordIndex", &n->textureCoordIndex);
}

void IndexedFaceSet::champs(Champs& c) { champsIndices(c, this); }
void IndexedLineSet::champs(Champs& c) { champsIndices(c, this); }

void PointSet::champs(Champs& c) {
    c.sfLong("startIndex", &startIndex);
    c.sfLong("numPoints", &numPoints);
}

}  // namespace vrml1
