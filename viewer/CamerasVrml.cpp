#include "viewer/CamerasVrml.h"

namespace vrml1 {

void Camera::champs(Champs& c) {
    c.sfVec3f("position", &position);
    c.sfRotation("orientation", &orientation);
    c.sfFloat("focalDistance", &focalDistance);
}

void PerspectiveCamera::champs(Champs& c) {
    Camera::champs(c);
    c.sfFloat("heightAngle", &heightAngle);
}

void PerspectiveCamera::prepare(Etat&) {
    copie(sous);
    sous.heightAngle = heightAngle;
}

void OrthographicCamera::champs(Champs& c) {
    Camera::champs(c);
    c.sfFloat("height", &height);
}

void OrthographicCamera::prepare(Etat&) {
    copie(sous);
    sous.height = height;
}

}  // namespace vrml1
