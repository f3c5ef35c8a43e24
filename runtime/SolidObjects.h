// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Orlevan developers. The run-time library and the files
// Orlevan saves may go into any program (see LICENSE).
#ifndef ORLEVAN_SOLIDOBJECTS_H
#define ORLEVAN_SOLIDOBJECTS_H

// The solids that a scene saved by Orlevan draws. Each draws, at the current matrix
// and with the current material, exactly what the viewer draws for the node of the
// same shape, and leaves the matrix as it found it. n is the tessellation count the
// file was saved with (3 or more).

// A box of the given extents along x, y and z, centred on the origin.
void solidCube(float width, float height, float depth, int n);
// A sphere centred on the origin, its poles on the z axis.
void solidSphere(float radius, int n);
// A cone, apex up along y. parts: "ALL", "SIDES", "BOTTOM" or several joined by "|"
// (SIDES|BOTTOM); any other piece draws nothing.
void solidCone(float bottomRadius, float height, int n, const char* parts);
// A cylinder along y. parts as for the cone, with "TOP" as well.
void solidCylindre(float radius, float height, int n, const char* parts);

// A mesh of the full VRML 1.0 language (IndexedFaceSet, IndexedLineSet, PointSet),
// from the arrays the saved file holds: primitive GL_TRIANGLES, GL_LINES or GL_POINTS;
// flags 1 for a solid shape (back faces culled; otherwise no culling and both sides
// lit); base the r g b a of unlit vertices without colours; nbSommets vertices of
// x y z, with their normals (or nullptr: unlit) and r g b a colours (or nullptr: the
// current material); nbIndices indices into them, or nullptr: every vertex in order.
// OpenGL's state is left as it was found.
void solidMaillage(int primitive, int flags, const float* base, int nbSommets,
                   const float* sommets, const float* normales,
                   const unsigned char* couleurs, int nbIndices, const unsigned int* indices);

#endif
