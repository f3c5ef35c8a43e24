#ifndef ORLEVAN_MESURE_H
#define ORLEVAN_MESURE_H

// What orlevan-export --info and the framing measure: a traversal of the first frame
// in software. Each node's mesure() does what its dessine() does to the matrix, and
// a shape adds its vertices (ajoutePoint, in its own coordinates) and its counts.

#include <cstdint>

#include "scene/Etat.h"

namespace vrml1 {

struct Mesure {
    Transformation courante;  // scene coordinates, as the transforms set them
    Transformation vue;       // the first frame's view before the scene (LOD)
    int nbFacettes = 72;      // the primitives' tessellation count
    // For the framing: a shape may add the corners of a box around it in place of
    // its vertices (a bound a little larger, in a few operations per shape).
    bool grossiere = false;

    // Work done, nodes visited and vertices added: USE can make a scene of a few
    // lines draw a node billions of times; past travailMax (set from the scene's
    // size) the measure stops where it is, with complete false.
    int64_t travailMax = 100000000;
    int64_t travail = 0;
    bool complete = true;
    bool continuer() {
        if (++travail <= travailMax) return true;
        complete = false;
        return false;
    }

    int64_t faces = 0, triangles = 0, segments = 0, points = 0;
    bool vide = true;
    double min[3] = {0, 0, 0}, max[3] = {0, 0, 0};

    // A vertex drawn at p, in the coordinates of the current transform.
    void ajoutePoint(const float p[3]);
    void ajoutePoint(float x, float y, float z) {
        const float p[3] = {x, y, z};
        ajoutePoint(p);
    }
    // The eight corners of the box from -d to d (half extents), in the current
    // coordinates.
    void ajouteBoite(float dx, float dy, float dz);
};

}  // namespace vrml1

#endif
