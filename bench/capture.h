// Forced ahead of a second compilation of shapes/Solides.cpp into the benchmark: the
// primitives' OpenGL calls go to a recorder and their functions take other names, so
// that the drawing floor replays exactly the vertices and normals that the program
// computes, without computing them.
#ifndef ORLEVAN_BENCH_CAPTURE_H
#define ORLEVAN_BENCH_CAPTURE_H

#include <GL/gl.h>  // first: the real declarations keep their names

void captureBegin(GLenum mode);
void captureEnd();
void captureNormal3f(GLfloat x, GLfloat y, GLfloat z);
void captureNormal3fv(const GLfloat* v);
void captureVertex3f(GLfloat x, GLfloat y, GLfloat z);
void capturePushMatrix();
void capturePopMatrix();

#define glBegin captureBegin
#define glEnd captureEnd
#define glNormal3f captureNormal3f
#define glNormal3fv captureNormal3fv
#define glVertex3f captureVertex3f
#define glPushMatrix capturePushMatrix
#define glPopMatrix capturePopMatrix

#define solidCube captureSolidCube
#define solidSphere captureSolidSphere
#define solidCone captureSolidCone
#define solidCylindre captureSolidCylindre
#define sommetsCube captureSommetsCube
#define sommetsSphere captureSommetsSphere
#define sommetsCone captureSommetsCone
#define sommetsCylindre captureSommetsCylindre

#endif
