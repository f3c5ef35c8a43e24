// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Orlevan developers. The run-time library and the files
// Orlevan saves may go into any program (see LICENSE).
#ifndef ORLEVAN_UTILS_H
#define ORLEVAN_UTILS_H

// The state stacks of a scene saved by Orlevan: each Separator of the file brackets
// its children with a matrix push, empileMaterial and empileLights, and undoes them
// in the opposite order.

// Saves the front material; the matching depileMaterial puts it back.
void empileMaterial();
void depileMaterial();

// Notes the first free light; the matching depileLights switches off every light
// switched on since, so that the next light takes the same number again.
void empileLights();
void depileLights();

// The lowest OpenGL light from GL_LIGHT1 upward that is not enabled; GL_LIGHT0 is
// left to the host program (the viewer's head lamp).
int premiereLumiereDisponible();

// The matrix push and pop of a scene saved with --vrml1: glPushMatrix and
// glPopMatrix while OpenGL's stack has room, the matrix kept aside deeper down.
void empileMatrice();
void depileMatrice();

// LOD of a scene saved with --vrml1: the index of the level to draw for the centre c
// under the current modelview matrix (the first level nearer than r[0], the second
// between r[0] and r[1], ..., the last past the end), or -1 when there are none.
int niveauLOD(const float c[3], const float* r, int nbRanges, int nbNiveaux);

#endif
