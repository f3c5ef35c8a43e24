#ifndef ORLEVAN_FACETTES_H
#define ORLEVAN_FACETTES_H

// Tessellation count of the shapes, for drawing and for their generated calls. Only
// Scene::dessine writes it (scene/Scene.cpp), so a saved file carries the count of
// the last frame.
extern int nbFacettes;

#endif
