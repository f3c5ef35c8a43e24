#ifndef ORLEVAN_SPOTLIGHT_H
#define ORLEVAN_SPOTLIGHT_H

#include "properties/Light.h"

// A light at a point, shining in a cone about direction.
//   reads:   SpotLight { on TRUE intensity 1 color 1 1 1 location 0 0 1
//                        direction 0 0 -1 dropOffRate 0 cutOffAngle 0.7854 }
//   writes:    { int pld = premiereLumiereDisponible();
//                (colour times intensity as GL_DIFFUSE and GL_SPECULAR)
//                (location as GL_POSITION, w 1, as a PointLight writes it)
//                { float dir[4] = { 0.000000F,0.000000F,-1.000000F };
//                  glLightfv(pld,GL_SPOT_DIRECTION,dir); }
//                glLightf(pld,GL_SPOT_CUTOFF,45.000140F);  (cutOffAngle in degrees)
//                glLightf(pld,GL_SPOT_EXPONENT,0.000000F);
//                glEnable(pld); }            (nothing when on is not TRUE)
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
