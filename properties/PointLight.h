#ifndef ORLEVAN_POINTLIGHT_H
#define ORLEVAN_POINTLIGHT_H

#include "properties/Light.h"

// A light at a point, shining every way.
//   reads:   PointLight { on TRUE intensity 1 color 1 1 1 location 0 0 1 }
//   writes:    { int pld = premiereLumiereDisponible();
//                (colour times intensity as GL_DIFFUSE and GL_SPECULAR)
//                { float pos[4] = { 0.000000F,0.000000F,1.000000F,1.000000F };
//                  glLightfv(pld,GL_POSITION,pos); }
//                glEnable(pld); }            (nothing when on is not TRUE)
class PointLight : public Light {
public:
    float location[3] = {0, 0, 1};

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
