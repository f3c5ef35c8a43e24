#ifndef ORLEVAN_TRANSFORMSVRML_H
#define ORLEVAN_TRANSFORMSVRML_H

// The five transforms of the full reader. Each turns its fields, once read, into a
// short list of elementary operations (glTranslatef, glRotatef in degrees, glScalef,
// glMultMatrixf) that drawing, saving and measuring all replay, so the three agree.

#include <vector>

#include "scene/NoeudVrml.h"

namespace vrml1 {

struct Operation {
    enum Sorte { TRANSLATION, ROTATION, ECHELLE, MATRICE } sorte;
    float v[4];  // x y z; for a rotation the angle in degrees, then the axis
    const float* matrice;  // MATRICE: 16 numbers, OpenGL's order
};

class Transforme : public Noeud {
public:
    // Built by prepare; at most seven (Transform), kept in the node: no allocation.
    Operation operations[7];
    int nbOperations = 0;
    void dessine() override;
    void exporteCorps(FILE* out) override;
    void mesure(Mesure& m) override;
    void metAJour(Etat& etat) override;  // the reading state's matrix

protected:
    void ajoute(const Operation& o) {
        if (nbOperations < 7) operations[nbOperations++] = o;
    }
    void translation(const Vec3& t, float signe = 1);
    void rotation(const Rotation4& r, float signe = 1);
    void echelle(const Vec3& s);
};

class Translation : public Transforme {
public:
    Vec3 translation_ = {0, 0, 0};
    const char* type() const override { return "Translation"; }
    void champs(Champs& c) override { c.sfVec3f("translation", &translation_); }
    void prepare(Etat& etat) override;
};

class Rotation : public Transforme {
public:
    Rotation4 rotation_ = {{0, 0, 1}, 0};
    const char* type() const override { return "Rotation"; }
    void champs(Champs& c) override { c.sfRotation("rotation", &rotation_); }
    void prepare(Etat& etat) override;
};

class Scale : public Transforme {
public:
    Vec3 scaleFactor = {1, 1, 1};
    const char* type() const override { return "Scale"; }
    void champs(Champs& c) override { c.sfVec3f("scaleFactor", &scaleFactor); }
    void prepare(Etat& etat) override;
};

// In the standard's order: translation, center, rotation, scaleOrientation, scale,
// the inverse scaleOrientation, the inverse center.
class Transform : public Transforme {
public:
    Vec3 translation_ = {0, 0, 0};
    Rotation4 rotation_ = {{0, 0, 1}, 0};
    Vec3 scaleFactor = {1, 1, 1};
    Rotation4 scaleOrientation = {{0, 0, 1}, 0};
    Vec3 center = {0, 0, 0};
    const char* type() const override { return "Transform"; }
    void champs(Champs& c) override;
    void prepare(Etat& etat) override;
};

class MatrixTransform : public Transforme {
public:
    Matrice matrix;
    const char* type() const override { return "MatrixTransform"; }
    void champs(Champs& c) override { c.sfMatrix("matrix", &matrix); }
    void prepare(Etat& etat) override;
};

}  // namespace vrml1

#endif
