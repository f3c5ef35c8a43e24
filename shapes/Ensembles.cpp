#include "shapes/Ensembles.h"

#include <string>

#include "properties/ProprietesVrml.h"
#include "scene/Etat.h"
#include "scene/Mesure.h"
#include "scene/MessagesVrml.h"

namespace vrml1 {

// The four index fields of the two indexed shapes.
template <class T>
static void champsIndices(Champs& c, T* n) {
    c.mfLong("coordIndex", &n->coordIndex);
    c.mfLong("materialIndex", &n->materialIndex);
    c.mfLong("normalIndex", &n->normalIndex);
    c.mfLong("textureCoordIndex", &n->textureCoordIndex);
}

void IndexedFaceSet::champs(Champs& c) { champsIndices(c, this); }
void IndexedLineSet::champs(Champs& c) { champsIndices(c, this); }

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

void Ensemble::construit(const Etat& etat, Maillage (*construit)(const EntreeMaillage&),
                         const EntreeMaillage& e) {
    maillage = construit(e);
    if (!etat.messages) return;
    const Maillage& m = maillage;
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

// An index list let go once the arrays are built: the arrays are all drawing needs.
static void libere(std::vector<int32_t>& v) { std::vector<int32_t>().swap(v); }

template <class T>
static void indices(EntreeMaillage& e, const T* n) {
    e.coordIndex = n->coordIndex.data(), e.nbCoordIndex = long(n->coordIndex.size());
    e.materialIndex = n->materialIndex.data(), e.nbMaterialIndex = long(n->materialIndex.size());
    e.normalIndex = n->normalIndex.data(), e.nbNormalIndex = long(n->normalIndex.size());
}

void IndexedFaceSet::prepare(Etat& etat) {
    EntreeMaillage e = entree(etat);
    indices(e, this);
    construit(etat, maillageFaces, e);
    libere(coordIndex), libere(materialIndex), libere(normalIndex), libere(textureCoordIndex);
}

void IndexedLineSet::prepare(Etat& etat) {
    EntreeMaillage e = entree(etat);
    indices(e, this);
    construit(etat, maillageLignes, e);
    libere(coordIndex), libere(materialIndex), libere(normalIndex), libere(textureCoordIndex);
}

void PointSet::prepare(Etat& etat) {
    EntreeMaillage e = entree(etat);
    e.startIndex = startIndex;
    e.numPoints = numPoints;
    construit(etat, maillagePoints, e);
}

static std::string prefixe(int numero) { return "m" + std::to_string(numero) + "_"; }

void Ensemble::exporteDeclarations(FILE* out) { maillage.exporteTableaux(out, prefixe(numero).c_str()); }
void Ensemble::exporteCorps(FILE* out) { maillage.exporteAppel(out, prefixe(numero).c_str()); }

void Ensemble::mesure(Mesure& m) {
    m.faces += maillage.faces;
    m.triangles += maillage.triangles;
    m.segments += maillage.segments;
    m.points += maillage.points;
    for (size_t i = 0; i + 3 <= maillage.sommets.size(); i += 3) m.ajoutePoint(&maillage.sommets[i]);
}

}  // namespace vrml1
