#ifndef ORLEVAN_ISOLEMENT_H
#define ORLEVAN_ISOLEMENT_H

// What a Separator keeps from leaking out of its children: the front material and
// the lights they switch on. The viewer's Separator and the run-time library of
// saved scenes share these, so that both restore the very same state.

// The front material, as a Separator saves it before its children and puts it back
// after them (the run-time library of saved scenes keeps a stack of these).
struct MateriauFace {
    float diffuse[4], ambient[4], specular[4], emission[4], shininess[1];
    void sauve();
    void restaure() const;
};

// The lowest OpenGL light from GL_LIGHT1 upward that is not enabled (GL_LIGHT0 is the
// head lamp). When all are on, one past the last light, which names no light.
int premiereLumiereDisponible();

// Switches off the lights taken since premiereLumiereDisponible() gave premiere: the
// lights that a group's children take form one run from there.
void eteintDepuis(int premiere);

#endif
