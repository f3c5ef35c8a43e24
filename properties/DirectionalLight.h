#ifndef ORLEVAN_DIRECTIONALLIGHT_H
#define ORLEVAN_DIRECTIONALLIGHT_H

#include "properties/Light.h"

// A light at infinity, shining along direction.
//   reads:   DirectionalLight { on TRUE intensity 1 color 1 1 1 direction 0 0 -1 }
//   writes:    { int pld = premiereLumiereDisponible(); ... glEnable(pld); }
class DirectionalLight : public Light {
public:
    float direction[3] = {0, 0, -1};  // where the light travels

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
