#ifndef ORLEVAN_SPHERE_H
#define ORLEVAN_SPHERE_H

#include "scene/Noeud.h"

// A sphere centred on the origin, its poles on the z axis.
//   reads:   Sphere { radius 1 }
//   writes:    solidSphere(1.000000F,72);
class Sphere : public Noeud {
public:
    float radius = 1.0f;

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
