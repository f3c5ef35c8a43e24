#ifndef ORLEVAN_SCALE_H
#define ORLEVAN_SCALE_H

#include "scene/Noeud.h"

// Multiplies the current matrix by a scale per axis, for what follows in the same group.
//   reads:   Scale { scaleFactor 1 1 1 }
//   writes:    glScalef(1.000000F,1.000000F,1.000000F);
class Scale : public Noeud {
public:
    float scaleFactor[3] = {1, 1, 1};

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
