// The parts word of a cone or a cylinder ("SIDES|BOTTOM"), as the nodes and the
// run-time library of saved scenes read it.
#include <cstdlib>
#include <cstring>

#include "shapes/Solides.h"

char** decoupeParties(const char* texte, int* nombre) {
    int n = 1;
    for (const char* c = texte; *c; ++c)
        if (*c == '|') ++n;
    *nombre = n;

    char** pieces = static_cast<char**>(calloc(n, sizeof(char*)));
    const char* debut = texte;
    for (int m = 0; m < n; ++m) {
        const char* fin = strchr(debut, '|');
        if (!fin) fin = debut + strlen(debut);
        size_t longueur = fin - debut;
        pieces[m] = static_cast<char*>(calloc(longueur + 1, 1));
        memcpy(pieces[m], debut, longueur);
        debut = fin + 1;
    }
    return pieces;
}

int drapeauxParties(const char* parts, int tout) {
    int nombre;
    char** pieces = decoupeParties(parts, &nombre);
    int drapeaux = 0;
    for (int m = 0; m < nombre; ++m) {
        if (!strcmp(pieces[m], "ALL")) drapeaux |= tout;
        else if (!strcmp(pieces[m], "SIDES")) drapeaux |= SIDES;
        else if (!strcmp(pieces[m], "BOTTOM")) drapeaux |= BOTTOM;
        else if (!strcmp(pieces[m], "TOP")) drapeaux |= tout & TOP;
        free(pieces[m]);
    }
    free(pieces);
    return drapeaux;
}
