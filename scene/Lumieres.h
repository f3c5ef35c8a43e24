#ifndef ORLEVAN_LUMIERES_H
#define ORLEVAN_LUMIERES_H

// The lowest OpenGL light from GL_LIGHT1 upward that is not enabled (GL_LIGHT0 is the
// head lamp). When all are on, one past the last light, which names no light.
int premiereLumiereDisponible();

#endif
