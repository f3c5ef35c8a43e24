// IndexedFaceSet: faces from coordIndex, their normals (given, or Newell's and smoothed
// within creaseAngle), their colours, then triangles: a fan for a convex face, GLU's
// tessellator for a face that faceType UNKNOWN_FACE_TYPE allows to be concave.
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>

#include "shapes/Liaisons.h"
#include "shapes/Maillage.h"

namespace vrml1 {
namespace {

// A vertex made by the tessellator where edges cross.
struct Nouveau {
    float p[3], n[3];
    unsigned char c[4];
};

// The corners of the faces kept, in order: their points, normals and colours.
struct Coins {
    const EntreeMaillage& e;
    std::vector<int32_t> point;
    std::vector<float> normale;         // x y z per corner
    std::vector<unsigned char> couleur; // r g b a per corner, when the materials vary
    std::deque<Nouveau> nouveaux;       // numbered after the corners

    const float* p(long i) const { return i < long(point.size()) ? e.points + 3 * long(point[i]) : nouveaux[i - point.size()].p; }
    const float* n(long i) const { return i < long(point.size()) ? &normale[3 * i] : nouveaux[i - point.size()].n; }
    const unsigned char* c(long i) const { return i < long(point.size()) ? &couleur[4 * i] : nouveaux[i - point.size()].c; }
};

struct Face {
    long debut, nb;  // its corners
};

// Newell's normal: robust to faces that are not planar or not convex. Of unit length,
// or zero for a degenerate face.
void newell(const Coins& c, const Face& f, float n[3]) {
    double x = 0, y = 0, z = 0;
    for (long i = 0; i < f.nb; ++i) {
        const float* a = c.p(f.debut + i);
        const float* b = c.p(f.debut + (i + 1 < f.nb ? i + 1 : 0));
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

// Faces that meet at equal points are smoothed together, even where the file gives
// the same position twice: each point used gets the number of its position, through
// an open-addressed table of the positions' bits (-0 and 0 alike). Each entry holds a
// point and 32 bits of its position's hash, so that a probe reads one entry.
std::vector<int32_t> positions(const EntreeMaillage& e, const std::vector<int32_t>& point, long& nb) {
    std::vector<int32_t> numero(e.nbPoints, -1);
    size_t taille = 16;
    while (taille < 2 * size_t(e.nbPoints)) taille *= 2;
    std::vector<uint64_t> table(taille, 0);  // point + 1 << 32 | hash, 0 when free
    nb = 0;
    auto bits = [&](int32_t p, uint32_t k[3]) {
        float q[3] = {e.points[3 * p] + 0.0f, e.points[3 * p + 1] + 0.0f, e.points[3 * p + 2] + 0.0f};
        memcpy(k, q, sizeof q);
    };
    for (int32_t p : point) {
        if (numero[p] >= 0) continue;
        uint32_t k[3], l[3];
        bits(p, k);
        // Every bit of the three coordinates stirred into the hash.
        uint64_t x = (uint64_t(k[0]) << 32 | k[1]) * 0x9E3779B97F4A7C15u ^ k[2];
        x = (x ^ (x >> 31)) * 0xBF58476D1CE4E5B9u;
        x ^= x >> 29;
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

// Vertex normals from the face normals: at each corner, the sum of the normals of the
// faces at the same position that are within creaseAngle of this face's. Where every
// face at a position is within half the angle of the first one, any two are within
// the angle: all its corners take the one sum, found once.
class Lissage {
public:
    Lissage(const Coins& c, const std::vector<Face>& faces, const std::vector<float>& nf)
        : c(c), nf(nf), seuil(std::cos(double(c.e.creaseAngle))) {
        long nb;
        numero = positions(c.e, c.point, nb);
        // The faces at each position, as one list cut into runs.
        debut.assign(nb + 1, 0);
        liste.resize(c.point.size());
        for (int32_t p : c.point) ++debut[numero[p] + 1];
        for (long i = 1; i <= nb; ++i) debut[i] += debut[i - 1];
        std::vector<int32_t> place(debut.begin(), debut.end() - 1);
        for (size_t f = 0; f < faces.size(); ++f)
            for (long i = faces[f].debut; i < faces[f].debut + faces[f].nb; ++i)
                liste[place[numero[c.point[i]]]++] = int32_t(f);

        const double demiSeuil = std::cos(double(c.e.creaseAngle) / 2);
        commune.resize(3 * nb);
        for (long q = 0; q < nb; ++q) {
            const float* n0 = &nf[3 * liste[debut[q]]];
            double s[3] = {0, 0, 0};
            bool proches = true;
            for (long k = debut[q]; k < debut[q + 1] && proches; ++k) {
                const float* g = &nf[3 * liste[k]];
                proches = produit(n0, g) >= demiSeuil;
                s[0] += g[0], s[1] += g[1], s[2] += g[2];
            }
            if (!proches || !unitaire(s, &commune[3 * q])) commune[3 * q] = NAN;
        }
    }

    // The normal of corner i, of face f.
    void normale(long f, long i, float* v) const {
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

private:
    const Coins& c;
    const std::vector<float>& nf;
    double seuil;
    std::vector<int32_t> numero, debut, liste;
    std::vector<float> commune;  // the one sum of a position, or NaN: none

    static bool unitaire(const double s[3], float* v) {
        double l = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
        if (!(l > 0)) return false;
        v[0] = float(s[0] / l), v[1] = float(s[1] / l), v[2] = float(s[2] / l);
        return true;
    }
};

// GLU's tessellator, once per mesh; its callbacks gather whole triangles, as corner
// numbers.
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

class Tessellateur {
public:
    explicit Tessellateur(Coins& c) : t(gluNewTess()) {
        d.coins = &c;
        gluTessCallback(t, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(sommetTess));
        gluTessCallback(t, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<_GLUfuncptr>(bordTess));
        gluTessCallback(t, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(erreurTess));
        gluTessCallback(t, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(combineTess));
    }
    ~Tessellateur() { gluDeleteTess(t); }
    // The triangles of one face, three corners each.
    const std::vector<long>& decoupe(const Face& f, const float* n) {
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
    Coins c{e, {}, {}, {}, {}};
    std::vector<Face> faces;
    std::vector<int32_t> normale;  // per corner: its normal's number in the state
    c.point.reserve(e.nbCoordIndex);
    long face = 0, sommet = 0;
    const int32_t* ci = e.coordIndex;
    for (long j0 = 0, j1; j0 < e.nbCoordIndex; sommet += j1 - j0, j0 = j1 + 1) {
        bool dedans = true;
        for (j1 = j0; j1 < e.nbCoordIndex && ci[j1] != -1; ++j1)
            dedans = dedans && ci[j1] >= 0 && ci[j1] < e.nbPoints;
        long k = j1 - j0;
        if (k == 0) continue;
        if (!dedans || k < 3) {
            ++(dedans ? m.tropCourtes : m.horsBornes);
            ++face;
            continue;
        }
        faces.push_back({long(c.point.size()), k});
        c.point.insert(c.point.end(), ci + j0, ci + j1);
        for (long j = j0; j < j1; ++j) {
            long s = sommet + j - j0;
            if (couleurs) {
                c.couleur.resize(c.couleur.size() + 4);
                couleur(e, choixM.valeur(j, face, face, s), &c.couleur[c.couleur.size() - 4]);
            }
            if (e.nbNormales > 0) normale.push_back(int32_t(choixN.valeur(j, face, face, s)));
        }
        ++face;
    }

    // CLOCKWISE: each face turned round, so that it faces its outside counter-clockwise.
    if (e.ordre == CLOCKWISE)
        for (const Face& f : faces) {
            std::reverse(c.point.begin() + f.debut, c.point.begin() + f.debut + f.nb);
            if (!normale.empty())
                std::reverse(normale.begin() + f.debut, normale.begin() + f.debut + f.nb);
            for (long i = 0; couleurs && i < f.nb / 2; ++i)
                std::swap_ranges(&c.couleur[4 * (f.debut + i)], &c.couleur[4 * (f.debut + i) + 4],
                                 &c.couleur[4 * (f.debut + f.nb - 1 - i)]);
        }
    std::vector<float> nf(3 * faces.size());
    for (size_t f = 0; f < faces.size(); ++f) newell(c, faces[f], &nf[3 * f]);

    // Normals: the file's, unless it gives none or, for DEFAULT, too few.
    bool calculees = e.nbNormales == 0 || (e.liaisonNormale == DEFAULT && manquantsN > 0);
    if (!calculees) m.manquants += manquantsN;
    Lissage* lissage = calculees ? new Lissage(c, faces, nf) : nullptr;
    auto normaleCoin = [&](long f, long i, float* v) {
        if (lissage) lissage->normale(f, i, v);
        else memcpy(v, e.normales + 3 * long(normale[i]), 3 * sizeof(float));
    };

    // Triangles: a fan, or GLU's for a face that may be concave and is not convex.
    std::vector<char> decoupee(faces.size(), 0);
    long prevus = 0;
    bool decoupe = false;
    for (size_t f = 0; f < faces.size(); ++f) {
        decoupee[f] = faces[f].nb > 3 && e.typeFaces == UNKNOWN_FACE_TYPE &&
                      !convexe(c, faces[f], &nf[3 * f]);
        decoupe = decoupe || decoupee[f];
        if (!decoupee[f]) prevus += 3 * (faces[f].nb - 2);
        ++m.faces;
        m.triangles += faces[f].nb - 2;
    }
    std::vector<long> morceaux;  // the corners of the tessellated faces' triangles
    if (decoupe) {
        // The tessellator's new vertices take their normals from the corners'.
        c.normale.resize(3 * c.point.size());
        for (size_t f = 0; f < faces.size(); ++f)
            for (long i = faces[f].debut; i < faces[f].debut + faces[f].nb; ++i)
                normaleCoin(long(f), i, &c.normale[3 * i]);
        Tessellateur tess(c);
        for (size_t f = 0; f < faces.size(); ++f) {
            if (!decoupee[f]) continue;
            const std::vector<long>& t = tess.decoupe(faces[f], &nf[3 * f]);
            morceaux.insert(morceaux.end(), t.begin(), t.end());
        }
    }
    prevus += long(morceaux.size());
    m.sommets.resize(3 * prevus);
    m.normales.resize(3 * prevus);
    if (couleurs) m.couleurs.resize(4 * prevus);
    long v = 0;
    std::vector<float> n;  // the normals of one face's corners
    for (size_t f = 0; f < faces.size(); ++f) {
        if (decoupee[f]) continue;
        const Face& g = faces[f];
        n.resize(3 * g.nb);
        for (long i = 0; i < g.nb; ++i) normaleCoin(long(f), g.debut + i, &n[3 * i]);
        auto ecrit = [&](long i) {
            memcpy(&m.sommets[3 * v], c.p(g.debut + i), 3 * sizeof(float));
            memcpy(&m.normales[3 * v], &n[3 * i], 3 * sizeof(float));
            if (couleurs) memcpy(&m.couleurs[4 * v], c.c(g.debut + i), 4);
            ++v;
        };
        for (long i = 1; i + 1 < g.nb; ++i) ecrit(0), ecrit(i), ecrit(i + 1);
    }
    delete lissage;
    for (long i : morceaux) {
        memcpy(&m.sommets[3 * v], c.p(i), 3 * sizeof(float));
        memcpy(&m.normales[3 * v], c.n(i), 3 * sizeof(float));
        if (couleurs) memcpy(&m.couleurs[4 * v], c.c(i), 4);
        ++v;
    }
    return m;
}

}  // namespace vrml1
