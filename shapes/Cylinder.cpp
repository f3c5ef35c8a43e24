#include "shapes/Cylinder.h"

#include <GL/gl.h>

#include "scene/Lecteur.h"
#include "scene/Scene.h"
#include "shapes/Solides.h"

void Cylinder::litChamps(FILE* in) {
    litChampsMot(in, [this](const char* nom, const char* valeur) {
        if (!strcmp(nom, "radius")) sscanf(valeur, "%f", &radius);
        else if (!strcmp(nom, "height")) sscanf(valeur, "%f", &height);
        else if (!strcmp(nom, "parts")) strcpy(parts, valeur);
    });
}

void Cylinder::dessine() {
    int flags = drapeauxParties(parts, SIDES | BOTTOM | TOP);
    glPushMatrix();
        solidCylindre(radius, height, nbFacettes, flags);
    glPopMatrix();
}

void Cylinder::exporte(FILE* out) {
    fprintf(out, "  solidCylindre(%fF,%fF,%d,", radius, height, nbFacettes);
    ecritChaineC(out, parts);
    fprintf(out, ");\n");
}
