#ifndef ORLEVAN_CYLINDER_H
#define ORLEVAN_CYLINDER_H

#include "scene/Noeud.h"

// A cylinder centred on the origin, its axis along y.
//   reads:   Cylinder { radius 1 height 2 parts SIDES|TOP|BOTTOM }
//   writes:    solidCylindre(1.000000F,2.000000F,72,"SIDES|TOP|BOTTOM");
class Cylinder : public Noeud {
public:
    float radius = 1.0f;
    float height = 2.0f;
    char parts[256] = "ALL";  // keywords joined by "|", as read; decoded when drawn

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
