#include "properties/PointLight.h"

#include <GL/gl.h>

#include "scene/Lecteur.h"

void PointLight::litChamps(FILE* in) {
    litChampsMot(in, [this, in](const char* nom, const char* valeur) {
        if (litChampCommun(in, nom, valeur)) return;
        if (!strcmp(nom, "location")) litVecteurMot(in, valeur, location);
    });
}

void PointLight::dessine() {
    const float p[4] = {location[0], location[1], location[2], 1};
    if (int lumiere = prendLumiere(p)) glEnable(lumiere);
}

void PointLight::exporte(FILE* out) {
    const float p[4] = {location[0], location[1], location[2], 1};
    if (exporteDebut(out, "pos", p)) exporteFin(out);
}
