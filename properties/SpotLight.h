#ifndef ORLEVAN_SPOTLIGHT_H
#define ORLEVAN_SPOTLIGHT_H

#include "properties/Light.h"

// A light at a point, shining in a cone about direction.
//   reads:   SpotLight { on TRUE intensity 1 color 1 1 1 location 0 0 1
//                        direction 0 0 -1 dropOffRate 0 cutOffAngle 0.7854 }
//   writes:    { int pld = premiereLumiereDisponible(); ... glEnable(pld); }
class SpotLight : public Light {
public:
    float location[3] = {0, 0, 1};    // apex of the cone
    float direction[3] = {0, 0, -1};  // axis of the cone
    float dropOffRate = 0;            // OpenGL's spot exponent, unchanged
    float cutOffAngle = 0.7854f;      // radians, half-angle; converted when drawn

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
