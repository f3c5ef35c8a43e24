#ifndef ORLEVAN_SEPARATOR_H
#define ORLEVAN_SEPARATOR_H

#include "scene/ListeNoeuds.h"
#include "scene/Noeud.h"

// A group whose children's transforms, material and lights stay inside it.
//   reads:   Separator { child nodes }
//   writes:    glPushMatrix(); empileMaterial(); empileLights();
//              ...children...
//              depileLights(); depileMaterial(); glPopMatrix();
class Separator : public Noeud {
public:
    ListeNoeuds* enfants;

    Separator();
    // Reads the children up to the block's "}" (the "{" is already read).
    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

// Draws a list with the front material and the lights it changes restored after it:
// a Separator without the matrix push.
void dessineIsole(const ListeNoeuds* liste);

// Deepest nesting of Separators that the reader follows; past it the reading stops
// as at the end of the file, so that a crafted file cannot exhaust the stack.
const int PROFONDEUR_MAX = 1000;

#endif
