#include "scene/Separator.h"

#include <GL/gl.h>

#include "properties/Isolement.h"
#include "scene/Lecteur.h"
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
