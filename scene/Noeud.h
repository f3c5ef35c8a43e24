#ifndef ORLEVAN_NOEUD_H
#define ORLEVAN_NOEUD_H

#include <cstdio>

#include "scene/Arene.h"

// Base of every node of the scene tree. Nodes are created by the reader, hung into
// their parent's list at once, and live as long as their scene's arena: until the
// process ends in the viewer and the converter (nothing frees them one by one).
//
// Each node class also has a non-virtual litChamps(FILE*), which the reader's keyword
// dispatch (litNoeud) calls on the new node right after its keyword: it reads the
// node's block from its "{" to its "}", both included. Separator is the exception:
// the dispatch reads its "{", and its litChamps reads the children up to the "}".
class Noeud : public DansArene {
public:
    virtual ~Noeud();
    // Draws the node with OpenGL into the current context.
    virtual void dessine() {}
    // Appends the node's generated C code to an open output stream.
    virtual void exporte(FILE* out) { (void)out; }
};

// Radians to degrees as saved files and pictures expect them: times 180.0, divided
// by 3.14159 as a float (3.1415901184082031, not pi), in double precision.
inline double enDegres(float radians) { return radians * 180.0 / 3.14159f; }

#endif
