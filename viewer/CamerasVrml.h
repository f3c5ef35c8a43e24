#ifndef ORLEVAN_CAMERASVRML_H
#define ORLEVAN_CAMERASVRML_H

// The two cameras of the full reader. As in browsers, the first camera of the file
// sets the view of the whole scene: the scene (vrml1::Monde) places it at the start
// of every frame, under the transform it was read under; the node itself draws and
// saves nothing where it stands. The projection and the viewing transform are the
// subset's camera's (same GL calls, same saved lines).

#include "scene/NoeudVrml.h"
#include "viewer/OrthographicCamera.h"
#include "viewer/PerspectiveCamera.h"

namespace vrml1 {

class Camera : public Noeud {
public:
    Vec3 position = {0, 0, 1};
    Rotation4 orientation = {{0, 0, 1}, 0};
    float focalDistance = 5;

    void champs(Champs& c) override;
    bool estCamera() const override { return true; }
    // Loads the projection and the viewing transform, the user's view on top.
    virtual void place() = 0;
    // Writes the same, without the user's view.
    virtual void exportePlace(FILE* out) = 0;

protected:
    // The subset's orientation: the angle first, then the axis.
    template <class Sous>
    void copie(Sous& s) {
        s.position[0] = position.x, s.position[1] = position.y, s.position[2] = position.z;
        s.orientation[0] = orientation.angle;
        for (int i = 0; i < 3; ++i) s.orientation[i + 1] = orientation.axe[i];
        s.focalDistance = focalDistance;
    }
};

class PerspectiveCamera : public Camera {
public:
    float heightAngle = 0.785398f;
    ::PerspectiveCamera sous;
    const char* type() const override { return "PerspectiveCamera"; }
    void champs(Champs& c) override;
    void prepare(Etat& etat) override;
    void place() override { sous.dessine(); }
    void exportePlace(FILE* out) override { sous.exporte(out); }
};

class OrthographicCamera : public Camera {
public:
    float height = 2;
    ::OrthographicCamera sous;
    const char* type() const override { return "OrthographicCamera"; }
    void champs(Champs& c) override;
    void prepare(Etat& etat) override;
    void place() override { sous.dessine(); }
    void exportePlace(FILE* out) override { sous.exporte(out); }
};

}  // namespace vrml1

#endif
