// Smoothing of computed normals across the faces that meet at equal positions.
#include <cmath>
#include <cstring>

#include "shapes/Coins.h"

namespace vrml1 {
namespace {

// Faces that meet at equal points are smoothed together, even where the file gives
// the same position twice: each point used gets the number of its position, through
// an open-addressed table of the positions' bits (-0 and 0 alike). Each entry holds a
// point and 32 bits of its position's hash, so that a probe reads one entry. The
// points used are marked first, then numbered in the order of the point list: the
// points are read in turn, and the slot of a point a few places ahead is fetched
// into the cache while this one is probed (the numbers' order does not matter).
Brut<int32_t> positions(const EntreeMaillage& e, const Brut<int32_t>& point, long& nb) {
    const int32_t UTILISE = -2;
    Brut<int32_t> numero(e.nbPoints, -1);
    for (int32_t p : point) numero[p] = UTILISE;
    size_t taille = 16;
    while (taille < 2 * size_t(e.nbPoints)) taille *= 2;
    Brut<uint64_t> table(taille, 0);  // point + 1 << 32 | hash, 0 when free
    nb = 0;
    auto bits = [&](long p, uint32_t k[3]) {
        float q[3] = {e.points[3 * p] + 0.0f, e.points[3 * p + 1] + 0.0f, e.points[3 * p + 2] + 0.0f};
        memcpy(k, q, sizeof q);
    };
    // Every bit of the three coordinates stirred into the hash.
    auto hache = [](const uint32_t k[3]) {
        uint64_t x = (uint64_t(k[0]) << 32 | k[1]) * 0x9E3779B97F4A7C15u ^ k[2];
        x = (x ^ (x >> 31)) * 0xBF58476D1CE4E5B9u;
        return x ^ (x >> 29);
    };
    const long AVANCE = 16;
    for (long p = 0; p < e.nbPoints; ++p) {
        uint32_t k[3], l[3];
        if (p + AVANCE < e.nbPoints && numero[p + AVANCE] == UTILISE) {
            bits(p + AVANCE, k);
            __builtin_prefetch(&table[hache(k) & (taille - 1)]);
        }
        if (numero[p] != UTILISE) continue;
        bits(p, k);
        const uint64_t x = hache(k);
        const uint32_t marque = uint32_t(x >> 32);
        for (size_t h = x & (taille - 1);; h = (h + 1) & (taille - 1)) {
            if (table[h] == 0) {
                table[h] = uint64_t(p + 1) << 32 | marque;
                numero[p] = int32_t(nb++);
                break;
            }
            if (uint32_t(table[h]) != marque) continue;
            int32_t autre = int32_t(table[h] >> 32) - 1;
            bits(autre, l);
            if (!memcmp(k, l, sizeof k)) {
                numero[p] = numero[autre];
                break;
            }
        }
    }
    return numero;
}

// A vector of unit length in v, or false for a null one.
bool unitaire(const double s[3], float* v) {
    double l = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
    if (!(l > 0)) return false;
    v[0] = float(s[0] / l), v[1] = float(s[1] / l), v[2] = float(s[2] / l);
    return true;
}

}  // namespace

// Vertex normals from the face normals: at each corner, the sum of the normals of the
// faces at the same position that are within creaseAngle of this face's. Where every
// face at a position is within half the angle of the first one, any two are within
// the angle: all its corners take the one sum, found once, in one pass over the
// corners in the faces' order. The faces at each position are listed only when some
// position needs the general test.
Lissage::Lissage(const Coins& c_, const Brut<Face>& faces, const Brut<float>& nf_)
    : c(c_), nf(nf_), seuil(std::cos(double(c_.e.creaseAngle))) {
    long nb;
    numero = positions(c.e, c.point, nb);
    const double demiSeuil = std::cos(double(c.e.creaseAngle) / 2);
    struct Somme {
        double s[3];
        int32_t premiere;  // the first face at the position, -1 before it
        bool proches;      // every face so far within half the angle of the first
    };
    Brut<Somme> sommes(nb, Somme{{0, 0, 0}, -1, true});
    for (size_t f = 0; f < faces.size(); ++f) {
        const float* g = &nf[3 * f];
        for (long i = faces[f].debut; i < faces[f].debut + faces[f].nb; ++i) {
            Somme& q = sommes[numero[c.point[i]]];
            if (q.premiere < 0) q.premiere = int32_t(f);
            if (!q.proches) continue;
            q.proches = produit(&nf[3 * long(q.premiere)], g) >= demiSeuil;
            q.s[0] += g[0], q.s[1] += g[1], q.s[2] += g[2];
        }
    }
    commune.resize(3 * nb);
    bool generale = false;
    for (long q = 0; q < nb; ++q)
        if (!sommes[q].proches || !unitaire(sommes[q].s, &commune[3 * q])) {
            commune[3 * q] = NAN;
            generale = true;
        }
    if (!generale) return;
    // The faces at each position, as one list cut into runs.
    debut.assign(nb + 1, 0);
    liste.resize(c.point.size());
    for (int32_t p : c.point) ++debut[numero[p] + 1];
    for (long i = 1; i <= nb; ++i) debut[i] += debut[i - 1];
    std::vector<int32_t> place(debut.begin(), debut.end() - 1);
    for (size_t f = 0; f < faces.size(); ++f)
        for (long i = faces[f].debut; i < faces[f].debut + faces[f].nb; ++i)
            liste[place[numero[c.point[i]]]++] = int32_t(f);
}

void Lissage::normale(long f, long i, float* v) const {
    long q = numero[c.point[i]];
    if (!std::isnan(commune[3 * q])) {
        memcpy(v, &commune[3 * q], 3 * sizeof(float));
        return;
    }
    const float* n = &nf[3 * f];
    long a = debut[q], b = debut[q + 1];
    double s[3] = {n[0], n[1], n[2]};
    const long LIMITE = 1024;  // past it a corner keeps its face's normal
    if (b - a <= LIMITE) {
        s[0] = s[1] = s[2] = 0;
        for (long k = a; k < b; ++k) {
            const float* g = &nf[3 * liste[k]];
            if (liste[k] == f || produit(n, g) >= seuil) s[0] += g[0], s[1] += g[1], s[2] += g[2];
        }
    }
    if (!unitaire(s, v)) memcpy(v, n, 3 * sizeof(float));
}

}  // namespace vrml1
