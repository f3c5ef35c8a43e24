#include "shapes/Maillage.h"

#include <sys/mman.h>

#include <new>

namespace vrml1 {

void* grandBloc(size_t octets) {
    void* p = malloc(octets ? octets : 1);
    if (!p) throw std::bad_alloc();
    // The whole 2 MB pages inside a large block; a hint the kernel may ignore.
    const uintptr_t PAGE = uintptr_t(2) << 20;
    uintptr_t debut = (reinterpret_cast<uintptr_t>(p) + PAGE - 1) & ~(PAGE - 1);
    uintptr_t fin = (reinterpret_cast<uintptr_t>(p) + octets) & ~(PAGE - 1);
    if (octets >= 4 * PAGE && fin > debut)
        madvise(reinterpret_cast<void*>(debut), fin - debut, MADV_HUGEPAGE);
    return p;
}

void Maillage::dessine() const {
    solidMaillage(primitive, drapeaux, base, static_cast<int>(nbSommets()), sommets.data(),
                  normales.empty() ? nullptr : normales.data(),
                  couleurs.empty() ? nullptr : couleurs.data(), 0, nullptr);
}

size_t Maillage::octets() const {
    return sommets.size() * sizeof(float) + normales.size() * sizeof(float) + couleurs.size();
}

void Maillage::ajuste() {
    sommets.shrink_to_fit();
    normales.shrink_to_fit();
    couleurs.shrink_to_fit();
}

}  // namespace vrml1
