// A probe node for the drawing tests: it draws nothing and notes the matrices, the
// front material and the scene lights in force where the traversal meets it.
#ifndef ORLEVAN_TESTS_SONDE_H
#define ORLEVAN_TESTS_SONDE_H

#include <GL/gl.h>

#include <string>

#include "scene/Noeud.h"

// The front material, as the Separator saves it.
struct EtatMateriau {
    GLfloat diffuse[4], ambient[4], specular[4], emission[4], shininess[1];
};

inline EtatMateriau materiau(GLenum face = GL_FRONT) {
    EtatMateriau m;
    glGetMaterialfv(face, GL_DIFFUSE, m.diffuse);
    glGetMaterialfv(face, GL_AMBIENT, m.ambient);
    glGetMaterialfv(face, GL_SPECULAR, m.specular);
    glGetMaterialfv(face, GL_EMISSION, m.emission);
    glGetMaterialfv(face, GL_SHININESS, m.shininess);
    return m;
}

// Which of GL_LIGHT1 to GL_LIGHT7 are on, as a string of 0 and 1 ("1100000").
inline std::string lumieresAllumees() {
    std::string s;
    for (GLenum l = GL_LIGHT1; l <= GL_LIGHT7; ++l) s += glIsEnabled(l) ? '1' : '0';
    return s;
}

// What a probe saw when it was drawn.
struct Releve {
    GLfloat matrice[16];     // model-view
    GLfloat projection[16];
    EtatMateriau materiau;
    std::string lumieres;
};

// A node that draws nothing and notes the state it is drawn in.
class Sonde : public Noeud {
public:
    Releve releve;
    int fois = 0;
    void dessine() override {
        glGetFloatv(GL_MODELVIEW_MATRIX, releve.matrice);
        glGetFloatv(GL_PROJECTION_MATRIX, releve.projection);
        releve.materiau = materiau();
        releve.lumieres = lumieresAllumees();
        ++fois;
    }
};

#endif
