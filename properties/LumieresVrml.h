#ifndef ORLEVAN_LUMIERESVRML_H
#define ORLEVAN_LUMIERESVRML_H

// The three lights of the full reader: fields read with the standard's types, then
// drawn and saved by the subset's light of the same kind (same GL calls, same lines).

#include "properties/DirectionalLight.h"
#include "properties/PointLight.h"
#include "properties/SpotLight.h"
#include "scene/NoeudVrml.h"

namespace vrml1 {

template <class Sous>
class Lumiere : public Noeud {
public:
    bool on = true;
    float intensity = 1;
    Vec3 color = {1, 1, 1};
    Sous sous;  // the subset's light, given these values by prepare

    void champs(Champs& c) override {
        c.sfBool("on", &on);
        c.sfFloat("intensity", &intensity);
        c.sfColor("color", &color);
    }
    void prepare(Etat&) override {
        strcpy(sous.on, on ? "TRUE" : "FALSE");
        sous.intensity = intensity;
        sous.color[0] = color.x, sous.color[1] = color.y, sous.color[2] = color.z;
        prepareSous();
    }
    void dessine() override { sous.dessine(); }
    void exporteCorps(FILE* out) override { sous.exporte(out); }

protected:
    virtual void prepareSous() {}
    static void copie(const Vec3& v, float* d) { d[0] = v.x, d[1] = v.y, d[2] = v.z; }
};

class DirectionalLight : public Lumiere<::DirectionalLight> {
public:
    Vec3 direction = {0, 0, -1};
    const char* type() const override { return "DirectionalLight"; }
    void champs(Champs& c) override {
        Lumiere::champs(c);
        c.sfVec3f("direction", &direction);
    }
    void prepareSous() override { copie(direction, sous.direction); }
};

class PointLight : public Lumiere<::PointLight> {
public:
    Vec3 location = {0, 0, 1};
    const char* type() const override { return "PointLight"; }
    void champs(Champs& c) override {
        Lumiere::champs(c);
        c.sfVec3f("location", &location);
    }
    void prepareSous() override { copie(location, sous.location); }
};

class SpotLight : public Lumiere<::SpotLight> {
public:
    Vec3 location = {0, 0, 1};
    Vec3 direction = {0, 0, -1};
    float dropOffRate = 0;
    float cutOffAngle = 0.785398f;
    const char* type() const override { return "SpotLight"; }
    void champs(Champs& c) override {
        Lumiere::champs(c);
        c.sfVec3f("location", &location);
        c.sfVec3f("direction", &direction);
        c.sfFloat("dropOffRate", &dropOffRate);
        c.sfFloat("cutOffAngle", &cutOffAngle);
    }
    void prepareSous() override {
        copie(location, sous.location);
        copie(direction, sous.direction);
        // Kept where OpenGL accepts them (an exponent of 0 to 128, a cone of 0 to 90
        // degrees), so that no frame gives an error.
        sous.dropOffRate = dropOffRate >= 0 ? (dropOffRate <= 128 ? dropOffRate : 128) : 0;
        sous.cutOffAngle = cutOffAngle >= 0 ? (cutOffAngle <= 1.5707f ? cutOffAngle : 1.5707f) : 0;
    }
};

}  // namespace vrml1

#endif
