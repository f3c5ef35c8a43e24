#include "shapes/PrimitivesVrml.h"

#include <GL/gl.h>

#include <string>

#include "scene/CodeC.h"
#include "scene/Mesure.h"
#include "scene/Scene.h"
#include "shapes/Revolution.h"
#include "shapes/Solides.h"

namespace vrml1 {

const Mot motsParties[] = {
    {"SIDES", SIDES}, {"BOTTOM", BOTTOM}, {"TOP", TOP}, {"ALL", SIDES | BOTTOM | TOP},
    {nullptr, 0}};

// The run-time library reads the parts as a word: the bits written back as one.
static std::string texteParties(int parts) {
    std::string texte;
    for (const Mot* m = motsParties; m->valeur != (SIDES | BOTTOM | TOP); ++m)
        if (parts & m->valeur) texte += (texte.empty() ? "" : "|") + std::string(m->nom);
    return texte;
}

static void ajoute(void* mesure, float x, float y, float z) {
    static_cast<Mesure*>(mesure)->ajoutePoint(x, y, z);
}

void Cube::champs(Champs& c) {
    c.sfFloat("width", &width);
    c.sfFloat("height", &height);
    c.sfFloat("depth", &depth);
}

void Cube::dessine() { solidCube(width, height, depth, nbFacettes); }
void Cube::exporteCorps(FILE* out) {
    ecritC(out, "  solidCube(%fF,%fF,%fF,%d);\n", width, height, depth, nbFacettes);
}
void Cube::mesure(Mesure& m) {
    if (m.grossiere) return m.ajouteBoite(width / 2, height / 2, depth / 2);
    sommetsCube(width, height, depth, m.nbFacettes, ajoute, &m);
}

void Sphere::dessine() { solidSphere(radius, nbFacettes); }
void Sphere::exporteCorps(FILE* out) { ecritC(out, "  solidSphere(%fF,%d);\n", radius, nbFacettes); }
void Sphere::mesure(Mesure& m) {
    if (m.grossiere) return m.ajouteBoite(radius, radius, radius);
    sommetsSphere(radius, m.nbFacettes, ajoute, &m);
}

void Cone::champs(Champs& c) {
    c.sfBitMask("parts", &parts, motsParties);
    c.sfFloat("bottomRadius", &bottomRadius);
    c.sfFloat("height", &height);
}

void Cone::dessine() { solidCone(bottomRadius, height, nbFacettes, parts & (SIDES | BOTTOM)); }
void Cone::exporteCorps(FILE* out) {
    exporteRevolution(out, "solidCone", bottomRadius, height,
                      texteParties(parts & (SIDES | BOTTOM)).c_str());
}
void Cone::mesure(Mesure& m) {
    if (m.grossiere) return m.ajouteBoite(bottomRadius, height / 2, bottomRadius);
    sommetsCone(bottomRadius, height, m.nbFacettes, parts & (SIDES | BOTTOM), ajoute, &m);
}

void Cylinder::champs(Champs& c) {
    c.sfBitMask("parts", &parts, motsParties);
    c.sfFloat("radius", &radius);
    c.sfFloat("height", &height);
}

void Cylinder::dessine() { solidCylindre(radius, height, nbFacettes, parts); }
void Cylinder::exporteCorps(FILE* out) {
    exporteRevolution(out, "solidCylindre", radius, height, texteParties(parts).c_str());
}
void Cylinder::mesure(Mesure& m) {
    if (m.grossiere) return m.ajouteBoite(radius, height / 2, radius);
    sommetsCylindre(radius, height, m.nbFacettes, parts, ajoute, &m);
}

static const Mot motsJustification[] = {{"LEFT", 0}, {"CENTER", 1}, {"RIGHT", 2}, {nullptr, 0}};

void AsciiText::champs(Champs& c) {
    c.mfString("string", &string);
    c.sfFloat("spacing", &spacing);
    c.sfEnum("justification", &justification, motsJustification);
    c.mfFloat("width", &width);
}

}  // namespace vrml1
