// The drawing floor: the OpenGL calls of one frame of a scene, recorded once from the
// primitives' own code (compiled a second time with capture.h), then replayed by a
// bare loop.
#ifndef ORLEVAN_BENCH_PLANCHER_DESSIN_H
#define ORLEVAN_BENCH_PLANCHER_DESSIN_H

#include <GL/gl.h>

#include <cstdint>
#include <vector>

#include "scene/ListeNoeuds.h"

struct Appels {
    std::vector<uint8_t> ops;        // one per call, in order
    std::vector<GLfloat> valeurs;    // the calls' numbers, in order
    std::vector<GLenum> enums;       // glBegin modes and material parameters, in order
    long sommets = 0;
};

// Records the calls that drawing the list with count n makes, minus the program's
// own bookkeeping (material saved and restored, lights searched). False when the list
// holds a node type other than Separator, Translation, Material and the four shapes.
bool enregistreAppels(const ListeNoeuds* liste, int n, Appels& appels);

// One frame as the viewer's display callback makes it, the scene replaced by the
// recorded calls.
void imagePlancher(const Appels& appels);

// Draws n frames of the scene nom of the input folder and n of its floor, for an
// instruction count; prints the frames and the vertices of one frame.
int dessineImages(const char* nom, int n);

#endif
