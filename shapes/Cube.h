#ifndef ORLEVAN_CUBE_H
#define ORLEVAN_CUBE_H

#include "scene/Noeud.h"

// A box centred on the origin.
//   reads:   Cube { width 2 height 2 depth 2 }
//   writes:    solidCube(2.000000F,2.000000F,2.000000F,72);
class Cube : public Noeud {
public:
    float width = 2.0f;   // along x
    float height = 2.0f;  // along y
    float depth = 2.0f;   // along z

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
