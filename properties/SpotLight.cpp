#include "properties/SpotLight.h"

#include <GL/gl.h>

#include "scene/CodeC.h"
#include "scene/Lecteur.h"

void SpotLight::litChamps(FILE* in) {
    litChampsMot(in, [this, in](const char* nom, const char* valeur) {
        if (litChampCommun(in, nom, valeur)) return;
        float* vecteur = !strcmp(nom, "location")    ? location
                         : !strcmp(nom, "direction") ? direction
                                                     : nullptr;
        if (vecteur) {
            litVecteurMot(in, valeur, vecteur);
        } else if (!strcmp(nom, "dropOffRate")) {
            sscanf(valeur, "%f", &dropOffRate);
        } else if (!strcmp(nom, "cutOffAngle")) {
            sscanf(valeur, "%f", &cutOffAngle);
        }
    });
}

void SpotLight::dessine() {
    const float p[4] = {location[0], location[1], location[2], 1};
    int lumiere = prendLumiere(p);
    if (!lumiere) return;
    glLightfv(lumiere, GL_SPOT_DIRECTION, direction);
    glLightf(lumiere, GL_SPOT_CUTOFF, enDegres(cutOffAngle));
    glLightf(lumiere, GL_SPOT_EXPONENT, dropOffRate);
    glEnable(lumiere);
}

void SpotLight::exporte(FILE* out) {
    const float p[4] = {location[0], location[1], location[2], 1};
    if (!exporteDebut(out, "pos", p)) return;
    ecritC(out, "    { float dir[4] = { %fF,%fF,%fF };\n", direction[0], direction[1],
            direction[2]);
    fprintf(out, "      glLightfv(pld,GL_SPOT_DIRECTION,dir); }\n");
    ecritC(out, "    glLightf(pld,GL_SPOT_CUTOFF,%fF);\n", enDegres(cutOffAngle));
    ecritC(out, "    glLightf(pld,GL_SPOT_EXPONENT,%fF);\n", dropOffRate);
    exporteFin(out);
}
