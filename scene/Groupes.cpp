#include "scene/Groupes.h"

#include <GL/gl.h>

#include <array>
#include <cmath>

#include "properties/Isolement.h"
#include "scene/CodeC.h"
#include "scene/Mesure.h"
#include "scene/PileEtNiveaux.h"
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
