#ifndef ORLEVAN_DIRECTIONALLIGHT_H
#define ORLEVAN_DIRECTIONALLIGHT_H

#include "properties/Light.h"

// A light at infinity, shining along direction.
//   reads:   DirectionalLight { on TRUE intensity 1 color 1 1 1 direction 0 0 -1 }
//   writes:    { int pld = premiereLumiereDisponible();
//                (colour times intensity as GL_DIFFUSE and GL_SPECULAR)
//                { float dir[4] = { -0.000000F,-0.000000F,1.000000F,0.000000F };
//                  glLightfv(pld,GL_POSITION,dir); }   (towards the light, w 0)
//                glEnable(pld); }            (nothing when on is not TRUE)
class DirectionalLight : public Light {
public:
    float direction[3] = {0, 0, -1};  // where the light travels

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
