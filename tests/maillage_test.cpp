// Meshes: one table of small meshes over the bindings, normals, hints and bad data,
// checked on the arrays the build gives; then the draw in real Mesa (culling, both
// sides, the state left as found) and the saved arrays.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "shapes/Maillage.h"
#include "tests/aide.h"

using namespace vrml1;

namespace {

// Five points: a unit square in z = 0 (0 1 2 3) and a point above the origin (4).
const float POINTS[] = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 1};
// Three materials: red, green, blue; three normals: x, y, z.
const float COULEURS[] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
const float NORMALES[] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
// The square and the triangle 0 1 4 (facing -y): a fan gives corners at coordIndex
// positions 0 1 2, 0 2 3, then 5 6 7.
const std::vector<int32_t> CARRE_TRIANGLE = {0, 1, 2, 3, -1, 0, 1, 4, -1};

struct Cas {
    const char* nom;
    char forme;  // F faces, L lines, P points
    std::function<void(EntreeMaillage&)> prepare;
    long elements, triangles;  // faces, segments or points; triangles
    const char* couleurs;      // per vertex, the material drawn ("" none: the material)
    const char* normales;      // per vertex: x y z, X Y Z (negative), d = (0,-1,1)/sqrt2
    long horsBornes, tropCourtes, manquants;
};

std::vector<int32_t> indices;  // the case's own lists, kept alive for the build
std::vector<int32_t> autres;

void liste(const int32_t*& p, long& n, const std::vector<int32_t>& v) {
    p = v.data();
    n = long(v.size());
}

const std::vector<Cas> CAS = {
    // Materials on faces; three colours for the ones that need more.
    {"material DEFAULT is OVERALL", 'F', [](EntreeMaillage&) {}, 2, 3, "", "zzzzzzYYY", 0, 0, 0},
    {"material PER_PART: one per face", 'F', [](EntreeMaillage& e) { e.liaisonMateriau = PER_PART; },
     2, 3, "000000111", "zzzzzzYYY", 0, 0, 0},
    {"material PER_FACE_INDEXED", 'F', [](EntreeMaillage& e) {
         e.liaisonMateriau = PER_FACE_INDEXED;
         autres = {2, 0};
         liste(e.materialIndex, e.nbMaterialIndex, autres);
     }, 2, 3, "222222000", "zzzzzzYYY", 0, 0, 0},
    {"material PER_VERTEX repeats the last", 'F', [](EntreeMaillage& e) { e.liaisonMateriau = PER_VERTEX; },
     2, 3, "012022222", "zzzzzzYYY", 0, 0, 4},
    {"material PER_VERTEX_INDEXED by coordIndex", 'F', [](EntreeMaillage& e) {
         e.liaisonMateriau = PER_VERTEX_INDEXED;
     }, 2, 3, "012022012", "zzzzzzYYY", 0, 0, 2},
    {"material PER_VERTEX_INDEXED by materialIndex", 'F', [](EntreeMaillage& e) {
         e.liaisonMateriau = PER_VERTEX_INDEXED;
         autres = {1, 1, 1, 1, -1, 2, 2, 0, -1};
         liste(e.materialIndex, e.nbMaterialIndex, autres);
     }, 2, 3, "111111220", "zzzzzzYYY", 0, 0, 0},
    // Normals given.
    {"normal DEFAULT, too few by coordIndex: computed", 'F', [](EntreeMaillage& e) {
         e.normales = NORMALES, e.nbNormales = 3;
     }, 2, 3, "", "zzzzzzYYY", 0, 0, 0},
    {"normal DEFAULT by normalIndex", 'F', [](EntreeMaillage& e) {
         e.normales = NORMALES, e.nbNormales = 3;
         autres = {0, 0, 0, 0, -1, 1, 1, 1, -1};
         liste(e.normalIndex, e.nbNormalIndex, autres);
     }, 2, 3, "", "xxxxxxyyy", 0, 0, 0},
    {"normal OVERALL", 'F', [](EntreeMaillage& e) {
         e.normales = NORMALES, e.nbNormales = 3, e.liaisonNormale = OVERALL;
     }, 2, 3, "", "xxxxxxxxx", 0, 0, 0},
    {"normal PER_FACE", 'F', [](EntreeMaillage& e) {
         e.normales = NORMALES, e.nbNormales = 3, e.liaisonNormale = PER_FACE;
     }, 2, 3, "", "xxxxxxyyy", 0, 0, 0},
    {"normal PER_VERTEX repeats the last", 'F', [](EntreeMaillage& e) {
         e.normales = NORMALES, e.nbNormales = 3, e.liaisonNormale = PER_VERTEX;
     }, 2, 3, "", "xyzxzzzzz", 0, 0, 4},
    // Normals computed: smooth within creaseAngle, turned round by CLOCKWISE.
    {"creaseAngle past the right angle smooths", 'F', [](EntreeMaillage& e) { e.creaseAngle = 2; },
     2, 3, "", "ddzdzzddY", 0, 0, 0},
    {"CLOCKWISE turns the faces and normals", 'F', [](EntreeMaillage& e) { e.ordre = CLOCKWISE; },
     2, 3, "", "ZZZZZZyyy", 0, 0, 0},
    // Bad data: dropped and counted.
    {"index out of range drops its face", 'F', [](EntreeMaillage& e) {
         indices = {0, 1, 2, 3, -1, 0, 1, 7, -1, -1, 2, -3, 1};
         liste(e.coordIndex, e.nbCoordIndex, indices);
     }, 1, 2, "", "zzzzzz", 2, 0, 0},
    {"short faces dropped, no final -1", 'F', [](EntreeMaillage& e) {
         indices = {0, 1, -1, 4, -1, 0, 1, 2, 3};
         liste(e.coordIndex, e.nbCoordIndex, indices);
     }, 1, 2, "", "zzzzzz", 0, 2, 0},
    // Lines: DEFAULT normals are per vertex by coordIndex; too few: unlit.
    {"lines PER_PART: one per segment", 'L', [](EntreeMaillage& e) {
         e.liaisonMateriau = PER_PART, e.normales = NORMALES, e.nbNormales = 3;
     }, 3, 0, "001122", "", 0, 0, 0},
    {"lines PER_FACE: one per polyline", 'L', [](EntreeMaillage& e) { e.liaisonMateriau = PER_FACE; },
     3, 0, "000011", "", 0, 0, 0},
    {"lines PER_VERTEX", 'L', [](EntreeMaillage& e) { e.liaisonMateriau = PER_VERTEX; },
     3, 0, "011222", "", 0, 0, 2},
    {"lines normal PER_VERTEX_INDEXED", 'L', [](EntreeMaillage& e) {
         e.normales = NORMALES, e.nbNormales = 3, e.liaisonNormale = PER_VERTEX_INDEXED;
     }, 3, 0, "", "xyyzzz", 0, 0, 2},
    {"lines drop the segments of a bad index", 'L', [](EntreeMaillage& e) {
         indices = {0, 9, 2, 3, -1, 4};
         liste(e.coordIndex, e.nbCoordIndex, indices);
     }, 1, 0, "", "", 2, 1, 0},
    // Points: from startIndex, materials and normals from there too.
    {"points PER_VERTEX from startIndex", 'P', [](EntreeMaillage& e) {
         e.startIndex = 1, e.liaisonMateriau = PER_VERTEX, e.normales = NORMALES, e.nbNormales = 3;
     }, 4, 0, "1222", "yzzz", 0, 0, 4},
    {"points past the end counted", 'P', [](EntreeMaillage& e) { e.startIndex = 3, e.numPoints = 5; },
     2, 0, "", "", 3, 0, 0},
    {"points from a negative start: none", 'P', [](EntreeMaillage& e) { e.startIndex = -1; },
     0, 0, "", "", 1, 0, 0},
};

