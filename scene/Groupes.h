#ifndef ORLEVAN_GROUPES_H
#define ORLEVAN_GROUPES_H

// The group nodes of the full reader: Separator, Group, Switch, TransformSeparator,
// WWWAnchor, LOD and WWWInline (whose children are the nodes of the file it names).

#include <string>
#include <vector>

#include "scene/NoeudVrml.h"
#include "scene/PileEtNiveaux.h"

namespace vrml1 {

class Groupe : public Noeud {
public:
    std::vector<Noeud*> enfants;
    Groupe() { enfants.reserve(4); }  // one allocation for most groups

    // What the group keeps of the state around its children, at reading and drawing.
    enum Portee { AUCUNE, MATRICE, TOUT };
    virtual Portee portee() const { return AUCUNE; }
    bool estGroupe() const override { return true; }
    virtual bool estInline() const { return false; }
    // At reading: TOUS when the children are read one after the other, each in the
    // state the one before left; otherwise each is read from the state before the
    // group, and the state after the group is the one after the child of this index
    // (none: AUCUN).
    enum { TOUS = -1000, AUCUN = -1 };
    virtual int enfantChoisi() const { return TOUS; }

    // A run of children, without a copy.
    struct Plage {
        Noeud* const* debut;
        Noeud* const* fin;
        Noeud* const* begin() const { return debut; }
        Noeud* const* end() const { return fin; }
    };
    Plage tous() const { return {enfants.data(), enfants.data() + enfants.size()}; }
    Plage seul(size_t i) const { return {enfants.data() + i, enfants.data() + i + 1}; }

    // The children drawn: all of them, or Switch's choice (LOD chooses by the view
    // in each frame: see Lod).
    virtual Plage dessines() const { return tous(); }
    // The children that the saved file holds (Switch: its choice; LOD: all).
    virtual Plage ecrits() const { return dessines(); }

    void dessine() override;
    void exporteCorps(FILE* out) override;
    void mesure(Mesure& m) override;

protected:
    void dessineEnfants(Plage liste);
    void exporteEnfants(FILE* out, Plage liste);
    void mesureEnfants(Mesure& m, Plage liste);
};

class Group : public Groupe {
public:
    const char* type() const override { return "Group"; }
};

// Saves the whole state (matrix, material, lights, and the reading state) around its
// children, as the subset's Separator does, with the same saved lines.
class Separator : public Groupe {
public:
    int renderCulling = 2;  // ON, OFF, AUTO: read, no culling is done
    const char* type() const override { return "Separator"; }
    void champs(Champs& c) override;
    Portee portee() const override { return TOUT; }
};

class TransformSeparator : public Groupe {
public:
    const char* type() const override { return "TransformSeparator"; }
    Portee portee() const override { return MATRICE; }
};

// A Separator whose name would be followed when one of its children is chosen:
// drawn as a Separator (the viewer follows no links).
class WWWAnchor : public Separator {
public:
    std::string name, description;
    int map = 0;  // NONE, POINT
    const char* type() const override { return "WWWAnchor"; }
    void champs(Champs& c) override;
};

// Traverses the child whichChild (from 0), none (-1) or all (-3).
class Switch : public Groupe {
public:
    int32_t whichChild = -1;
    const char* type() const override { return "Switch"; }
    void champs(Champs& c) override;
    int enfantChoisi() const override { return whichChild == -3 ? TOUS : whichChild >= 0 ? whichChild : AUCUN; }
    Plage dessines() const override;
};

// Draws one child, chosen in every frame by the distance from the eye to center
// under the current modelview matrix: the first child nearer than range[0], the
// second between range[0] and range[1], and so on, the last child past the end.
// The ranges go near to far, as the 1.0C edition and browsers take them (the 1995
// text has them decreasing, which its own description contradicts). The saved file
// holds every child and chooses by the same rule (niveauLOD of the run-time library).
class Lod : public Groupe {
public:
    std::vector<float> range;
    Vec3 center = {0, 0, 0};
    const char* type() const override { return "LOD"; }
    void champs(Champs& c) override;
    // Isolated like a Separator: what one level sets must not depend on the distance.
    Portee portee() const override { return TOUT; }
    int enfantChoisi() const override { return AUCUN; }
    void dessine() override;
    void exporteCorps(FILE* out) override;
    void mesure(Mesure& m) override;
    Plage ecrits() const override { return tous(); }
};

// The nodes of another file, read (in full mode) when this node is read, drawn where
// it stands, and written into the saved file. Only local files: see LecteurVrml.
// Isolated like a Separator, as browsers draw an inline.
class WWWInline : public Groupe {
public:
    std::string name;
    Vec3 bboxSize = {0, 0, 0}, bboxCenter = {0, 0, 0};
    const char* type() const override { return "WWWInline"; }
    bool estInline() const override { return true; }
    void champs(Champs& c) override;
    Portee portee() const override { return TOUT; }
};

}  // namespace vrml1

#endif
