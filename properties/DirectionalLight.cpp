#include "properties/DirectionalLight.h"

#include <GL/gl.h>

#include "scene/Lecteur.h"

void DirectionalLight::litChamps(FILE* in) {
    litChampsMot(in, [this, in](const char* nom, const char* valeur) {
        if (litChampCommun(in, nom, valeur)) return;
        if (!strcmp(nom, "direction")) litVecteurMot(in, valeur, direction);
    });
}

// OpenGL wants the direction towards the light, at w = 0.
void DirectionalLight::dessine() {
    const float p[4] = {-direction[0], -direction[1], -direction[2], 0};
    if (int lumiere = prendLumiere(p)) glEnable(lumiere);
}

void DirectionalLight::exporte(FILE* out) {
    const float p[4] = {-direction[0], -direction[1], -direction[2], 0};
    if (exporteDebut(out, "dir", p)) exporteFin(out);
}
