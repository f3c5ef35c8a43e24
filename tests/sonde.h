// A probe node for the drawing tests: it draws nothing and notes the matrices, the
// front material and the scene lights in force where the traversal meets it.
#ifndef ORLEVAN_TESTS_SONDE_H
#define ORLEVAN_TESTS_SONDE_H

#include <GL/gl.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "scene/Noeud.h"
#include "shapes/Facettes.h"

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

inline bool operator==(const EtatMateriau& a, const EtatMateriau& b) {
    return memcmp(&a, &b, sizeof a) == 0;
}

// Which of GL_LIGHT1 to GL_LIGHT7 are on, as a string of 0 and 1 ("1100000").
inline std::string lumieresAllumees() {
    std::string s;
    for (GLenum l = GL_LIGHT1; l <= GL_LIGHT7; ++l) s += glIsEnabled(l) ? '1' : '0';
    return s;
}

// What a probe saw when it was drawn.
struct Releve {
    std::array<GLfloat, 16> matrice;  // model-view
    std::array<GLfloat, 16> projection;
    EtatMateriau materiau;
    std::string lumieres;
    int facettes;  // nbFacettes
};

inline Releve releveCourant() {
    Releve r;
    glGetFloatv(GL_MODELVIEW_MATRIX, r.matrice.data());
    glGetFloatv(GL_PROJECTION_MATRIX, r.projection.data());
    r.materiau = materiau();
    r.lumieres = lumieresAllumees();
    r.facettes = nbFacettes;
    return r;
}

// A node that draws nothing and notes the state it is drawn in, each time.
class Sonde : public Noeud {
public:
    std::vector<Releve> vus;  // one per drawing, in order
    Releve releve;            // the last one
    void dessine() override {
        releve = releveCourant();
        vus.push_back(releve);
    }
};

#endif
