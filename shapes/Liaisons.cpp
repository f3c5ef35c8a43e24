#include "shapes/Liaisons.h"

#include <algorithm>
#include <cmath>

namespace vrml1 {

Choix::Choix(int liaison_, const int32_t* index_, long nbIndex_, const int32_t* coordIndex_,
             long nbValeurs_, long* manquants_)
    : liaison(liaison_), coordIndex(coordIndex_), nbValeurs(std::max(nbValeurs_, 1L)),
      manquants(manquants_) {
    // The default [-1] (or nothing) means: no index of its own.
    if (index_ && nbIndex_ > 0 && index_[0] >= 0) {
        index = index_;
        nbIndex = nbIndex_;
    }
}

long Choix::borne(long i) const {
    if (i >= 0 && i < nbValeurs) return i;
    ++*manquants;
    return i < 0 ? 0 : nbValeurs - 1;
}

// An index list shorter than the shape repeats its last entry.
long Choix::indexe(long k) const {
    if (k >= nbIndex) {
        ++*manquants;
        k = nbIndex - 1;
    }
    return index[k];
}

long Choix::valeur(long j, long face, long partie, long sommet) const {
    switch (liaison) {
    case OVERALL: return 0;
    case PER_PART: return borne(partie);
    case PER_FACE: return borne(face);
    case PER_VERTEX: return borne(sommet);
    case PER_PART_INDEXED: return borne(index ? indexe(partie) : partie);
    case PER_FACE_INDEXED: return borne(index ? indexe(face) : face);
    default: return borne(index ? indexe(j) : coordIndex[j]);  // PER_VERTEX_INDEXED
    }
}

long nbMateriaux(const EntreeMaillage& e) { return std::max(e.nbDiffuses, e.nbTransparences); }

bool plusieursCouleurs(const EntreeMaillage& e) {
    return resous(e.liaisonMateriau, OVERALL) != OVERALL && nbMateriaux(e) > 1;
}

static unsigned char octet(float v) {
    if (!(v > 0)) return 0;  // NaN too
    if (v >= 1) return 255;
    return static_cast<unsigned char>(std::lround(v * 255.0f));
}

void couleur(const EntreeMaillage& e, long m, unsigned char c[4]) {
    const float gris[3] = {0.8f, 0.8f, 0.8f};
    const float* d = e.nbDiffuses > 0 ? e.diffuses + 3 * std::min(m, e.nbDiffuses - 1) : gris;
    float t = e.nbTransparences > 0 ? e.transparences[std::min(m, e.nbTransparences - 1)] : 0;
    c[0] = octet(d[0]), c[1] = octet(d[1]), c[2] = octet(d[2]), c[3] = octet(1 - t);
}

void couleurBase(const EntreeMaillage& e, float base[4]) {
    if (e.nbDiffuses > 0) std::copy(e.diffuses, e.diffuses + 3, base);
    base[3] = 1 - (e.nbTransparences > 0 ? e.transparences[0] : 0);
}

}  // namespace vrml1
