#include "scene/Lumieres.h"

#include <GL/gl.h>

int premiereLumiereDisponible() {
    int lumiere = GL_LIGHT0 + 1;
    while (glIsEnabled(lumiere)) ++lumiere;
    return lumiere;
}
