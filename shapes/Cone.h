#ifndef ORLEVAN_CONE_H
#define ORLEVAN_CONE_H

#include "scene/Noeud.h"

// A cone centred on the origin, apex up along y.
//   reads:   Cone { bottomRadius 1 height 2 parts SIDES|BOTTOM }
//   writes:    solidCone(1.000000F,2.000000F,72,"SIDES|BOTTOM");
class Cone : public Noeud {
public:
    float bottomRadius = 1.0f;
    float height = 2.0f;
    char parts[256] = "ALL";  // keywords joined by "|", as read; decoded when drawn

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
