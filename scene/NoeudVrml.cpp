#include "scene/NoeudVrml.h"

namespace vrml1 {

void Noeud::exporte(FILE* out) {
    if (fonction) fprintf(out, "  partage%d();\n", fonction);
    else exporteCorps(out);
}

}  // namespace vrml1
