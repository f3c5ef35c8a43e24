#include "properties/Material.h"

#include <GL/gl.h>

#include "scene/CodeC.h"
#include "scene/Lecteur.h"

void Material::litChamps(FILE* in) {
    litChampsNombre(in, [this, in](const char* nom, float premier, bool lu) {
        float* couleur = !strcmp(nom, "ambientColor")    ? ambientColor
                         : !strcmp(nom, "diffuseColor")  ? diffuseColor
                         : !strcmp(nom, "specularColor") ? specularColor
                         : !strcmp(nom, "emissiveColor") ? emissiveColor
                                                         : nullptr;
        if (couleur) {
            if (lu) couleur[0] = premier;
            litNombres(in, &couleur[1], 2);
        } else if (lu && !strcmp(nom, "shininess")) {
            shininess = premier;
        } else if (lu && !strcmp(nom, "transparency")) {
            transparency = premier;
        }
    });
}

void Material::dessine() {
    float alpha = 1.0 - transparency;
    const GLfloat d[4] = {diffuseColor[0], diffuseColor[1], diffuseColor[2], alpha};
    const GLfloat a[4] = {ambientColor[0], ambientColor[1], ambientColor[2], alpha};
    const GLfloat s[4] = {specularColor[0], specularColor[1], specularColor[2], alpha};
    const GLfloat e[4] = {emissiveColor[0], emissiveColor[1], emissiveColor[2], alpha};
    const GLfloat sh[1] = {static_cast<GLfloat>(shininess * 128.0)};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, d);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, a);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, s);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, e);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SHININESS, sh);
}

// One block of the generated code: a colour and its alpha, then the call setting it.
static void exporteCouleur(FILE* out, const float* c, double alpha, const char* parametre) {
    ecritC(out, "  { float t[4] = { %fF,%fF,%fF,%fF };\n", c[0], c[1], c[2], alpha);
    fprintf(out, "    glMaterialfv(GL_FRONT_AND_BACK,%s,t); }\n", parametre);
}

void Material::exporte(FILE* out) {
    double alpha = 1.0 - transparency;
    exporteCouleur(out, diffuseColor, alpha, "GL_DIFFUSE");
    exporteCouleur(out, ambientColor, alpha, "GL_AMBIENT");
    exporteCouleur(out, specularColor, alpha, "GL_SPECULAR");
    exporteCouleur(out, emissiveColor, alpha, "GL_EMISSION");
    ecritC(out, "  { float t[4] = { %fF };\n", shininess * 128.0);
    fprintf(out, "    glMaterialfv(GL_FRONT_AND_BACK,GL_SHININESS,t); }\n");
}
