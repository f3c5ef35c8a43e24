// IndexedLineSet and PointSet: segments and points with their normals and colours.
// Without normals (or, for DEFAULT lines, with too few) they are drawn unlit.
#include <GL/gl.h>

#include <cstring>

#include "shapes/Liaisons.h"
#include "shapes/Maillage.h"

namespace vrml1 {
namespace {

// Appends one vertex: point p, the normal of index n (or none: n < 0), the colour of
// material c (or none: c < 0).
void ajoute(Maillage& m, const EntreeMaillage& e, long p, long n, long c) {
    m.sommets.insert(m.sommets.end(), e.points + 3 * p, e.points + 3 * p + 3);
    if (n >= 0) m.normales.insert(m.normales.end(), e.normales + 3 * n, e.normales + 3 * n + 3);
    if (c >= 0) {
        unsigned char octets[4];
        couleur(e, c, octets);
        m.couleurs.insert(m.couleurs.end(), octets, octets + 4);
    }
}

}  // namespace

Maillage maillageLignes(const EntreeMaillage& e) {
    Maillage m;
    m.primitive = GL_LINES;
    couleurBase(e, m.base);
    const bool couleurs = plusieursCouleurs(e);
    long manquantsN = 0;
    Choix choixN(resous(e.liaisonNormale, PER_VERTEX_INDEXED), e.normalIndex, e.nbNormalIndex,
                 e.coordIndex, e.nbNormales, &manquantsN);
    Choix choixM(resous(e.liaisonMateriau, OVERALL), e.materialIndex, e.nbMaterialIndex,
                 e.coordIndex, nbMateriaux(e), &m.manquants);
    // DEFAULT asks for a normal per vertex: with too few, the lines are drawn unlit.
    bool eclaire = e.nbNormales > 0;
    const int32_t* ci = e.coordIndex;
    auto dedans = [&](long j) { return ci[j] >= 0 && ci[j] < e.nbPoints; };
    for (int passe = eclaire ? 0 : 1; passe < 2; ++passe) {
        if (passe == 1) {  // the second pass starts afresh
            m.sommets.clear(), m.normales.clear(), m.couleurs.clear();
            m.segments = m.horsBornes = m.tropCourtes = m.manquants = 0;
        }
        long ligne = 0, segment = 0, sommet = 0;
        for (long j0 = 0, j1; j0 < e.nbCoordIndex; sommet += j1 - j0, j0 = j1 + 1) {
            for (j1 = j0; j1 < e.nbCoordIndex && ci[j1] != -1;) ++j1;
            if (j1 - j0 == 1) ++m.tropCourtes;
            for (long j = j0; j + 1 < j1; ++j, ++segment) {
                if (!dedans(j) || !dedans(j + 1)) {
                    ++m.horsBornes;
                    continue;
                }
                for (long k = j; k <= j + 1; ++k) {
                    long s = sommet + k - j0;
                    ajoute(m, e, ci[k], eclaire ? choixN.valeur(k, ligne, segment, s) : -1,
                           couleurs ? choixM.valeur(k, ligne, segment, s) : -1);
                }
                ++m.segments;
            }
            if (j1 > j0) ++ligne;
        }
        if (!eclaire || e.liaisonNormale != DEFAULT || manquantsN == 0) break;
        eclaire = false;  // DEFAULT with too few normals: again, unlit
        manquantsN = 0;
    }
    m.manquants += manquantsN;
    m.ajuste();
    return m;
}

Maillage maillagePoints(const EntreeMaillage& e) {
    Maillage m;
    m.primitive = GL_POINTS;
    couleurBase(e, m.base);
    // Every binding but OVERALL gives one value per point, from startIndex on.
    auto parPoint = [](int l, int parDefaut) {
        l = resous(l, parDefaut);
        return l == OVERALL ? OVERALL : PER_VERTEX;
    };
    Choix choixN(parPoint(e.liaisonNormale, PER_VERTEX), nullptr, 0, nullptr, e.nbNormales, &m.manquants);
    Choix choixM(parPoint(e.liaisonMateriau, OVERALL), nullptr, 0, nullptr, nbMateriaux(e), &m.manquants);
    const bool couleurs = plusieursCouleurs(e);
    long debut = e.startIndex;
    long fin = e.numPoints < 0 ? e.nbPoints : debut + e.numPoints;
    if (debut < 0 || debut > e.nbPoints) {
        m.horsBornes = e.numPoints < 0 ? 1 : e.numPoints;
        return m;
    }
    if (fin > e.nbPoints) {
        m.horsBornes = fin - e.nbPoints;
        fin = e.nbPoints;
    }
    m.sommets.reserve(3 * (fin - debut));
    for (long p = debut; p < fin; ++p) {
        ajoute(m, e, p, e.nbNormales > 0 ? choixN.valeur(0, 0, p, p) : -1,
               couleurs ? choixM.valeur(0, 0, p, p) : -1);
        ++m.points;
    }
    m.ajuste();
    return m;
}

}  // namespace vrml1