std::string codeNormale(const float* n) {
    const float r = 1 / std::sqrt(2.0f);
    struct { char c; float x, y, z; } codes[] = {{'x', 1, 0, 0}, {'y', 0, 1, 0}, {'z', 0, 0, 1},
        {'X', -1, 0, 0}, {'Y', 0, -1, 0}, {'Z', 0, 0, -1}, {'d', 0, -r, r}};
    for (auto& c : codes)
        if (std::fabs(n[0] - c.x) + std::fabs(n[1] - c.y) + std::fabs(n[2] - c.z) < 1e-5) return {c.c};
    return "?";
}

std::string codeCouleur(const unsigned char* c) {
    return c[0] == 255 ? "0" : c[1] == 255 ? "1" : c[2] == 255 ? "2" : "?";
}

}  // namespace

TEST(Maillage, tableOfBindingsNormalsAndBadData) {
    for (const Cas& cas : CAS) {
        SCOPED_TRACE(cas.nom);
        EntreeMaillage e;
        e.points = POINTS, e.nbPoints = 5;
        e.diffuses = COULEURS, e.nbDiffuses = 3;
        indices = cas.forme == 'F' ? CARRE_TRIANGLE : std::vector<int32_t>{0, 1, 2, -1, 3, 4};
        liste(e.coordIndex, e.nbCoordIndex, indices);
        cas.prepare(e);
        Maillage m = cas.forme == 'F' ? maillageFaces(e) : cas.forme == 'L' ? maillageLignes(e)
                                                                             : maillagePoints(e);
        EXPECT_EQ(cas.forme == 'F' ? m.faces : cas.forme == 'L' ? m.segments : m.points, cas.elements);
        EXPECT_EQ(m.triangles, cas.triangles);
        std::string couleurs, normales;
        for (size_t v = 0; v < m.couleurs.size() / 4; ++v) couleurs += codeCouleur(&m.couleurs[4 * v]);
        for (size_t v = 0; v < m.normales.size() / 3; ++v) normales += codeNormale(&m.normales[3 * v]);
        EXPECT_EQ(couleurs, cas.couleurs);
        EXPECT_EQ(normales, cas.normales);
        EXPECT_EQ(m.horsBornes, cas.horsBornes);
        EXPECT_EQ(m.tropCourtes, cas.tropCourtes);
        EXPECT_EQ(m.manquants, cas.manquants);
    }
}

