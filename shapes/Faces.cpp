// IndexedFaceSet: faces from coordIndex, their normals (given, or Newell's and smoothed
// within creaseAngle), their colours, then triangles: a fan for a convex face, GLU's
// tessellator for a face that faceType UNKNOWN_FACE_TYPE allows to be concave.
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <unordered_map>

#include "shapes/Liaisons.h"
#include "shapes/Maillage.h"

namespace {

// A corner of a face: the vertex that drawing needs.
struct Coin {
    float p[3], n[3];
    unsigned char c[4];
};

struct Face {
    long debut, nb;  // its corners in the list of corners
    float n[3];      // Newell's normal, of unit length (zero for a degenerate face)
};

// Newell's normal: robust to faces that are not planar or not convex.
void newell(const Coin* c, long nb, float n[3]) {
    double x = 0, y = 0, z = 0;
    for (long i = 0; i < nb; ++i) {
        const float* a = c[i].p;
        const float* b = c[(i + 1) % nb].p;
        x += (double(a[1]) - b[1]) * (double(a[2]) + b[2]);
        y += (double(a[2]) - b[2]) * (double(a[0]) + b[0]);
        z += (double(a[0]) - b[0]) * (double(a[1]) + b[1]);
    }
    double l = std::sqrt(x * x + y * y + z * z);
    if (!(l > 0) || !std::isfinite(l)) {
        n[0] = n[1] = n[2] = 0;
        return;
    }
    n[0] = float(x / l), n[1] = float(y / l), n[2] = float(z / l);
}

double produit(const float* a, const float* b) {
    return double(a[0]) * b[0] + double(a[1]) * b[1] + double(a[2]) * b[2];
}

// A face is convex when it turns one way only, once round, about its normal.
bool convexe(const Coin* c, long nb, const float* n) {
    double tour = 0;
    for (long i = 0; i < nb; ++i) {
        const float *a = c[i].p, *b = c[(i + 1) % nb].p, *d = c[(i + 2) % nb].p;
        double u[3] = {double(b[0]) - a[0], double(b[1]) - a[1], double(b[2]) - a[2]};
        double v[3] = {double(d[0]) - b[0], double(d[1]) - b[1], double(d[2]) - b[2]};
        double w[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                       u[0] * v[1] - u[1] * v[0]};
        double sinus = w[0] * n[0] + w[1] * n[1] + w[2] * n[2];
        if (sinus < 0) return false;
        tour += std::atan2(sinus, u[0] * v[0] + u[1] * v[1] + u[2] * v[2]);
    }
    return std::fabs(tour - 2 * M_PI) < 1e-3;
}

// Same position, same key: faces that meet at equal points are smoothed together
// even when the file gives the point twice.
struct CleP {
    uint32_t x, y, z;
    bool operator==(const CleP& o) const { return x == o.x && y == o.y && z == o.z; }
};
struct HacheP {
    size_t operator()(const CleP& k) const {
        return (size_t(k.x) * 0x9E3779B1u) ^ (size_t(k.y) * 0x85EBCA77u) ^ (size_t(k.z) * 0xC2B2AE3Du);
    }
};
CleP cle(const float* p) {
    CleP k;
    float q[3] = {p[0] + 0.0f, p[1] + 0.0f, p[2] + 0.0f};  // -0 and 0 alike
    memcpy(&k, q, sizeof k);
    return k;
}

// Vertex normals from the face normals: at each corner, the sum of the normals of the
// faces at the same position that are within creaseAngle of this face's.
void lisse(std::vector<Coin>& coins, const std::vector<Face>& faces, float creaseAngle) {
    std::unordered_map<CleP, long, HacheP> ids;
    ids.reserve(coins.size() / 2 + 1);
    std::vector<long> id(coins.size());
    for (size_t i = 0; i < coins.size(); ++i)
        id[i] = ids.emplace(cle(coins[i].p), long(ids.size())).first->second;
    // The faces at each position, as one list cut into runs.
    std::vector<long> debut(ids.size() + 1, 0), liste(coins.size());
    std::vector<long> faceDe(coins.size());
    for (size_t f = 0; f < faces.size(); ++f)
        for (long i = 0; i < faces[f].nb; ++i) faceDe[faces[f].debut + i] = long(f);
    for (long i : id) ++debut[i + 1];
    for (size_t i = 1; i < debut.size(); ++i) debut[i] += debut[i - 1];
    std::vector<long> place(debut.begin(), debut.end() - 1);
    for (size_t i = 0; i < coins.size(); ++i) liste[place[id[i]]++] = faceDe[i];

    const double seuil = std::cos(double(creaseAngle));
    const long LIMITE = 1024;  // past it a corner keeps its face's normal
    for (size_t i = 0; i < coins.size(); ++i) {
        const float* nf = faces[faceDe[i]].n;
        long a = debut[id[i]], b = debut[id[i] + 1];
        double s[3] = {nf[0], nf[1], nf[2]};
        if (b - a <= LIMITE) {
            s[0] = s[1] = s[2] = 0;
            for (long k = a; k < b; ++k) {
                const float* ng = faces[liste[k]].n;
                if (liste[k] == faceDe[i] || produit(nf, ng) >= seuil)
                    s[0] += ng[0], s[1] += ng[1], s[2] += ng[2];
            }
        }
        double l = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
        float* n = coins[i].n;
        if (l > 0) n[0] = float(s[0] / l), n[1] = float(s[1] / l), n[2] = float(s[2] / l);
        else memcpy(n, nf, sizeof coins[i].n);
    }
}

void ajoute(Maillage& m, const Coin& c, bool couleurs) {
    m.sommets.insert(m.sommets.end(), c.p, c.p + 3);
    m.normales.insert(m.normales.end(), c.n, c.n + 3);
    if (couleurs) m.couleurs.insert(m.couleurs.end(), c.c, c.c + 4);
}

// GLU's tessellator, once per mesh; its callbacks append whole triangles.
struct Decoupe {
    std::deque<Coin> nouveaux;  // vertices made where edges cross
    std::vector<const Coin*> sortie;
};
void GLAPIENTRY sommetTess(void* v, void* d) {
    static_cast<Decoupe*>(d)->sortie.push_back(static_cast<const Coin*>(v));
}
void GLAPIENTRY bordTess(GLboolean, void*) {}  // asks for separate triangles
void GLAPIENTRY erreurTess(GLenum, void*) {}
void GLAPIENTRY combineTess(GLdouble p[3], void* v[4], GLfloat w[4], void** sortie, void* d) {
    Decoupe* t = static_cast<Decoupe*>(d);
    Coin c{};
    float n[3] = {0, 0, 0}, col[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        const Coin* s = static_cast<const Coin*>(v[i]);
        if (!s) continue;
        for (int k = 0; k < 3; ++k) n[k] += w[i] * s->n[k];
        for (int k = 0; k < 4; ++k) col[k] += w[i] * s->c[k];
    }
    for (int k = 0; k < 3; ++k) c.p[k] = float(p[k]), c.n[k] = n[k];
    for (int k = 0; k < 4; ++k) c.c[k] = static_cast<unsigned char>(std::lround(std::min(255.f, std::max(0.f, col[k]))));
    t->nouveaux.push_back(c);
    *sortie = &t->nouveaux.back();
}

class Tessellateur {
public:
    Tessellateur() : t(gluNewTess()) {
        gluTessCallback(t, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(sommetTess));
        gluTessCallback(t, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<_GLUfuncptr>(bordTess));
        gluTessCallback(t, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(erreurTess));
        gluTessCallback(t, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(combineTess));
    }
    ~Tessellateur() { gluDeleteTess(t); }
    // The triangles of one face, three corners each.
    const std::vector<const Coin*>& decoupe(const Coin* c, long nb, const float* n) {
        d.sortie.clear();
        gluTessNormal(t, n[0], n[1], n[2]);
        gluTessBeginPolygon(t, &d);
        gluTessBeginContour(t);
        for (long i = 0; i < nb; ++i) {
            GLdouble p[3] = {c[i].p[0], c[i].p[1], c[i].p[2]};
            gluTessVertex(t, p, const_cast<Coin*>(&c[i]));
        }
        gluTessEndContour(t);
        gluTessEndPolygon(t);
        d.sortie.resize(d.sortie.size() / 3 * 3);
        return d.sortie;
    }

private:
    GLUtesselator* t;
    Decoupe d;
};

}  // namespace

