#ifndef ORLEVAN_INFOSCENE_H
#define ORLEVAN_INFOSCENE_H

// orlevan-export --info: a summary of a scene for people and scripts, one "key value"
// line each: noeuds N; type NAME N per type read; non-dessine NAME N per type read
// and not drawn; faces, triangles, segments, points (drawn in the first frame);
// boite XMIN YMIN ZMIN XMAX YMAX ZMAX of every vertex drawn in the first frame, in
// the scene's coordinates, or "boite vide". Both readers' scenes.

#include <cstdio>

#include "scene/Scene.h"

void ecritInfo(const Scene& scene, FILE* out, int nb);

#endif
