#include "properties/TransformsVrml.h"

#include <GL/gl.h>

#include "scene/CodeC.h"
#include "scene/Etat.h"
#include "scene/Mesure.h"

namespace vrml1 {

void Transforme::translation(const Vec3& t, float signe) {
    ajoute({Operation::TRANSLATION, {signe * t.x, signe * t.y, signe * t.z, 0}, nullptr});
}

// Degrees as the subset's Rotation keeps them (enDegres, then a float).
void Transforme::rotation(const Rotation4& r, float signe) {
    float degres = enDegres(signe * r.angle);
    ajoute({Operation::ROTATION, {degres, r.axe[0], r.axe[1], r.axe[2]}, nullptr});
}

void Transforme::echelle(const Vec3& s) {
    ajoute({Operation::ECHELLE, {s.x, s.y, s.z, 0}, nullptr});
}

void Transforme::dessine() {
    for (int i = 0; i < nbOperations; ++i) {
        const Operation& o = operations[i];
        switch (o.sorte) {
        case Operation::TRANSLATION: glTranslatef(o.v[0], o.v[1], o.v[2]); break;
        case Operation::ROTATION: glRotatef(o.v[0], o.v[1], o.v[2], o.v[3]); break;
        case Operation::ECHELLE: glScalef(o.v[0], o.v[1], o.v[2]); break;
        case Operation::MATRICE: glMultMatrixf(o.matrice); break;
        }
    }
}

void Transforme::exporteCorps(FILE* out) {
    for (int i = 0; i < nbOperations; ++i) {
        const Operation& o = operations[i];
        switch (o.sorte) {
        case Operation::TRANSLATION:
            ecritC(out, "  glTranslatef(%fF,%fF,%fF);\n", o.v[0], o.v[1], o.v[2]);
            break;
        case Operation::ROTATION:
            ecritC(out, "  glRotatef(%fF,%fF,%fF,%fF);\n", o.v[0], o.v[1], o.v[2], o.v[3]);
            break;
        case Operation::ECHELLE:
            ecritC(out, "  glScalef(%fF,%fF,%fF);\n", o.v[0], o.v[1], o.v[2]);
            break;
        case Operation::MATRICE: {
            // Nine digits keep every bit of a float: a matrix may hold tiny factors.
            fprintf(out, "  { static const float m[16] = {");
            for (int i = 0; i < 16; ++i) {
                fputc(i ? ',' : ' ', out);
                ecritFlottantExact(out, o.matrice[i]);
            }
            fprintf(out, " };\n    glMultMatrixf(m); }\n");
            break;
        }
        }
    }
}

// The operations on a matrix, as OpenGL applies them to its own.
static void applique(const Operation* operations, int nbOperations, Transformation& t) {
    for (int i = 0; i < nbOperations; ++i) {
        const Operation& o = operations[i];
        switch (o.sorte) {
        case Operation::TRANSLATION: t.translate(o.v[0], o.v[1], o.v[2]); break;
        case Operation::ROTATION: t.tourne(o.v[0], o.v[1], o.v[2], o.v[3]); break;
        case Operation::ECHELLE: t.echelle(o.v[0], o.v[1], o.v[2]); break;
        case Operation::MATRICE: {
            double m[16];
            for (int i = 0; i < 16; ++i) m[i] = o.matrice[i];
            t.multiplie(m);
            break;
        }
        }
    }
}

void Transforme::mesure(Mesure& m) { applique(operations, nbOperations, m.courante); }
void Transforme::metAJour(Etat& etat) { applique(operations, nbOperations, etat.matrice); }

void Translation::prepare(Etat&) { translation(translation_); }
void Rotation::prepare(Etat&) { rotation(rotation_); }
void Scale::prepare(Etat&) { echelle(scaleFactor); }
void MatrixTransform::prepare(Etat&) {
    ajoute({Operation::MATRICE, {0, 0, 0, 0}, matrix.m});
}

void Transform::champs(Champs& c) {
    c.sfVec3f("translation", &translation_);
    c.sfRotation("rotation", &rotation_);
    c.sfVec3f("scaleFactor", &scaleFactor);
    c.sfRotation("scaleOrientation", &scaleOrientation);
    c.sfVec3f("center", &center);
}

// Only the operations that change something: a Transform that gives a translation
// alone draws and saves one glTranslatef.
void Transform::prepare(Etat&) {
    auto nul = [](const Vec3& v) { return v.x == 0 && v.y == 0 && v.z == 0; };
    bool tourne = rotation_.angle != 0, orienteEchelle = scaleOrientation.angle != 0;
    bool echelle_ = !(scaleFactor.x == 1 && scaleFactor.y == 1 && scaleFactor.z == 1);
    if (!nul(translation_)) translation(translation_);
    if (!nul(center)) translation(center);
    if (tourne) rotation(rotation_);
    if (echelle_ && orienteEchelle) rotation(scaleOrientation);
    if (echelle_) echelle(scaleFactor);
    if (echelle_ && orienteEchelle) rotation(scaleOrientation, -1);
    if (!nul(center)) translation(center, -1);
}

}  // namespace vrml1