Maillage maillageFaces(const EntreeMaillage& e) {
    Maillage m;
    m.primitive = GL_TRIANGLES;
    couleurBase(e, m.base);
    if (e.forme == SOLID && e.ordre != UNKNOWN_ORDERING) m.drapeaux = MAILLAGE_SOLIDE;
    const bool couleurs = plusieursCouleurs(e);
    const int liaisonN = resous(e.liaisonNormale, PER_VERTEX_INDEXED);
    long manquantsN = 0;
    Choix choixN(liaisonN, e.normalIndex, e.nbNormalIndex, e.coordIndex, e.nbNormales, &manquantsN);
    Choix choixM(resous(e.liaisonMateriau, OVERALL), e.materialIndex, e.nbMaterialIndex,
                 e.coordIndex, nbMateriaux(e), &m.manquants);

    // The faces: runs of coordIndex ended by -1 or by the end of the list.
    std::vector<Coin> coins;
    std::vector<Face> faces;
    std::vector<long> normale;  // per corner: its normal's index
    long face = 0, sommet = 0;
    const int32_t* ci = e.coordIndex;
    for (long j0 = 0, j1; j0 < e.nbCoordIndex; sommet += j1 - j0, j0 = j1 + 1) {
        for (j1 = j0; j1 < e.nbCoordIndex && ci[j1] != -1;) ++j1;
        long k = j1 - j0;
        if (k == 0) continue;
        bool dedans = std::all_of(ci + j0, ci + j1, [&](int32_t i) { return i >= 0 && i < e.nbPoints; });
        if (!dedans || k < 3) {
            ++(dedans ? m.tropCourtes : m.horsBornes);
            ++face;
            continue;
        }
        faces.push_back({long(coins.size()), k, {0, 0, 0}});
        for (long j = j0; j < j1; ++j) {
            Coin c{};
            memcpy(c.p, e.points + 3 * long(ci[j]), sizeof c.p);
            long s = sommet + j - j0;
            if (couleurs) couleur(e, choixM.valeur(j, face, face, s), c.c);
            if (e.nbNormales > 0) normale.push_back(choixN.valeur(j, face, face, s));
            coins.push_back(c);
        }
        ++face;
    }

    // CLOCKWISE: each face turned round, so that it faces its outside counter-clockwise.
    if (e.ordre == CLOCKWISE)
        for (const Face& f : faces) {
            std::reverse(coins.begin() + f.debut, coins.begin() + f.debut + f.nb);
            if (!normale.empty())
                std::reverse(normale.begin() + f.debut, normale.begin() + f.debut + f.nb);
        }
    for (Face& f : faces) newell(&coins[f.debut], f.nb, f.n);

    // Normals: the file's, unless it gives none or, for DEFAULT, too few.
    bool calculees = e.nbNormales == 0 || (e.liaisonNormale == DEFAULT && manquantsN > 0);
    if (calculees) lisse(coins, faces, e.creaseAngle);
    else {
        m.manquants += manquantsN;
        for (size_t i = 0; i < coins.size(); ++i) memcpy(coins[i].n, e.normales + 3 * normale[i], sizeof coins[i].n);
    }

    // Triangles.
    long prevus = 0;
    for (const Face& f : faces) prevus += 3 * (f.nb - 2);
    m.sommets.reserve(3 * prevus);
    m.normales.reserve(3 * prevus);
    if (couleurs) m.couleurs.reserve(4 * prevus);
    Tessellateur* tess = nullptr;
    for (const Face& f : faces) {
        const Coin* c = &coins[f.debut];
        ++m.faces;
        m.triangles += f.nb - 2;
        if (f.nb > 3 && e.typeFaces == UNKNOWN_FACE_TYPE && !convexe(c, f.nb, f.n)) {
            if (!tess) tess = new Tessellateur;
            for (const Coin* s : tess->decoupe(c, f.nb, f.n)) ajoute(m, *s, couleurs);
            continue;
        }
        for (long i = 1; i + 1 < f.nb; ++i) {
            ajoute(m, c[0], couleurs);
            ajoute(m, c[i], couleurs);
            ajoute(m, c[i + 1], couleurs);
        }
    }
    delete tess;
    m.ajuste();
    return m;
}
