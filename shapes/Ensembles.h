#ifndef ORLEVAN_ENSEMBLES_H
#define ORLEVAN_ENSEMBLES_H

// The vertex-based shapes of the full reader: IndexedFaceSet, IndexedLineSet and
// PointSet. Their fields are read here; in prepare() they take the coordinates,
// normals, bindings, hints and material from the reading state (scene/Etat.h) and
// build their drawing arrays (shapes/Maillage.h) once; the index lists are then let
// go. A USE draws the same arrays again: under another state (other coordinates or
// bindings) a browser would draw what that state gives.
//   writes: static const arrays before the functions, then
//             solidMaillage(GL_TRIANGLES,0,m12_b,4,m12_s,m12_n,nullptr,6,m12_i);

#include <vector>

#include "scene/NoeudVrml.h"
#include "shapes/Maillage.h"

namespace vrml1 {

// What the three shapes share: the arrays, their drawing, saving and measure.
class Ensemble : public Noeud {
public:
    Maillage maillage;
    void dessine() override { maillage.dessine(); }
    void exporteDeclarations(FILE* out) override;
    void exporteCorps(FILE* out) override;
    void mesure(Mesure& m) override;

protected:
    bool boiteFaite = false;  // the box of the finite vertices, once measured
    bool boiteVide = true;
    float boite[6];

    // The state's part of a mesh's inputs.
    static EntreeMaillage entree(const Etat& etat);
    // Keeps the mesh built, and reports the problems of its data once, at the node.
    void garde(const Etat& etat, Maillage construit);
};

// The two indexed shapes: the same fields, their own builder.
class EnsembleIndexe : public Ensemble {
public:
    std::vector<int32_t> coordIndex = {0};
    std::vector<int32_t> materialIndex = {-1};
    std::vector<int32_t> normalIndex = {-1};
    std::vector<int32_t> textureCoordIndex = {-1};  // read, not used
    void champs(Champs& c) override;
    void prepare(Etat& etat) override;

protected:
    virtual Maillage construit(const EntreeMaillage& e) const = 0;
};

class IndexedFaceSet : public EnsembleIndexe {
public:
    const char* type() const override { return "IndexedFaceSet"; }

protected:
    Maillage construit(const EntreeMaillage& e) const override { return maillageFaces(e); }
};

class IndexedLineSet : public EnsembleIndexe {
public:
    const char* type() const override { return "IndexedLineSet"; }

protected:
    Maillage construit(const EntreeMaillage& e) const override { return maillageLignes(e); }
};

class PointSet : public Ensemble {
public:
    int32_t startIndex = 0;
    int32_t numPoints = -1;  // -1: every coordinate from startIndex on
    const char* type() const override { return "PointSet"; }
    void champs(Champs& c) override;
    void prepare(Etat& etat) override;
};

}  // namespace vrml1

#endif
