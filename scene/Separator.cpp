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

void MateriauFace::sauve() {
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, shininess);
}

void MateriauFace::restaure() const {
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, emission);
    glMaterialfv(GL_FRONT, GL_SHININESS, shininess);
}

void eteintDepuis(int premiere) {
    int suivante = premiereLumiereDisponible();
    for (int lumiere = premiere; lumiere < suivante; ++lumiere) glDisable(lumiere);
}

void dessineIsole(const ListeNoeuds* liste) {
    int premiere = premiereLumiereDisponible();
    MateriauFace materiau;
    materiau.sauve();

    liste->dessine();

    materiau.restaure();
    eteintDepuis(premiere);
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
