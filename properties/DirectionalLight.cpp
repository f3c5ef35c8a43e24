#include "properties/DirectionalLight.h"

#include <GL/gl.h>

#include "scene/Lecteur.h"

void DirectionalLight::litChamps(FILE* in) {
    litChampsMot(in, [this, in](const char* nom, const char* valeur) {
        if (litChampCommun(in, nom, valeur)) return;
        if (!strcmp(nom, "direction")) {
            litVecteurMot(in, valeur, direction);
        }
    });
}

// OpenGL wants the direction towards the light, at w = 0.
void DirectionalLight::position(float p[4]) const {
    p[0] = -direction[0];
    p[1] = -direction[1];
    p[2] = -direction[2];
    p[3] = 0;
}

void DirectionalLight::dessine() {
    if (!allumee()) return;
    float p[4];
    position(p);
    glEnable(prendLumiere(p));
}

void DirectionalLight::exporte(FILE* out) {
    if (!allumee()) return;  // as in the viewer, a light that is off lights nothing
    float p[4];
    position(p);
    exporteDebut(out, "dir", p);
    exporteFin(out);
}
