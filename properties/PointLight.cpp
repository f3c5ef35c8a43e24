#include "properties/PointLight.h"

#include <GL/gl.h>

#include "scene/Lecteur.h"

void PointLight::litChamps(FILE* in) {
    litChampsMot(in, [this, in](const char* nom, const char* valeur) {
        if (litChampCommun(in, nom, valeur)) return;
        if (!strcmp(nom, "location")) {
            litVecteurMot(in, valeur, location);
        }
    });
}

void PointLight::position(float p[4]) const {
    p[0] = location[0];
    p[1] = location[1];
    p[2] = location[2];
    p[3] = 1;
}

void PointLight::dessine() {
    if (!allumee()) return;
    float p[4];
    position(p);
    glEnable(prendLumiere(p));
}

void PointLight::exporte(FILE* out) {
    if (!allumee()) return;  // as in the viewer, a light that is off lights nothing
    float p[4];
    position(p);
    exporteDebut(out, "pos", p);
    exporteFin(out);
}
