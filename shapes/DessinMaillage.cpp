// The drawing of a mesh's arrays, shared by the full language's shapes and the saved
// files that draw them (the library of the solids: no reader in it).
#include <GL/gl.h>

#include "shapes/Solides.h"

void solidMaillage(int primitive, int flags, const float* base, int nbSommets,
                   const float* sommets, const float* normales,
                   const unsigned char* couleurs, int nbIndices, const unsigned int* indices) {
    if (nbSommets <= 0) return;
    // Everything changed below comes back with the two pops.
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    if (primitive == GL_TRIANGLES) {
        if (flags & MAILLAGE_SOLIDE) {
            glEnable(GL_CULL_FACE);
        } else {
            glDisable(GL_CULL_FACE);
            glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
        }
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, sommets);
    if (normales) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, 0, normales);
    } else {
        glDisable(GL_LIGHTING);
    }
    if (couleurs) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(4, GL_UNSIGNED_BYTE, 0, couleurs);
        if (normales) {
            glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
            glEnable(GL_COLOR_MATERIAL);
        }
    } else if (!normales) {
        glColor4fv(base);
    }
    if (indices) glDrawElements(primitive, nbIndices, GL_UNSIGNED_INT, indices);
    else glDrawArrays(primitive, 0, nbSommets);
    glPopClientAttrib();
    glPopAttrib();
}
