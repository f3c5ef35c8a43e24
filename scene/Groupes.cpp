#include "scene/Groupes.h"

#include <GL/gl.h>

#include <array>
#include <cmath>

#include "scene/CodeC.h"
#include "scene/Lumieres.h"
#include "scene/Mesure.h"
#include "scene/Separator.h"

namespace vrml1 {

static const Mot motsCulling[] = {{"ON", 0}, {"OFF", 1}, {"AUTO", 2}, {nullptr, 0}};
static const Mot motsMap[] = {{"NONE", 0}, {"POINT", 1}, {nullptr, 0}};

void Separator::champs(Champs& c) { c.sfEnum("renderCulling", &renderCulling, motsCulling); }

void WWWAnchor::champs(Champs& c) {
    c.sfString("name", &name);
    c.sfString("description", &description);
    c.sfEnum("map", &map, motsMap);
}

void Switch::champs(Champs& c) { c.sfLong("whichChild", &whichChild); }

void Lod::champs(Champs& c) {
    c.mfFloat("range", &range);
    c.sfVec3f("center", &center);
}

void WWWInline::champs(Champs& c) {
    c.sfString("name", &name);
    c.sfVec3f("bboxSize", &bboxSize);
    c.sfVec3f("bboxCenter", &bboxCenter);
}

Groupe::Plage Switch::dessines() const {
    if (whichChild == -3) return tous();
    if (whichChild >= 0 && whichChild < static_cast<int32_t>(enfants.size())) return seul(whichChild);
    return {enfants.data(), enfants.data()};
}

static int profondeurMatrices = 0;
static std::vector<std::array<float, 16>> matricesGardees;

void empileMatrice() {
    if (profondeurMatrices++ < PILE_GL) return glPushMatrix();
    matricesGardees.emplace_back();
    glGetFloatv(GL_MODELVIEW_MATRIX, matricesGardees.back().data());
}

// An unmatched pop (a hand-edited file) changes nothing.
void depileMatrice() {
    if (profondeurMatrices == 0) return;
    if (--profondeurMatrices < PILE_GL) return glPopMatrix();
    glLoadMatrixf(matricesGardees.back().data());
    matricesGardees.pop_back();
}

void Groupe::dessineEnfants(Plage liste) {
    Portee p = portee();
    if (p != AUCUNE) empileMatrice();
    if (p == TOUT) {
        // The subset's Separator: the front material and the lights stay inside.
        int premiere = premiereLumiereDisponible();
        MateriauFace materiau;
        materiau.sauve();
        for (Noeud* n : liste) n->dessine();
        materiau.restaure();
        eteintDepuis(premiere);
    } else {
        for (Noeud* n : liste) n->dessine();
    }
    if (p != AUCUNE) depileMatrice();
}

void Groupe::exporteEnfants(FILE* out, Plage liste) {
    Portee p = portee();
    if (p != AUCUNE) fprintf(out, "  empileMatrice();\n");
    if (p == TOUT) fprintf(out, "  empileMaterial();\n  empileLights();\n");
    for (Noeud* n : liste) n->exporte(out);
    if (p == TOUT) fprintf(out, "  depileLights();\n  depileMaterial();\n");
    if (p != AUCUNE) fprintf(out, "  depileMatrice();\n");
}

void Groupe::mesureEnfants(Mesure& m, Plage liste) {
    Transformation avant = m.courante, vue = m.vue;
    for (Noeud* n : liste)
        if (m.continuer()) n->mesure(m);
    if (portee() != AUCUNE) {
        m.courante = avant;
        m.vue = vue;
    }
}

void Groupe::dessine() { dessineEnfants(dessines()); }
void Groupe::exporteCorps(FILE* out) { exporteEnfants(out, ecrits()); }
void Groupe::mesure(Mesure& m) { mesureEnfants(m, dessines()); }

int niveauDistance(double distance, const float* ranges, int nbRanges, int nbEnfants) {
    if (nbEnfants <= 0) return -1;
    int i = 0;
    while (i < nbRanges && distance >= ranges[i]) ++i;
    return i < nbEnfants ? i : nbEnfants - 1;
}

int niveauLOD(const float c[3], const float* ranges, int nbRanges, int nbEnfants) {
    double m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    double d[3];
    for (int i = 0; i < 3; ++i) d[i] = m[i] * c[0] + m[4 + i] * c[1] + m[8 + i] * c[2] + m[12 + i];
    return niveauDistance(std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]), ranges, nbRanges,
                          nbEnfants);
}

void Lod::dessine() {
    const float c[3] = {center.x, center.y, center.z};
    int i = niveauLOD(c, range.data(), static_cast<int>(range.size()),
                      static_cast<int>(enfants.size()));
    if (i >= 0) dessineEnfants(seul(i));
}

void Lod::mesure(Mesure& m) {
    Transformation vue = m.vue;
    vue.multiplie(m.courante.m);
    double d[3];
    const float c[3] = {center.x, center.y, center.z};
    vue.point(c, d);
    int i = niveauDistance(std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]), range.data(),
                           static_cast<int>(range.size()), static_cast<int>(enfants.size()));
    if (i >= 0) mesureEnfants(m, seul(i));
}

void Lod::exporteCorps(FILE* out) {
    if (enfants.empty()) return;
    fprintf(out, "  { static const float r[] = { ");
    if (range.empty()) fprintf(out, "0.0F");
    for (size_t i = 0; i < range.size(); ++i) ecritC(out, i ? ",%fF" : "%fF", range[i]);
    fprintf(out, " };\n");
    ecritC(out, "    static const float c[3] = { %fF,%fF,%fF };\n", center.x, center.y,
           center.z);
    fprintf(out, "    switch (niveauLOD(c,r,%d,%d)) {\n", static_cast<int>(range.size()),
            static_cast<int>(enfants.size()));
    for (size_t i = 0; i < enfants.size(); ++i) {
        fprintf(out, "    case %d:\n", static_cast<int>(i));
        exporteEnfants(out, seul(i));
        fprintf(out, "    break;\n");
    }
    fprintf(out, "    } }\n");
}

}  // namespace vrml1
