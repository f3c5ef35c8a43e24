#include "shapes/Maillage.h"

namespace vrml1 {

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
