#include "shapes/Revolution.h"

#include "scene/CodeC.h"
#include "scene/Lecteur.h"
#include "shapes/Facettes.h"
#include "shapes/Solides.h"

void litChampsRevolution(FILE* in, const char* nomRayon, float* rayon, float* height,
                         char* parts) {
    litChampsMot(in, [=](const char* nom, const char* valeur) {
        if (!strcmp(nom, nomRayon)) sscanf(valeur, "%f", rayon);
        else if (!strcmp(nom, "height")) sscanf(valeur, "%f", height);
        else if (!strcmp(nom, "parts")) strcpy(parts, valeur);  // at most 199 characters
    });
}

void exporteRevolution(FILE* out, const char* fonction, float rayon, float height,
                       const char* parts) {
    ecritC(out, "  %s(%fF,%fF,%d,", fonction, rayon, height, nbFacettes);
    ecritChaineC(out, parts);
    fprintf(out, ");\n");
}
