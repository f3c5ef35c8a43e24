#ifndef ORLEVAN_MATERIAL_H
#define ORLEVAN_MATERIAL_H

#include "scene/Noeud.h"

// Sets the front and back material for what follows in the same group.
//   reads:   Material { diffuseColor 0.8 0.8 0.8 shininess 0.2 transparency 0 ... }
//   writes:    { float t[4] = { 0.800000F,0.800000F,0.800000F,1.000000F };
//                glMaterialfv(GL_FRONT_AND_BACK,GL_DIFFUSE,t); }
//            and the same for the ambient, specular, emissive colours and shininess.
class Material : public Noeud {
public:
    float ambientColor[3] = {0.2f, 0.2f, 0.2f};
    float diffuseColor[3] = {0.8f, 0.8f, 0.8f};
    float specularColor[3] = {0, 0, 0};
    float emissiveColor[3] = {0, 0, 0};
    float shininess = 0.2f;   // 0 to 1; OpenGL's exponent is 128 times this
    float transparency = 0;   // the alpha of every colour is 1 - transparency

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
