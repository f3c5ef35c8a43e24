#include "SceneCompilee.h"

#include "Utils.h"

void dessineSceneCompilee() {
    empileMaterial();
    empileLights();
        scene();
    depileLights();
    depileMaterial();
}
