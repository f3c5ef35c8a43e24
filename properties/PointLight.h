#ifndef ORLEVAN_POINTLIGHT_H
#define ORLEVAN_POINTLIGHT_H

#include "properties/Light.h"

// A light at a point, shining every way.
//   reads:   PointLight { on TRUE intensity 1 color 1 1 1 location 0 0 1 }
//   writes:    { int pld = premiereLumiereDisponible(); ... glEnable(pld); }
class PointLight : public Light {
public:
    float location[3] = {0, 0, 1};

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
