// Faces that may be concave: the convexity test, and GLU's tessellator for the
// others. Its callbacks gather whole triangles as corner numbers.
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "shapes/Coins.h"

namespace vrml1 {

// A face is convex when it turns one way only, once round, about its normal. A point
// repeated in a row is taken once: its null edge has no direction.
bool convexe(const Coins& c, const Face& f, const float* n) {
    std::vector<const float*> p;
    for (long i = 0; i < f.nb; ++i) {
        const float* q = c.p(f.debut + i);
        if (p.empty() || memcmp(p.back(), q, 3 * sizeof(float))) p.push_back(q);
    }
    while (p.size() > 1 && !memcmp(p.back(), p.front(), 3 * sizeof(float))) p.pop_back();
    const size_t k = p.size();
    double tour = 0;
    for (size_t i = 0; i < k; ++i) {
        const float *a = p[i], *b = p[(i + 1) % k], *d = p[(i + 2) % k];
        double u[3] = {double(b[0]) - a[0], double(b[1]) - a[1], double(b[2]) - a[2]};
        double v[3] = {double(d[0]) - b[0], double(d[1]) - b[1], double(d[2]) - b[2]};
        double w[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                       u[0] * v[1] - u[1] * v[0]};
        double sinus = w[0] * n[0] + w[1] * n[1] + w[2] * n[2];
        if (sinus < 0) return false;
        tour += std::atan2(sinus, u[0] * v[0] + u[1] * v[1] + u[2] * v[2]);
    }
    return k >= 3 && std::fabs(tour - 2 * M_PI) < 1e-3;
}

namespace {

struct Decoupe {
    Coins* coins;
    std::vector<long> sortie;
};
void GLAPIENTRY sommetTess(void* v, void* d) {
    static_cast<Decoupe*>(d)->sortie.push_back(reinterpret_cast<intptr_t>(v));
}
void GLAPIENTRY bordTess(GLboolean, void*) {}  // asks for separate triangles
void GLAPIENTRY erreurTess(GLenum, void*) {}
void GLAPIENTRY combineTess(GLdouble p[3], void* v[4], GLfloat w[4], void** sortie, void* d) {
    Coins& c = *static_cast<Decoupe*>(d)->coins;
    Nouveau s{};
    float col[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        if (!v[i]) continue;
        long k = reinterpret_cast<intptr_t>(v[i]);
        for (int j = 0; j < 3; ++j) s.n[j] += w[i] * c.n(k)[j];
        if (!c.couleur.empty())
            for (int j = 0; j < 4; ++j) col[j] += w[i] * c.c(k)[j];
    }
    for (int j = 0; j < 3; ++j) s.p[j] = float(p[j]);
    for (int j = 0; j < 4; ++j) s.c[j] = static_cast<unsigned char>(std::lround(std::min(255.f, std::max(0.f, col[j]))));
    *sortie = reinterpret_cast<void*>(intptr_t(c.point.size() + c.nouveaux.size()));
    c.nouveaux.push_back(s);
}

}  // namespace

struct Tessellateur::Etat {
    GLUtesselator* t;
    Decoupe d;
};

Tessellateur::Tessellateur(Coins& c) : etat(new Etat{gluNewTess(), {&c, {}}}) {
    GLUtesselator* t = etat->t;
    gluTessCallback(t, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(sommetTess));
    gluTessCallback(t, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<_GLUfuncptr>(bordTess));
    gluTessCallback(t, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(erreurTess));
    gluTessCallback(t, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(combineTess));
}

Tessellateur::~Tessellateur() {
    gluDeleteTess(etat->t);
    delete etat;
}

const std::vector<long>& Tessellateur::decoupe(const Face& f, const float* n) {
    GLUtesselator* t = etat->t;
    Decoupe& d = etat->d;
    d.sortie.clear();
    gluTessNormal(t, n[0], n[1], n[2]);
    gluTessBeginPolygon(t, &d);
    gluTessBeginContour(t);
    for (long i = f.debut; i < f.debut + f.nb; ++i) {
        const float* q = d.coins->p(i);
        GLdouble p[3] = {q[0], q[1], q[2]};
        gluTessVertex(t, p, reinterpret_cast<void*>(intptr_t(i)));
    }
    gluTessEndContour(t);
    gluTessEndPolygon(t);
    d.sortie.resize(d.sortie.size() / 3 * 3);
    return d.sortie;
}

}  // namespace vrml1
