#ifndef ORLEVAN_NOEUDVRML_H
#define ORLEVAN_NOEUDVRML_H

// Base of every node of the full VRML 1.0 reader (--vrml1). The subset's classes
// (::Separator, ::Material, ...) keep their own readers; these live in namespace
// vrml1 under the same VRML names.
//
// A node type declares its fields in champs() (name, type, member: the members'
// initial values are the standard's defaults); the reader (LecteurVrml) reads them.
// Then, with the reading state Etat (scene/Etat.h):
//   - prepare(etat): once, after the fields (and, for a group, the children): a shape
//     takes from the state what it needs to draw (coordinates, bindings, hints...);
//   - metAJour(etat): then, a property node puts itself into the state; again at
//     each USE of the node.
// Drawing and saving: dessine() issues OpenGL calls; exporteCorps() writes the C code
// of the same calls; exporteDeclarations() writes what must stand before the
// functions (static const arrays of a mesh, named with numero). A node used more
// than once is written once as a static function, which exporte() then calls.
// mesure() plays the first frame in software for --info and the framing.

#include <cstdio>

#include "scene/Champs.h"
#include "scene/Noeud.h"

namespace vrml1 {

struct Etat;
struct Mesure;

class Noeud : public ::Noeud {
public:
    virtual ~Noeud() = default;

    // The VRML type name ("Separator", "IndexedFaceSet", ...).
    virtual const char* type() const = 0;
    // The node's fields, in the standard's order.
    virtual void champs(Champs& c) { (void)c; }
    // True for the group nodes: nodes may follow the fields in the block.
    virtual bool estGroupe() const { return false; }
    // True for the two cameras (vrml1::Camera).
    virtual bool estCamera() const { return false; }
    // False for a type read but not drawn (textures, text): --info lists it.
    virtual bool dessinable() const { return true; }

    virtual void metAJour(Etat& etat) { (void)etat; }
    virtual void prepare(Etat& etat) { (void)etat; }

    virtual void mesure(Mesure& m) { (void)m; }
    virtual void exporteDeclarations(FILE* out) { (void)out; }
    virtual void exporteCorps(FILE* out) { (void)out; }
    // The body, or the call of the static function of a node used more than once.
    void exporte(FILE* out) final;

    int numero = 0;        // unique in the scene, in reading order
    int utilisations = 0;  // 1, plus one per USE
    int fonction = 0;      // when saving: number of its static function, 0 if none
    const char* fichier = "";  // where it was read, for messages
    int ligne = 0;
};

}  // namespace vrml1

#endif
