#ifndef ORLEVAN_ROTATION_H
#define ORLEVAN_ROTATION_H

#include "scene/Noeud.h"

// Multiplies the current matrix by a rotation, for what follows in the same group.
// The file gives the axis, then the angle in radians; the node keeps degrees.
//   reads:   Rotation { rotation 0 1 0 3.14159 }
//   writes:    glRotatef(180.000000F,0.000000F,1.000000F,0.000000F);
class Rotation : public Noeud {
public:
    float angle = 0;              // degrees, in glRotatef's order: angle, then axis
    float axis[3] = {0, 0, 1};    // not normalised

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
