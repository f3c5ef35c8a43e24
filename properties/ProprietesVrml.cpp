#include "properties/ProprietesVrml.h"

#include "scene/Etat.h"

namespace vrml1 {

void Material::champs(Champs& c) {
    c.mfColor("ambientColor", &ambientColor);
    c.mfColor("diffuseColor", &diffuseColor);
    c.mfColor("specularColor", &specularColor);
    c.mfColor("emissiveColor", &emissiveColor);
    c.mfFloat("shininess", &shininess);
    c.mfFloat("transparency", &transparency);
}

void Material::metAJour(Etat& etat) { etat.materiau = this; }

// An empty list keeps the standard's default for the first value.
void Material::prepare(Etat&) {
    auto couleur = [](const std::vector<Vec3>& v, float* c) {
        if (v.empty()) return;
        c[0] = v[0].x, c[1] = v[0].y, c[2] = v[0].z;
    };
    couleur(ambientColor, premier.ambientColor);
    couleur(diffuseColor, premier.diffuseColor);
    couleur(specularColor, premier.specularColor);
    couleur(emissiveColor, premier.emissiveColor);
    // OpenGL takes an exponent of 0 to 128 only: a shininess outside 0..1 (files say
    // 1.02) would be an error in every frame.
    if (!shininess.empty()) premier.shininess = shininess[0];
    if (!(premier.shininess >= 0)) premier.shininess = 0;
    if (premier.shininess > 1) premier.shininess = 1;
    if (!transparency.empty()) premier.transparency = transparency[0];
}

void Coordinate3::metAJour(Etat& etat) { etat.coordonnees = this; }
void Normal::metAJour(Etat& etat) { etat.normales = this; }

const Mot motsLiaison[] = {
    {"DEFAULT", DEFAULT},   {"OVERALL", OVERALL},
    {"PER_PART", PER_PART}, {"PER_PART_INDEXED", PER_PART_INDEXED},
    {"PER_FACE", PER_FACE}, {"PER_FACE_INDEXED", PER_FACE_INDEXED},
    {"PER_VERTEX", PER_VERTEX}, {"PER_VERTEX_INDEXED", PER_VERTEX_INDEXED},
    {nullptr, 0}};

void MaterialBinding::metAJour(Etat& etat) { etat.liaisonMateriau = value; }
void NormalBinding::metAJour(Etat& etat) { etat.liaisonNormale = value; }

static const Mot motsOrdre[] = {{"UNKNOWN_ORDERING", UNKNOWN_ORDERING},
                                {"CLOCKWISE", CLOCKWISE},
                                {"COUNTERCLOCKWISE", COUNTERCLOCKWISE},
                                {nullptr, 0}};
static const Mot motsForme[] = {
    {"UNKNOWN_SHAPE_TYPE", UNKNOWN_SHAPE_TYPE}, {"SOLID", SOLID}, {nullptr, 0}};
static const Mot motsFace[] = {
    {"UNKNOWN_FACE_TYPE", UNKNOWN_FACE_TYPE}, {"CONVEX", CONVEX}, {nullptr, 0}};

void ShapeHints::champs(Champs& c) {
    c.sfEnum("vertexOrdering", &vertexOrdering, motsOrdre);
    c.sfEnum("shapeType", &shapeType, motsForme);
    c.sfEnum("faceType", &faceType, motsFace);
    c.sfFloat("creaseAngle", &creaseAngle);
}

void ShapeHints::metAJour(Etat& etat) {
    etat.indices.vertexOrdering = vertexOrdering;
    etat.indices.shapeType = shapeType;
    etat.indices.faceType = faceType;
    etat.indices.creaseAngle = creaseAngle;
}

static const Mot motsRepetition[] = {{"REPEAT", 0}, {"CLAMP", 1}, {nullptr, 0}};

void Texture2::champs(Champs& c) {
    c.sfString("filename", &filename);
    c.sfImage("image", &image);
    c.sfEnum("wrapS", &wrapS, motsRepetition);
    c.sfEnum("wrapT", &wrapT, motsRepetition);
}
void Texture2::metAJour(Etat& etat) { etat.texture = this; }

void Texture2Transform::champs(Champs& c) {
    c.sfVec2f("translation", &translation);
    c.sfFloat("rotation", &rotation);
    c.sfVec2f("scaleFactor", &scaleFactor);
    c.sfVec2f("center", &center);
}
void Texture2Transform::metAJour(Etat& etat) { etat.transformationTexture = this; }

void TextureCoordinate2::metAJour(Etat& etat) { etat.coordonneesTexture = this; }

static const Mot motsFamille[] = {{"SERIF", 0}, {"SANS", 1}, {"TYPEWRITER", 2}, {nullptr, 0}};
static const Mot motsStyle[] = {{"NONE", 0}, {"BOLD", 1}, {"ITALIC", 2}, {nullptr, 0}};

void FontStyle::champs(Champs& c) {
    c.sfFloat("size", &size);
    c.sfEnum("family", &family, motsFamille);
    c.sfBitMask("style", &style, motsStyle);
}
void FontStyle::metAJour(Etat& etat) { etat.police = this; }

}  // namespace vrml1
