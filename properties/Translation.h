#ifndef ORLEVAN_TRANSLATION_H
#define ORLEVAN_TRANSLATION_H

#include "scene/Noeud.h"

// Multiplies the current matrix by a move, for what follows in the same group.
//   reads:   Translation { translation 0 0 0 }
//   writes:    glTranslatef(0.000000F,0.000000F,0.000000F);
class Translation : public Noeud {
public:
    float translation[3] = {0, 0, 0};

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
