// The reference counts of a VRML 1.0 file as Coin3D, a general VRML library, reads
// it: the faces, triangles, segments and points that its callback action produces for
// IndexedFaceSet, IndexedLineSet and PointSet, and the box of their vertices in the
// scene's coordinates, printed as `orlevan-export --info` prints them, for
// compare-coin.sh. A second box, "boite-tout", holds the vertices of every shape but
// text (primitives by Coin's own facets), and "primitives N" counts the primitive
// shapes. WWWInline names are read as files beside the including file, as Orlevan
// reads them.
#include <Inventor/SbBox3f.h>
#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/SoPrimitiveVertex.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/elements/SoCoordinateElement.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoAsciiText.h>
#include <Inventor/nodes/SoCone.h>
#include <Inventor/nodes/SoCube.h>
#include <Inventor/nodes/SoCylinder.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoPointSet.h>
#include <Inventor/nodes/SoSphere.h>
#include <Inventor/nodes/SoWWWInline.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShape.h>

#include <cstdio>
#include <string>

namespace {

struct Compte {
    long faces = 0, triangles = 0, segments = 0, points = 0, primitives = 0;
    SbBox3f boite, tout;
};

bool maillage(const SoNode* n) {
    return n->isOfType(SoIndexedFaceSet::getClassTypeId()) ||
           n->isOfType(SoIndexedLineSet::getClassTypeId()) || n->isOfType(SoPointSet::getClassTypeId());
}

void sommet(void* d, SoCallbackAction* a, const SoPrimitiveVertex* v) {
    SbVec3f p;
    a->getModelMatrix().multVecMatrix(v->getPoint(), p);
    Compte* c = static_cast<Compte*>(d);
    c->tout.extendBy(p);
    if (maillage(a->getCurPathTail())) c->boite.extendBy(p);
}

void triangle(void* d, SoCallbackAction* a, const SoPrimitiveVertex* v1,
              const SoPrimitiveVertex* v2, const SoPrimitiveVertex* v3) {
    if (maillage(a->getCurPathTail())) ++static_cast<Compte*>(d)->triangles;
    sommet(d, a, v1), sommet(d, a, v2), sommet(d, a, v3);
}

void segment(void* d, SoCallbackAction* a, const SoPrimitiveVertex* v1, const SoPrimitiveVertex* v2) {
    if (maillage(a->getCurPathTail())) ++static_cast<Compte*>(d)->segments;
    sommet(d, a, v1), sommet(d, a, v2);
}

void point(void* d, SoCallbackAction* a, const SoPrimitiveVertex* v) {
    if (maillage(a->getCurPathTail())) ++static_cast<Compte*>(d)->points;
    sommet(d, a, v);
}

// The faces of an IndexedFaceSet: runs of three or more indices, all in range.
SoCallbackAction::Response faces(void* d, SoCallbackAction* a, const SoNode* n) {
    const SoMFInt32& ci = static_cast<const SoIndexedFaceSet*>(n)->coordIndex;
    int nb = SoCoordinateElement::getInstance(a->getState())->getNum();
    long k = 0;
    bool bonne = true;
    for (int j = 0; j <= ci.getNum(); ++j) {
        int i = j < ci.getNum() ? ci[j] : -1;
        if (i != -1) {
            ++k;
            bonne = bonne && i >= 0 && i < nb;
            continue;
        }
        if (k >= 3 && bonne) ++static_cast<Compte*>(d)->faces;
        k = 0, bonne = true;
    }
    return SoCallbackAction::CONTINUE;
}

SoCallbackAction::Response primitive(void* d, SoCallbackAction*, const SoNode*) {
    ++static_cast<Compte*>(d)->primitives;
    return SoCallbackAction::CONTINUE;
}

SoCallbackAction::Response texte(void*, SoCallbackAction*, const SoNode*) {
    return SoCallbackAction::PRUNE;  // Orlevan does not draw text
}

// Reads every WWWInline's file, relative to the including file's folder, up to 16
// levels deep.
void litInlines(SoNode* racine, const std::string& dossier, int profondeur) {
    if (profondeur > 16) return;
    SoSearchAction cherche;
    cherche.setType(SoWWWInline::getClassTypeId());
    cherche.setInterest(SoSearchAction::ALL);
    cherche.setSearchingAll(TRUE);
    cherche.apply(racine);
    for (int i = 0; i < cherche.getPaths().getLength(); ++i) {
        SoWWWInline* l = static_cast<SoWWWInline*>(cherche.getPaths()[i]->getTail());
        std::string nom = l->name.getValue().getString();
        if (nom.rfind("file:", 0) == 0) nom = nom.substr(5);
        else if (nom.find(':') != std::string::npos) continue;
        std::string chemin = nom[0] == '/' ? nom : dossier + nom;
        SoInput entree;
        if (!entree.openFile(chemin.c_str(), TRUE)) continue;
        SoSeparator* contenu = SoDB::readAll(&entree);
        if (!contenu) continue;
        litInlines(contenu, chemin.substr(0, chemin.rfind('/') + 1), profondeur + 1);
        l->setChildData(contenu);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: compte-coin SCENE.wrl\n");
        return 2;
    }
    SoDB::init();
    SoInput entree;
    if (!entree.openFile(argv[1])) return 1;
    SoSeparator* racine = SoDB::readAll(&entree);
    if (!racine) return 1;
    racine->ref();
    std::string chemin = argv[1];
    litInlines(racine, chemin.substr(0, chemin.rfind('/') + 1), 1);
    Compte c;
    SoCallbackAction action;
    action.addTriangleCallback(SoShape::getClassTypeId(), triangle, &c);
    action.addLineSegmentCallback(SoShape::getClassTypeId(), segment, &c);
    action.addPointCallback(SoShape::getClassTypeId(), point, &c);
    action.addPreCallback(SoIndexedFaceSet::getClassTypeId(), faces, &c);
    action.addPreCallback(SoAsciiText::getClassTypeId(), texte, &c);
    for (SoType t : {SoCube::getClassTypeId(), SoSphere::getClassTypeId(), SoCone::getClassTypeId(),
                     SoCylinder::getClassTypeId()})
        action.addPreCallback(t, primitive, &c);
    action.apply(racine);
    printf("faces %ld\ntriangles %ld\nsegments %ld\npoints %ld\n", c.faces, c.triangles,
           c.segments, c.points);
    if (c.boite.isEmpty()) {
        printf("boite vide\n");
    } else {
        const SbVec3f &a = c.boite.getMin(), &b = c.boite.getMax();
        printf("boite %.9g %.9g %.9g %.9g %.9g %.9g\n", a[0], a[1], a[2], b[0], b[1], b[2]);
    }
    if (!c.tout.isEmpty()) {
        const SbVec3f &a = c.tout.getMin(), &b = c.tout.getMax();
        printf("boite-tout %.9g %.9g %.9g %.9g %.9g %.9g\n", a[0], a[1], a[2], b[0], b[1], b[2]);
    }
    printf("primitives %ld\n", c.primitives);
    racine->unref();
    return 0;
}
