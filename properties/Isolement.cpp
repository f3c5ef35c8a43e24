#include "properties/Isolement.h"

#include <GL/gl.h>

void MateriauFace::sauve() {
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, shininess);
}

void MateriauFace::restaure() const {
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, emission);
    glMaterialfv(GL_FRONT, GL_SHININESS, shininess);
}

int premiereLumiereDisponible() {
    int lumiere = GL_LIGHT0 + 1;
    while (glIsEnabled(lumiere)) ++lumiere;
    return lumiere;
}

void eteintDepuis(int premiere) {
    int suivante = premiereLumiereDisponible();
    for (int lumiere = premiere; lumiere < suivante; ++lumiere) glDisable(lumiere);
}
