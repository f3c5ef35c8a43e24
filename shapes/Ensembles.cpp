#include "shapes/Ensembles.h"

#include <cmath>
#include <string>
#include <utility>

#include "properties/ProprietesVrml.h"
#include "scene/Etat.h"
#include "scene/Mesure.h"
#include "scene/MessagesVrml.h"

namespace vrml1 {

void EnsembleIndexe::champs(Champs& c) {
    c.mfLong("coordIndex", &coordIndex);
    c.mfLong("materialIndex", &materialIndex);
    c.mfLong("normalIndex", &normalIndex);
    c.mfLong("textureCoordIndex", &textureCoordIndex);
}

void PointSet::champs(Champs& c) {
    c.sfLong("startIndex", &startIndex);
    c.sfLong("numPoints", &numPoints);
}

EntreeMaillage Ensemble::entree(const Etat& etat) {
    EntreeMaillage e;
    if (const Coordinate3* c = etat.coordonnees) {
        e.points = &c->point.data()->x;
        e.nbPoints = long(c->point.size());
    }
    if (const Normal* n = etat.normales) {
        e.normales = &n->vector.data()->x;
        e.nbNormales = long(n->vector.size());
    }
    if (const Material* m = etat.materiau) {
        e.diffuses = &m->diffuseColor.data()->x;
        e.nbDiffuses = long(m->diffuseColor.size());
        e.transparences = m->transparency.data();
        e.nbTransparences = long(m->transparency.size());
    }
    e.liaisonMateriau = etat.liaisonMateriau;
    e.liaisonNormale = etat.liaisonNormale;
    e.ordre = etat.indices.vertexOrdering;
    e.forme = etat.indices.shapeType;
    e.typeFaces = etat.indices.faceType;
    e.creaseAngle = etat.indices.creaseAngle;
    return e;
}

void Ensemble::garde(const Etat& etat, Maillage construit) {
    maillage = std::move(construit);
    const Maillage& m = maillage;
    // Before any Coordinate3 a shape has nothing to draw, and nothing to say about it.
    if (!etat.messages || !etat.coordonnees) return;
    std::string lieu = std::string(fichier) + ":" + std::to_string(ligne) + ": " + type();
    const char* quoi = dynamic_cast<IndexedFaceSet*>(this) ? "faces" : "segments";
    if (m.horsBornes > 0 && dynamic_cast<PointSet*>(this))
        etat.messages->signale(Probleme::Valeur, "%s: %ld points past the coordinates, not drawn",
                               lieu.c_str(), m.horsBornes);
    else if (m.horsBornes > 0)
        etat.messages->signale(Probleme::Valeur, "%s: %ld %s with an index out of range, not drawn",
                               lieu.c_str(), m.horsBornes, quoi);
    if (m.tropCourtes > 0)
        etat.messages->signale(Probleme::Valeur, "%s: %ld %s of too few vertices, not drawn",
                               lieu.c_str(), m.tropCourtes, dynamic_cast<IndexedFaceSet*>(this) ? "faces" : "polylines");
    if (m.manquants > 0)
        etat.messages->signale(Probleme::Valeur,
                               "%s: %ld values bound beyond the last material or normal; the last one repeated",
                               lieu.c_str(), m.manquants);
}

// Once the arrays are built they are all that drawing needs: a long index list is let
// go (a mesh of a million triangles would keep 16 MB of indices beside its arrays);
// a short one stays, as read.
void EnsembleIndexe::prepare(Etat& etat) {
    EntreeMaillage e = entree(etat);
    e.coordIndex = coordIndex.data(), e.nbCoordIndex = long(coordIndex.size());
    e.materialIndex = materialIndex.data(), e.nbMaterialIndex = long(materialIndex.size());
    e.normalIndex = normalIndex.data(), e.nbNormalIndex = long(normalIndex.size());
    garde(etat, construit(e));
    const size_t LONGUE = 1 << 16;
    for (std::vector<int32_t>* v : {&coordIndex, &materialIndex, &normalIndex, &textureCoordIndex})
        if (v->size() >= LONGUE) std::vector<int32_t>().swap(*v);
}

void PointSet::prepare(Etat& etat) {
    EntreeMaillage e = entree(etat);
    e.startIndex = startIndex;
    e.numPoints = numPoints;
    garde(etat, maillagePoints(e));
}

static std::string prefixe(int numero) { return "m" + std::to_string(numero) + "_"; }

void Ensemble::exporteDeclarations(FILE* out) { maillage.exporteTableaux(out, prefixe(numero).c_str()); }
void Ensemble::exporteCorps(FILE* out) { maillage.exporteAppel(out, prefixe(numero).c_str()); }

void Ensemble::mesure(Mesure& m) {
    m.faces += maillage.faces;
    m.triangles += maillage.triangles;
    m.segments += maillage.segments;
    m.points += maillage.points;
    const Brut<float>& s = maillage.sommets;
    if (!boiteFaite) {
        boiteFaite = true;
        // The first vertex of finite coordinates opens the box; the loop after it
        // has no test of an empty box.
        size_t i = 0;
        auto fini = [&](size_t j) {
            return std::isfinite(s[j]) && std::isfinite(s[j + 1]) && std::isfinite(s[j + 2]);
        };
        while (i + 3 <= s.size() && !fini(i)) i += 3;
        if (i + 3 <= s.size()) {
            boiteVide = false;
            for (int k = 0; k < 3; ++k) boite[k] = boite[3 + k] = s[i + k];
        }
        for (; i + 3 <= s.size(); i += 3) {
            if (!fini(i)) continue;
            for (int k = 0; k < 3; ++k) {
                if (s[i + k] < boite[k]) boite[k] = s[i + k];
                if (s[i + k] > boite[3 + k]) boite[3 + k] = s[i + k];
            }
        }
    }
    // Under a transform that keeps the axes (scales and translations), the box of the
    // vertices is the box of the eight corners of theirs; otherwise, every vertex,
    // unless the framing asks for a bound only.
    const double* t = m.courante.m;
    bool axes = !t[1] && !t[2] && !t[3] && !t[4] && !t[6] && !t[7] && !t[8] && !t[9] && !t[11] && t[15] == 1;
    if (axes || m.grossiere) {
        if (boiteVide) return;
        bool finis = true;
        for (int coin = 0; coin < 8; ++coin) {
            float p[3] = {boite[coin & 1 ? 3 : 0], boite[coin & 2 ? 4 : 1], boite[coin & 4 ? 5 : 2]};
            double q[3];
            m.courante.point(p, q);
            finis = finis && std::isfinite(q[0]) && std::isfinite(q[1]) && std::isfinite(q[2]);
        }
        if (finis) {
            for (int coin = 0; coin < 8; ++coin)
                m.ajoutePoint(boite[coin & 1 ? 3 : 0], boite[coin & 2 ? 4 : 1], boite[coin & 4 ? 5 : 2]);
            return;
        }
    }
    for (size_t i = 0; i + 3 <= s.size(); i += 3) m.ajoutePoint(&s[i]);
}

}  // namespace vrml1
