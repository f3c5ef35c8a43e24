#ifndef ORLEVAN_ORTHOGRAPHICCAMERA_H
#define ORLEVAN_ORTHOGRAPHICCAMERA_H

#include "scene/Noeud.h"

// Replaces the projection with a parallel one and views from position, turned by
// orientation; the user's view transform still applies on top.
//   reads:   OrthographicCamera { position 0 0 1 orientation 0 0 1 0
//                                 focalDistance 5 height 2 }
//   writes:    { glMatrixMode(GL_PROJECTION); ... glOrtho(...); ... glTranslatef(...); }
class OrthographicCamera : public Noeud {
public:
    float position[3] = {0, 0, 1};
    float orientation[4] = {0, 0, 0, 1};  // angle in radians first, then the axis
    float focalDistance = 5;              // kept, used neither drawing nor saving
    float height = 2;                     // of the view volume, in scene units

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
