#ifndef ORLEVAN_PERSPECTIVECAMERA_H
#define ORLEVAN_PERSPECTIVECAMERA_H

#include "scene/Noeud.h"

// Replaces the projection with a perspective one and views from position, turned by
// orientation; the user's view transform still applies on top.
//   reads:   PerspectiveCamera { position 0 0 1 orientation 0 0 1 0
//                                focalDistance 5 heightAngle 2 }
//   writes:    { glMatrixMode(GL_PROJECTION); ... gluPerspective(...); ... }
class PerspectiveCamera : public Noeud {
public:
    float position[3] = {0, 0, 1};
    float orientation[4] = {0, 0, 0, 1};  // angle in radians first, then the axis
    float focalDistance = 5;              // kept, used neither drawing nor saving
    float heightAngle = 2;                // vertical field of view, radians

    void litChamps(FILE* in);
    void dessine() override;
    void exporte(FILE* out) override;
};

#endif
