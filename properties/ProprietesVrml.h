#ifndef ORLEVAN_PROPRIETESVRML_H
#define ORLEVAN_PROPRIETESVRML_H

// The property nodes of the full reader that put values into the reading state
// (scene/Etat.h) for the shapes after them: Material, Coordinate3, Normal,
// MaterialBinding, NormalBinding, ShapeHints, the texture nodes, FontStyle, and Info
// (which holds a string and does nothing).

#include <string>
#include <vector>

#include "properties/Material.h"
#include "scene/NoeudVrml.h"

namespace vrml1 {

// Every value of each field is kept (the meshes bind them); drawing sets the first
// values, as the subset's Material does.
class Material : public Noeud {
public:
    std::vector<Vec3> ambientColor = {{0.2f, 0.2f, 0.2f}};
    std::vector<Vec3> diffuseColor = {{0.8f, 0.8f, 0.8f}};
    std::vector<Vec3> specularColor = {{0, 0, 0}};
    std::vector<Vec3> emissiveColor = {{0, 0, 0}};
    std::vector<float> shininess = {0.2f};
    std::vector<float> transparency = {0};
    ::Material premier;  // the first values, drawn and saved as the subset does

    const char* type() const override { return "Material"; }
    void champs(Champs& c) override;
    void metAJour(Etat& etat) override;
    void prepare(Etat& etat) override;
    void dessine() override { premier.dessine(); }
    void exporteCorps(FILE* out) override { premier.exporte(out); }
};

class Coordinate3 : public Noeud {
public:
    std::vector<Vec3> point = {{0, 0, 0}};
    const char* type() const override { return "Coordinate3"; }
    void champs(Champs& c) override { c.mfVec3f("point", &point); }
    void metAJour(Etat& etat) override;
};

class Normal : public Noeud {
public:
    std::vector<Vec3> vector = {{0, 0, 1}};
    const char* type() const override { return "Normal"; }
    void champs(Champs& c) override { c.mfVec3f("vector", &vector); }
    void metAJour(Etat& etat) override;
};

// The words of the bindings (scene/Etat.h, Liaison).
extern const Mot motsLiaison[];

class MaterialBinding : public Noeud {
public:
    int value = 0;  // DEFAULT
    const char* type() const override { return "MaterialBinding"; }
    void champs(Champs& c) override { c.sfEnum("value", &value, motsLiaison); }
    void metAJour(Etat& etat) override;
};

class NormalBinding : public Noeud {
public:
    int value = 0;  // DEFAULT
    const char* type() const override { return "NormalBinding"; }
    void champs(Champs& c) override { c.sfEnum("value", &value, motsLiaison); }
    void metAJour(Etat& etat) override;
};

class ShapeHints : public Noeud {
public:
    int vertexOrdering = 0, shapeType = 0, faceType = 1;  // UNKNOWN, UNKNOWN, CONVEX
    float creaseAngle = 0.5f;
    const char* type() const override { return "ShapeHints"; }
    void champs(Champs& c) override;
    void metAJour(Etat& etat) override;
};

// Read, kept in the state, not drawn: the viewer draws no textures.
class Texture2 : public Noeud {
public:
    std::string filename;
    Image image;
    int wrapS = 0, wrapT = 0;  // REPEAT, CLAMP
    const char* type() const override { return "Texture2"; }
    bool dessinable() const override { return false; }
    void champs(Champs& c) override;
    void metAJour(Etat& etat) override;
};

class Texture2Transform : public Noeud {
public:
    Vec2 translation = {0, 0};
    float rotation = 0;
    Vec2 scaleFactor = {1, 1};
    Vec2 center = {0, 0};
    const char* type() const override { return "Texture2Transform"; }
    bool dessinable() const override { return false; }
    void champs(Champs& c) override;
    void metAJour(Etat& etat) override;
};

class TextureCoordinate2 : public Noeud {
public:
    std::vector<Vec2> point = {{0, 0}};
    const char* type() const override { return "TextureCoordinate2"; }
    bool dessinable() const override { return false; }
    void champs(Champs& c) override { c.mfVec2f("point", &point); }
    void metAJour(Etat& etat) override;
};

class FontStyle : public Noeud {
public:
    float size = 10;
    int family = 0;  // SERIF, SANS, TYPEWRITER
    int style = 0;   // NONE, BOLD | ITALIC
    const char* type() const override { return "FontStyle"; }
    bool dessinable() const override { return false; }
    void champs(Champs& c) override;
    void metAJour(Etat& etat) override;
};

class Info : public Noeud {
public:
    std::string string = "<Undefined info>";
    const char* type() const override { return "Info"; }
    void champs(Champs& c) override { c.sfString("string", &string); }
};

}  // namespace vrml1

#endif
