#include "shapes/Cone.h"

#include <GL/gl.h>

#include "scene/Lecteur.h"
#include "scene/Scene.h"
#include "shapes/Solides.h"

void Cone::litChamps(FILE* in) {
    litChampsMot(in, [this](const char* nom, const char* valeur) {
        if (!strcmp(nom, "bottomRadius")) sscanf(valeur, "%f", &bottomRadius);
        else if (!strcmp(nom, "height")) sscanf(valeur, "%f", &height);
        else if (!strcmp(nom, "parts")) strcpy(parts, valeur);
    });
}

void Cone::dessine() {
    int flags = drapeauxParties(parts, SIDES | BOTTOM);
    glPushMatrix();
        solidCone(bottomRadius, height, nbFacettes, flags);
    glPopMatrix();
}

void Cone::exporte(FILE* out) {
    fprintf(out, "  solidCone(%fF,%fF,%d,", bottomRadius, height, nbFacettes);
    ecritChaineC(out, parts);
    fprintf(out, ");\n");
}
