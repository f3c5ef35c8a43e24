#include "scene/Separator.h"

#include <GL/gl.h>

#include "scene/Lecteur.h"
#include "scene/Lumieres.h"
#include "scene/Messages.h"

Separator::Separator() : enfants(new ListeNoeuds) {}

void Separator::litChamps(FILE* in) {
    static int profondeur = 0;
    if (profondeur >= PROFONDEUR_MAX) {
        avertit("Separators nested deeper than %d levels; the rest of the file is skipped",
                PROFONDEUR_MAX);
        interromptLecture();
        return;
    }
    ++profondeur;
    char mot[TAILLE_MOT];
    while (litMot(in, mot) && strcmp(mot, "}") != 0) litNoeud(mot, in, enfants);
    --profondeur;
}

void dessineIsole(const ListeNoeuds* liste) {
    int premiere = premiereLumiereDisponible();
    GLfloat d[4], a[4], s[4], e[4], sh[1];
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, d);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, a);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, s);
    glGetMaterialfv(GL_FRONT, GL_EMISSION, e);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, sh);

    liste->dessine();

    glMaterialfv(GL_FRONT, GL_DIFFUSE, d);
    glMaterialfv(GL_FRONT, GL_AMBIENT, a);
    glMaterialfv(GL_FRONT, GL_SPECULAR, s);
    glMaterialfv(GL_FRONT, GL_EMISSION, e);
    glMaterialfv(GL_FRONT, GL_SHININESS, sh);
    // The lights taken inside form one run from the first free one: switch it off.
    int suivante = premiereLumiereDisponible();
    for (int lumiere = premiere; lumiere < suivante; ++lumiere) glDisable(lumiere);
}

void Separator::dessine() {
    glPushMatrix();
        dessineIsole(enfants);
    glPopMatrix();
}

void Separator::exporte(FILE* out) {
    fprintf(out, "  glPushMatrix();\n");
    fprintf(out, "  empileMaterial();\n");
    fprintf(out, "  empileLights();\n");
    enfants->exporte(out);
    fprintf(out, "  depileLights();\n");
    fprintf(out, "  depileMaterial();\n");
    fprintf(out, "  glPopMatrix();\n");
}
