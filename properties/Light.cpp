#include "properties/Light.h"

#include <GL/gl.h>

#include "properties/Isolement.h"
#include "scene/CodeC.h"
#include "scene/Lecteur.h"

bool Light::litChampCommun(FILE* in, const char* nom, const char* valeur) {
    if (!strcmp(nom, "on")) {
        strcpy(on, valeur);
    } else if (!strcmp(nom, "intensity")) {
        sscanf(valeur, "%f", &intensity);
    } else if (!strcmp(nom, "color")) {
        litVecteurMot(in, valeur, color);
    } else {
        return false;
    }
    return true;
}

void Light::litVecteurMot(FILE* in, const char* valeur, float v[3]) {
    sscanf(valeur, "%f", &v[0]);
    litNombres(in, &v[1], 2);
}

int Light::prendLumiere(const float p[4]) const {
    if (!allumee()) return 0;
    int lumiere = premiereLumiereDisponible();
    const GLfloat c[4] = {static_cast<GLfloat>(color[0] * static_cast<double>(intensity)),
                          static_cast<GLfloat>(color[1] * static_cast<double>(intensity)),
                          static_cast<GLfloat>(color[2] * static_cast<double>(intensity)),
                          1.0f};
    glLightfv(lumiere, GL_DIFFUSE, c);
    glLightfv(lumiere, GL_SPECULAR, c);
    glLightfv(lumiere, GL_POSITION, p);
    return lumiere;
}

bool Light::exporteDebut(FILE* out, const char* nomPosition, const float p[4]) const {
    if (!allumee()) return false;
    double i = intensity;
    fprintf(out, "  { int pld = premiereLumiereDisponible();\n");
    ecritC(out, "    { float c[4] = { %fF,%fF,%fF,%fF };\n", color[0] * i, color[1] * i,
            color[2] * i, 1.0);
    fprintf(out, "      glLightfv(pld,GL_DIFFUSE,c);\n");
    fprintf(out, "      glLightfv(pld,GL_SPECULAR,c); }\n");
    ecritC(out, "    { float %s[4] = { %fF,%fF,%fF,%fF };\n", nomPosition, p[0], p[1], p[2],
            p[3]);
    fprintf(out, "      glLightfv(pld,GL_POSITION,%s); }\n", nomPosition);
    return true;
}

void Light::exporteFin(FILE* out) { fprintf(out, "    glEnable(pld); }\n"); }
