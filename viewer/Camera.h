#ifndef ORLEVAN_CAMERA_H
#define ORLEVAN_CAMERA_H

// What the two camera nodes share: their field block, the viewing transform they
// load, and the lines of generated code that load it.

#include <cstdio>
#include <cstring>

#include "scene/Lecteur.h"

// Reads a camera's number-first block; nomHauteur names the field that differs
// ("height" or "heightAngle"). A number that does not scan leaves its field as it was.
template <class C>
void litChampsCamera(FILE* in, C* camera, const char* nomHauteur, float* hauteur) {
    litChampsNombre(in, [=](const char* nom, float v, bool lu) {
        if (!strcmp(nom, nomHauteur)) {
            if (lu) *hauteur = v;
        } else if (!strcmp(nom, "focalDistance")) {
            if (lu) camera->focalDistance = v;
        } else if (!strcmp(nom, "position")) {
            if (lu) camera->position[0] = v;
            litNombre(in, &camera->position[1]);
            litNombre(in, &camera->position[2]);
        } else if (!strcmp(nom, "orientation")) {
            // The file writes the axis first, then the angle.
            if (lu) camera->orientation[1] = v;
            litNombre(in, &camera->orientation[2]);
            litNombre(in, &camera->orientation[3]);
            litNombre(in, &camera->orientation[0]);
        }
    });
}

// Loads the inverse of the camera's orientation and position into the model-view
// matrix, then the user's own view transform on top.
void placeCamera(const float orientation[4], const float position[3]);

// Opening lines of a camera's generated block: the projection matrix and the size.
void exporteDebutCamera(FILE* out);
// Closing lines: the model-view matrix, as placeCamera loads it without the user's view.
void exporteFinCamera(FILE* out, const float orientation[4], const float position[3]);

#endif
