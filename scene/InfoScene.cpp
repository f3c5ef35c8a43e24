#include "scene/InfoScene.h"

#include <map>
#include <string>

#include "properties/DirectionalLight.h"
#include "properties/Material.h"
#include "properties/PointLight.h"
#include "properties/Rotation.h"
#include "properties/Scale.h"
#include "properties/SpotLight.h"
#include "properties/Translation.h"
#include "scene/Mesure.h"
#include "scene/Messages.h"
#include "scene/Monde.h"
#include "scene/Separator.h"
#include "shapes/Cone.h"
#include "shapes/Cube.h"
#include "shapes/Cylinder.h"
#include "shapes/Solides.h"
#include "shapes/Sphere.h"
#include "viewer/OrthographicCamera.h"
#include "viewer/PerspectiveCamera.h"

using vrml1::Mesure;

static void ajoute(void* mesure, float x, float y, float z) {
    static_cast<Mesure*>(mesure)->ajoutePoint(x, y, z);
}

// The subset's tree played as its dessine plays it: the node's type name, and what
// it does to the matrix and the box.
static const char* mesureNoeud(Noeud* n, Mesure& m, std::map<std::string, int>& types);

static void mesureListe(const ListeNoeuds* l, Mesure& m, std::map<std::string, int>& types,
                        int* noeuds) {
    for (Maillon* c = l->tete; c; c = c->suivant) {
        ++*noeuds;
        const char* type = mesureNoeud(c->noeud, m, types);
        if (type) ++types[type];
    }
}

static int compteNoeuds = 0;

static const char* mesureNoeud(Noeud* n, Mesure& m, std::map<std::string, int>& types) {
    if (auto* s = dynamic_cast<Separator*>(n)) {
        vrml1::Transformation avant = m.courante;
        mesureListe(s->enfants, m, types, &compteNoeuds);
        m.courante = avant;
        return "Separator";
    }
    if (auto* t = dynamic_cast<Translation*>(n)) {
        m.courante.translate(t->translation[0], t->translation[1], t->translation[2]);
        return "Translation";
    }
    if (auto* r = dynamic_cast<Rotation*>(n)) {
        m.courante.tourne(r->angle, r->axis[0], r->axis[1], r->axis[2]);
        return "Rotation";
    }
    if (auto* e = dynamic_cast<Scale*>(n)) {
        m.courante.echelle(e->scaleFactor[0], e->scaleFactor[1], e->scaleFactor[2]);
        return "Scale";
    }
    if (auto* c = dynamic_cast<Cube*>(n)) {
        sommetsCube(c->width, c->height, c->depth, m.nbFacettes, ajoute, &m);
        return "Cube";
    }
    if (auto* s = dynamic_cast<Sphere*>(n)) {
        sommetsSphere(s->radius, m.nbFacettes, ajoute, &m);
        return "Sphere";
    }
    if (auto* c = dynamic_cast<Cone*>(n)) {
        sommetsCone(c->bottomRadius, c->height, m.nbFacettes,
                    drapeauxParties(c->parts, SIDES | BOTTOM), ajoute, &m);
        return "Cone";
    }
    if (auto* c = dynamic_cast<Cylinder*>(n)) {
        sommetsCylindre(c->radius, c->height, m.nbFacettes,
                        drapeauxParties(c->parts, SIDES | BOTTOM | TOP), ajoute, &m);
        return "Cylinder";
    }
    // A camera loads its own viewing transform: the transforms before it are gone.
    if (dynamic_cast<PerspectiveCamera*>(n)) {
        m.courante = vrml1::Transformation();
        return "PerspectiveCamera";
    }
    if (dynamic_cast<OrthographicCamera*>(n)) {
        m.courante = vrml1::Transformation();
        return "OrthographicCamera";
    }
    if (dynamic_cast<Material*>(n)) return "Material";
    if (dynamic_cast<PointLight*>(n)) return "PointLight";
    if (dynamic_cast<SpotLight*>(n)) return "SpotLight";
    if (dynamic_cast<DirectionalLight*>(n)) return "DirectionalLight";
    return nullptr;
}

static void ecritMesure(FILE* out, const Mesure& m) {
    if (!m.complete)
        avertit("the first frame draws nodes so many times over (USE) that the counts and "
                "the box stop after %lld steps", static_cast<long long>(m.travailMax));
    fprintf(out, "faces %lld\ntriangles %lld\nsegments %lld\npoints %lld\n",
            static_cast<long long>(m.faces), static_cast<long long>(m.triangles),
            static_cast<long long>(m.segments), static_cast<long long>(m.points));
    if (m.vide) fprintf(out, "boite vide\n");
    else
        fprintf(out, "boite %g %g %g %g %g %g\n", m.min[0], m.min[1], m.min[2], m.max[0],
                m.max[1], m.max[2]);
}

void ecritInfo(const Scene& scene, FILE* out, int nb) {
    Mesure m;
    m.nbFacettes = nb;
    if (scene.monde) {
        const vrml1::Monde& monde = *scene.monde;
        fprintf(out, "noeuds %zu\n", monde.noeuds.size());
        for (const auto& t : monde.types) fprintf(out, "type %s %d\n", t.first.c_str(), t.second);
        for (const auto& t : monde.nonDessines)
            fprintf(out, "non-dessine %s %d\n", t.first.c_str(), t.second);
        ecritMesure(out, monde.mesure(nb));
        return;
    }
    std::map<std::string, int> types;
    compteNoeuds = 0;
    mesureListe(scene.noeuds, m, types, &compteNoeuds);
    fprintf(out, "noeuds %d\n", compteNoeuds);
    for (const auto& t : types) fprintf(out, "type %s %d\n", t.first.c_str(), t.second);
    ecritMesure(out, m);
}
