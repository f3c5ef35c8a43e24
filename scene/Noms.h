#ifndef ORLEVAN_NOMS_H
#define ORLEVAN_NOMS_H

// The DEF names of one file: name -> the node last defined under it. An open
// addressing table of views into the file's text (which outlives the reading): one
// probe, most times one cache line, per DEF; a file may hold hundreds of thousands.

#include <cstdint>
#include <string_view>
#include <vector>

namespace vrml1 {

class Noeud;

class Noms {
public:
    // The node last defined under nom, or null.
    Noeud* cherche(std::string_view nom) const;
    // nom now names n (a later DEF of the same name replaces the earlier one).
    void definit(std::string_view nom, Noeud* n);
    void echange(Noms& autres) { cases.swap(autres.cases), std::swap(nombre, autres.nombre); }

private:
    struct Case {
        uint64_t hache = 0;
        const char* texte = nullptr;  // null: an empty place
        uint32_t longueur = 0;
        Noeud* noeud = nullptr;
    };
    std::vector<Case> cases;  // a power of two long, never more than half full
    size_t nombre = 0;
    size_t place(std::string_view nom, uint64_t h) const;
};

}  // namespace vrml1

#endif
