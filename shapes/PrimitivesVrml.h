#ifndef ORLEVAN_PRIMITIVESVRML_H
#define ORLEVAN_PRIMITIVESVRML_H

// The four primitives of the full reader, drawn by the subset's solids (shapes/
// Solides.h) and saved as the same run-time calls; parts are an SFBitMask. And
// AsciiText, read and not drawn.

#include <string>
#include <vector>

#include "scene/NoeudVrml.h"

namespace vrml1 {

class Cube : public Noeud {
public:
    float width = 2, height = 2, depth = 2;
    const char* type() const override { return "Cube"; }
    void champs(Champs& c) override;
    void dessine() override;
    void exporteCorps(FILE* out) override;
    void mesure(Mesure& m) override;
};

class Sphere : public Noeud {
public:
    float radius = 1;
    const char* type() const override { return "Sphere"; }
    void champs(Champs& c) override { c.sfFloat("radius", &radius); }
    void dessine() override;
    void exporteCorps(FILE* out) override;
    void mesure(Mesure& m) override;
};

// The parts words of the cone and the cylinder (SIDES, BOTTOM, TOP, ALL), with the
// bits of shapes/Solides.h.
extern const Mot motsParties[];

class Cone : public Noeud {
public:
    int parts = 7;  // ALL
    float bottomRadius = 1, height = 2;
    const char* type() const override { return "Cone"; }
    void champs(Champs& c) override;
    void dessine() override;
    void exporteCorps(FILE* out) override;
    void mesure(Mesure& m) override;
};

class Cylinder : public Noeud {
public:
    int parts = 7;  // ALL
    float radius = 1, height = 2;
    const char* type() const override { return "Cylinder"; }
    void champs(Champs& c) override;
    void dessine() override;
    void exporteCorps(FILE* out) override;
    void mesure(Mesure& m) override;
};

class AsciiText : public Noeud {
public:
    std::vector<std::string> string = {""};
    float spacing = 1;
    int justification = 0;  // LEFT, CENTER, RIGHT
    std::vector<float> width = {0};
    const char* type() const override { return "AsciiText"; }
    bool dessinable() const override { return false; }
    void champs(Champs& c) override;
};

}  // namespace vrml1

#endif
