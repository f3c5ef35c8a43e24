// IndexedFaceSet: faces from coordIndex, their normals (given, or Newell's and smoothed
// within creaseAngle), their colours, then triangles: a fan for a convex face, GLU's
// tessellator for a face that faceType UNKNOWN_FACE_TYPE allows to be concave.
#include <GL/gl.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "shapes/Coins.h"
#include "shapes/Liaisons.h"

namespace vrml1 {
namespace {

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
    Brut<Face> faces;
    std::vector<int32_t> normale;  // per corner: its normal's number in the state
    c.point.reserve(e.nbCoordIndex);
    faces.reserve((e.nbCoordIndex + 1) / 4 + 1);  // a face kept takes 3 indices and a -1
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
        if (c.point.size() + k > size_t(INT32_MAX)) break;  // past 8 GB of indices
        faces.push_back({int32_t(c.point.size()), int32_t(k)});
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
    Brut<float> nf(3 * faces.size());
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
