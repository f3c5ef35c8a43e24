#include "scene/Noeud.h"

Noeud::~Noeud() {}
