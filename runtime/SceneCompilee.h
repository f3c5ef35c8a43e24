#ifndef ORLEVAN_SCENECOMPILEE_H
#define ORLEVAN_SCENECOMPILEE_H

// The function of the generated file that the program was built with.
void scene(void);

// scene() with the bracket that the viewer puts about a loaded tree's top level: the
// front material and the lights that the top-level nodes set stay in the frame, so
// every frame starts from the same state.
void dessineSceneCompilee();

#endif