namespace {

// The signed area, about +z, of every triangle of a flat mesh.
std::vector<double> aires(const Maillage& m) {
    std::vector<double> a;
    for (size_t t = 0; t + 9 <= m.sommets.size(); t += 9) {
        const float* p = &m.sommets[t];
        a.push_back(((p[3] - p[0]) * (p[7] - p[1]) - (p[4] - p[1]) * (p[6] - p[0])) / 2);
    }
    return a;
}

}  // namespace

TEST(Maillage, concaveFaceTessellatedOnlyWhenFacesMayBeConcave) {
    // An L of area 3, from its inner corner's neighbour: a fan would fold over.
    const float l[] = {2, 1, 0, 1, 1, 0, 1, 2, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0};
    const std::vector<int32_t> ci = {0, 1, 2, 3, 4, 5};
    EntreeMaillage e;
    e.points = l, e.nbPoints = 6;
    e.coordIndex = ci.data(), e.nbCoordIndex = 6;
    e.typeFaces = UNKNOWN_FACE_TYPE;
    Maillage m = maillageFaces(e);
    EXPECT_EQ(m.triangles, 4);
    double somme = 0;
    for (double a : aires(m)) {
        EXPECT_GE(a, 0);  // one of them may be flat: (2,0) (1,1) (0,2) line up
        somme += a;
    }
    EXPECT_NEAR(somme, 3, 1e-6);
    e.typeFaces = CONVEX;  // as the file says: a fan
    std::vector<double> a = aires(maillageFaces(e));
    EXPECT_LT(*std::min_element(a.begin(), a.end()), 0);
}

TEST(MaillageGL, solidCullsBackFacesOthersAreTwoSidedAndStateComesBack) {
    etatInitialGL();
    // One triangle seen from behind (clockwise on screen).
    const float t[] = {0, 0, 0, 0, 0.5f, 0, 0.5f, 0, 0};
    const float n[] = {0, 0, -1, 0, 0, -1, 0, 0, -1};
    const unsigned char c[] = {255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255};
    const float base[4] = {1, 1, 1, 1};
    auto polygones = [&](int flags) {
        std::vector<GLfloat> tampon(1024);
        glFeedbackBuffer(tampon.size(), GL_3D_COLOR, tampon.data());
        glRenderMode(GL_FEEDBACK);
        solidMaillage(GL_TRIANGLES, flags, base, 3, t, n, c, 0, nullptr);
        return glRenderMode(GL_RENDER) > 0 ? 1 : 0;
    };
    GLfloat diffuse[4];
    EXPECT_EQ(polygones(MAILLAGE_SOLIDE), 0);
    EXPECT_EQ(polygones(0), 1);
    // The viewer's state is back: culling on, one-sided lighting, no colour material,
    // the diffuse colour untouched by the colour array, no array left enabled.
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
    GLint deuxFaces;
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &deuxFaces);
    EXPECT_EQ(deuxFaces, GL_FALSE);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    EXPECT_FLOAT_EQ(diffuse[0], 0.8f);
    EXPECT_FLOAT_EQ(diffuse[1], 0.8f);
    EXPECT_NO_GL_ERROR();
}

TEST(Maillage, savedOnceForEachDistinctVertexWithItsIndices) {
    EntreeMaillage e;
    e.points = POINTS, e.nbPoints = 5;
    e.coordIndex = CARRE_TRIANGLE.data(), e.nbCoordIndex = 4;  // the square alone
    Maillage m = maillageFaces(e);
    std::string texte;
    {
        char* tampon = nullptr;
        size_t taille = 0;
        FILE* out = open_memstream(&tampon, &taille);
        m.exporteTableaux(out, "p_");
        m.exporteAppel(out, "p_");
        fclose(out);
        texte.assign(tampon, taille);
        free(tampon);
    }
    EXPECT_NE(texte.find("static const float p_s[] = {\n  0.f,0.f,0.f,1.f,0.f,0.f,1.f,1.f,0.f,0.f,1.f,0.f };"),
              std::string::npos) << texte;
    EXPECT_NE(texte.find("static const unsigned int p_i[] = {\n  0,1,2,0,2,3 };"), std::string::npos);
    EXPECT_NE(texte.find("solidMaillage(GL_TRIANGLES,0,p_b,4,p_s,p_n,nullptr,6,p_i);"), std::string::npos);
}
