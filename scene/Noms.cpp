#include "scene/Noms.h"

#include <cstring>

namespace vrml1 {

// FNV-1a: names are short.
static uint64_t hache(std::string_view nom) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : nom) h = (h ^ c) * 1099511628211ull;
    return h;
}

// The place of nom, or of the empty place where it would go.
size_t Noms::place(std::string_view nom, uint64_t h) const {
    size_t masque = cases.size() - 1;
    for (size_t i = h & masque;; i = (i + 1) & masque) {
        const Case& c = cases[i];
        if (!c.texte || (c.hache == h && c.longueur == nom.size() &&
                         memcmp(c.texte, nom.data(), nom.size()) == 0))
            return i;
    }
}

Noeud* Noms::cherche(std::string_view nom) const {
    if (cases.empty()) return nullptr;
    const Case& c = cases[place(nom, hache(nom))];
    return c.texte ? c.noeud : nullptr;
}

void Noms::definit(std::string_view nom, Noeud* n) {
    if (2 * (nombre + 1) > cases.size()) {
        std::vector<Case> anciennes(cases.size() ? 2 * cases.size() : 64);
        anciennes.swap(cases);
        for (const Case& c : anciennes)
            if (c.texte) cases[place(std::string_view(c.texte, c.longueur), c.hache)] = c;
    }
    uint64_t h = hache(nom);
    Case& c = cases[place(nom, h)];
    if (!c.texte) ++nombre;
    c = Case{h, nom.data(), static_cast<uint32_t>(nom.size()), n};
}

}  // namespace vrml1
