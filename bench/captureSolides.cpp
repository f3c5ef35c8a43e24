// The primitives' code a second time, its OpenGL calls sent to the drawing floor's
// recorder (capture.h), so that the floor replays exactly the program's vertices.
#include "bench/capture.h"
#include "shapes/Solides.cpp"
