#include "scene/Noeud.h"

#include <cstdlib>
#include <cstring>

char** Noeud::decoupeParties(const char* texte, int* nombre) {
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
