#ifndef ORLEVAN_ENSEMBLES_H
#define ORLEVAN_ENSEMBLES_H

// The vertex-based shapes of the full reader: IndexedFaceSet, IndexedLineSet and
// PointSet. Their fields are read here; they take the coordinates, normals,
// bindings, hints and material from the reading state (scene/Etat.h) in prepare().
// Drawing, saving and their --info counts come with the meshes.

#include <vector>

#include "scene/NoeudVrml.h"

namespace vrml1 {

class IndexedFaceSet : public Noeud {
public:
    std::vector<int32_t> coordIndex = {0};
    std::vector<int32_t> materialIndex = {-1};
    std::vector<int32_t> normalIndex = {-1};
    std::vector<int32_t> textureCoordIndex = {-1};
    const char* type() const override { return "IndexedFaceSet"; }
    bool dessinable() const override { return false; }
    void champs(Champs& c) override;
};

class IndexedLineSet : public Noeud {
public:
    std::vector<int32_t> coordIndex = {0};
    std::vector<int32_t> materialIndex = {-1};
    std::vector<int32_t> normalIndex = {-1};
    std::vector<int32_t> textureCoordIndex = {-1};
    const char* type() const override { return "IndexedLineSet"; }
    bool dessinable() const override { return false; }
    void champs(Champs& c) override;
};

class PointSet : public Noeud {
public:
    int32_t startIndex = 0;
    int32_t numPoints = -1;  // -1: every coordinate from startIndex on
    const char* type() const override { return "PointSet"; }
    bool dessinable() const override { return false; }
    void champs(Champs& c) override;
};

}  // namespace vrml1

#endif
