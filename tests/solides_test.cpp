// The four solid primitives as real Mesa receives them. Feedback mode gives back every
// triangle in window coordinates; a viewport of 2^13 pixels centred on the origin and
// identity matrices make those coordinates the object coordinates times 4096, bit for
// bit, so the vertices can be compared exactly with the documented formulas (6.28318,
// float or double where it matters). Then: winding seen from outside, the seam, the
// discs, and pixels from the six axis directions with back faces culled.
#include <malloc.h>

#include <array>
#include <cmath>
#include <functional>
#include <set>
#include <tuple>
#include <vector>

#include "scene/Noeud.h"
#include "shapes/Solides.h"
#include "tests/aide.h"

namespace {

struct Point {
    float x, y, z;
};
using Triangle = std::array<Point, 3>;
using Cle = std::tuple<float, float, float>;

const int COTE = 8192;  // feedback viewport, a power of two centred on the origin

// Feedback of one drawing: the window x of every vertex of every triangle.
std::vector<float> retour(const std::function<void()>& dessin) {
    std::vector<GLfloat> tampon(1 << 20);
    glFeedbackBuffer(tampon.size(), GL_2D, tampon.data());
    glRenderMode(GL_FEEDBACK);
    dessin();
    int n = glRenderMode(GL_RENDER);
    EXPECT_GE(n, 0) << "feedback buffer too small";
    std::vector<float> x;
    for (int i = 0; i < n;) {
        EXPECT_EQ(tampon[i], GL_POLYGON_TOKEN) << "at " << i;
        if (tampon[i] != GL_POLYGON_TOKEN) break;
        int sommets = tampon[i + 1];
        EXPECT_EQ(sommets, 3);
        for (int k = 0; k < sommets; ++k) x.push_back(tampon[i + 2 + 2 * k] / (COTE / 2));
        i += 2 + 2 * sommets;
    }
    return x;
}

// Every triangle that the drawing sends, in object coordinates. Window x is exact
// (window y goes through a flip with the window's height), so three passes: the
// identity, then the cyclic permutations that bring z and y to x. Both keep the
// winding, so the triangles come in the same order with the same first vertex.
std::vector<Triangle> triangles(const std::function<void()>& dessin) {
    glDisable(GL_CULL_FACE);
    glViewport(-COTE / 2, -COTE / 2, COTE, COTE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<float> x = retour(dessin);
    const GLfloat zVersX[16] = {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    glLoadMatrixf(zVersX);
    std::vector<float> z = retour(dessin);
    const GLfloat yVersX[16] = {0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    glLoadMatrixf(yVersX);
    std::vector<float> y = retour(dessin);
    glLoadIdentity();
    glViewport(0, 0, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    EXPECT_EQ(x.size(), y.size());
    EXPECT_EQ(x.size(), z.size());
    std::vector<Triangle> t(x.size() / 3);
    for (size_t i = 0; i < x.size() && i < y.size() && i < z.size(); ++i)
        t[i / 3][i % 3] = {x[i], y[i], z[i]};
    return t;
}

std::set<Cle> sommets(const std::vector<Triangle>& t) {
    std::set<Cle> s;
    for (const Triangle& tr : t)
        for (const Point& p : tr) s.insert({p.x, p.y, p.z});
    return s;
}

// Twice the area vector of a triangle, in the order its vertices come.
Point normale(const Triangle& t) {
    double ux = t[1].x - t[0].x, uy = t[1].y - t[0].y, uz = t[1].z - t[0].z;
    double vx = t[2].x - t[0].x, vy = t[2].y - t[0].y, vz = t[2].z - t[0].z;
    return {float(uy * vz - uz * vy), float(uz * vx - ux * vz), float(ux * vy - uy * vx)};
}

double longueur(const Point& p) { return std::sqrt(double(p.x) * p.x + double(p.y) * p.y + double(p.z) * p.z); }

// Every triangle that is not degenerate (the apex, the poles) faces away from the
// centre of the solid: counter-clockwise seen from outside. Returns how many did.
int tousVersLExterieur(const std::vector<Triangle>& t, const char* quoi, int n) {
    int vus = 0, inverses = 0, premier = -1;
    for (size_t i = 0; i < t.size(); ++i) {
        Point m = normale(t[i]);
        if (longueur(m) < 1e-9) continue;
        double gx = t[i][0].x + t[i][1].x + t[i][2].x, gy = t[i][0].y + t[i][1].y + t[i][2].y,
               gz = t[i][0].z + t[i][1].z + t[i][2].z;
        if (m.x * gx + m.y * gy + m.z * gz > 0) {
            ++vus;
        } else if (inverses++ == 0) {
            premier = i;
        }
    }
    EXPECT_EQ(inverses, 0) << quoi << " n=" << n << ": first inward triangle " << premier;
    return vus;
}

// The angle tables as the cone and the cylinder build them: the angle formed in
// double, rounded to float, then cos and sin.
void tablesDouble(int n, std::vector<float>& c, std::vector<float>& s) {
    c.resize(n);
    s.resize(n);
    for (int i = 0; i < n; ++i) {
        float angle = i * 6.28318 / n;
        c[i] = std::cos(double(angle));
        s[i] = std::sin(double(angle));
    }
}

// The box's grid points as the face grid forms them, all in float.
std::set<Cle> grilleCube(float w, float h, float d, int n) {
    float a = w * 0.5f, b = h * 0.5f, c = d * 0.5f;
    const float coins[8][3] = {{+a, +b, -c}, {+a, -b, -c}, {-a, -b, -c}, {-a, +b, -c},
                               {+a, +b, +c}, {+a, -b, +c}, {-a, -b, +c}, {-a, +b, +c}};
    const int faces[6][4] = {{0, 1, 2, 3}, {7, 6, 5, 4}, {5, 6, 2, 1},
                             {0, 3, 7, 4}, {6, 7, 3, 2}, {4, 5, 1, 0}};
    std::set<Cle> points;
    float fn = n;
    for (const auto& f : faces)
        for (int s = 0; s <= n; ++s)
            for (int j = 0; j <= n; ++j) {
                float g[3];
                for (int x = 0; x < 3; ++x) {
                    const float *p0 = coins[f[0]], *p1 = coins[f[1]], *p2 = coins[f[2]],
                                *p3 = coins[f[3]];
                    float as = p0[x] + (s / fn) * (p1[x] - p0[x]);
                    float cs = p3[x] + (s / fn) * (p2[x] - p3[x]);
                    g[x] = as + (j / fn) * (cs - as);
                }
                points.insert({g[0], g[1], g[2]});
            }
    return points;
}

const int COMPTES[] = {3, 4, 72};

}  // namespace

TEST(Solides, cylinderVerticesMatchTheFormulasBitForBit) {
    etatInitialGL();
    const float r = 0.5f, h = 1.5f;
    for (int n : {3, 4}) {
        std::vector<float> c, s;
        tablesDouble(n, c, s);
        std::set<Cle> cote, haut, bas;
        for (int i = 0; i <= n; ++i)
            for (int k = 0; k < n; ++k) cote.insert({r * c[k], h / 2 - i * h / n, -r * s[k]});
        for (int k = 0; k < n; ++k) {
            haut.insert({r * c[k], h / 2, -r * s[k]});
            bas.insert({r * c[k], -h / 2, r * s[k]});
        }
        // n bands of n+1 pairs, each pair two triangles. The last pair reads column 0
        // again: with 6.28318 computed afresh there would be n+1 extra points.
        auto t = triangles([&] { solidCylindre(r, h, n, SIDES); });
        EXPECT_EQ(t.size(), size_t(2 * n * n));
        EXPECT_EQ(sommets(t), cote) << "n=" << n;
        t = triangles([&] { solidCylindre(r, h, n, TOP); });
        EXPECT_EQ(t.size(), size_t(n - 2));
        EXPECT_EQ(sommets(t), haut) << "n=" << n;
        t = triangles([&] { solidCylindre(r, h, n, BOTTOM); });
        EXPECT_EQ(sommets(t), bas) << "n=" << n;
    }
    // 6.28318, not 2*pi: the column at 120 degrees is not quite -0.5.
    std::vector<float> c, s;
    tablesDouble(3, c, s);
    EXPECT_NE(c[1], -0.5f);
    EXPECT_NEAR(c[1], -0.4999984f, 1e-7);
    EXPECT_NO_GL_ERROR();
}

TEST(Solides, coneVerticesAndNormalMatchTheFormulas) {
    etatInitialGL();
    const float r = 0.5f, h = 1.5f;
    for (int n : {3, 4}) {
        std::vector<float> c, s;
        tablesDouble(n, c, s);
        std::set<Cle> cote, bas;
        for (int i = 0; i <= n; ++i)
            for (int k = 0; k < n; ++k)
                cote.insert({i * r * c[k] / n, h / 2 - i * h / n, -i * r * s[k] / n});
        for (int k = 0; k < n; ++k) bas.insert({r * c[k], -h / 2, r * s[k]});
        auto t = triangles([&] { solidCone(r, h, n, SIDES); });
        EXPECT_EQ(t.size(), size_t(2 * n * n));
        EXPECT_EQ(sommets(t), cote) << "n=" << n;
        // The side's last normal is the one of column 0: (h/L, r/L, 0), L by pow.
        float l = std::pow(r * r + h * h, 0.5);
        GLfloat nrm[4];
        glGetFloatv(GL_CURRENT_NORMAL, nrm);
        EXPECT_EQ(nrm[0], h * c[0] / l);
        EXPECT_EQ(nrm[1], r / l);
        EXPECT_EQ(nrm[2], -h * s[0] / l);
        t = triangles([&] { solidCone(r, h, n, BOTTOM); });
        EXPECT_EQ(t.size(), size_t(n - 2));
        EXPECT_EQ(sommets(t), bas) << "n=" << n;
    }
    EXPECT_NO_GL_ERROR();
}

TEST(Solides, sphereVerticesAreTheirOwnNormalsAndMatchTheFormulas) {
    etatInitialGL();
    const float rayon = 0.75f;
    for (int n : {3, 4}) {
        // The sphere's angles are all formed in single precision.
        std::vector<float> c(n), s(n);
        for (int i = 0; i < n; ++i) {
            float angle = i * 6.28318f / float(n);
            c[i] = std::cos(double(angle));
            s[i] = std::sin(double(angle));
        }
        // The upper ring of band i is phi_i + delta, not phi_(i+1) formed afresh.
        std::set<Cle> attendus;
        for (int i = 0; i < n; ++i) {
            float phi0 = i * 3.14159f / n - 1.570795f;
            float phi1 = phi0 + 3.14159f / n;
            for (float phi : {phi0, phi1}) {
                float rho = rayon * std::cos(double(phi)), z = rayon * std::sin(double(phi));
                for (int k = 0; k < n; ++k) attendus.insert({rho * c[k], rho * s[k], z});
            }
        }
        auto t = triangles([&] { solidSphere(rayon, n); });
        EXPECT_EQ(t.size(), size_t(2 * n * n));
        EXPECT_EQ(sommets(t), attendus) << "n=" << n;
        // The last vertex given is q of the last band at column 0, and its normal is
        // the position itself, of length R (GL_NORMALIZE makes it a unit vector).
        float phi = (n - 1) * 3.14159f / n - 1.570795f;
        float rhoQ = rayon * std::cos(double(phi)), zQ = rayon * std::sin(double(phi));
        GLfloat nrm[4];
        glGetFloatv(GL_CURRENT_NORMAL, nrm);
        EXPECT_EQ(nrm[0], rhoQ * c[0]);
        EXPECT_EQ(nrm[1], rhoQ * s[0]);
        EXPECT_EQ(nrm[2], zQ);
    }
    EXPECT_NO_GL_ERROR();
}

TEST(Solides, cubeFacesAreGridsOverTheirCorners) {
    etatInitialGL();
    for (int n : {3, 4}) {
        auto t = triangles([&] { solidCube(0.5f, 1.0f, 1.5f, n); });
        EXPECT_EQ(t.size(), size_t(6 * n * n * 2));
        // Each face an (n+1) x (n+1) grid over its own corners, in float: points
        // of an edge shared by two faces may differ in the last bit.
        EXPECT_EQ(sommets(t), grilleCube(0.5f, 1.0f, 1.5f, n)) << "n=" << n;
        float mini[3] = {9, 9, 9}, maxi[3] = {-9, -9, -9};
        for (const Cle& p : sommets(t)) {
            float v[3] = {std::get<0>(p), std::get<1>(p), std::get<2>(p)};
            for (int a = 0; a < 3; ++a) mini[a] = std::min(mini[a], v[a]), maxi[a] = std::max(maxi[a], v[a]);
        }
        EXPECT_EQ(mini[0], -0.25f);
        EXPECT_EQ(maxi[0], 0.25f);
        EXPECT_EQ(mini[1], -0.5f);
        EXPECT_EQ(maxi[1], 0.5f);
        EXPECT_EQ(mini[2], -0.75f);
        EXPECT_EQ(maxi[2], 0.75f);
    }
    // The last face is +x; its normal stays current.
    GLfloat nrm[4];
    glGetFloatv(GL_CURRENT_NORMAL, nrm);
    EXPECT_EQ(nrm[0], 1.0f);
    EXPECT_EQ(nrm[1], 0.0f);
    EXPECT_EQ(nrm[2], 0.0f);
    // Two boxes in one drawing keep their own sizes.
    auto t = triangles([] {
        solidCube(0.5f, 0.5f, 0.5f, 3);
        solidCube(1.5f, 1.0f, 0.5f, 3);
    });
    ASSERT_EQ(t.size(), size_t(2 * 108));
    float maxX[2] = {0, 0};
    for (size_t i = 0; i < t.size(); ++i)
        for (const Point& p : t[i]) maxX[i / 108] = std::max(maxX[i / 108], p.x);
    EXPECT_EQ(maxX[0], 0.25f);
    EXPECT_EQ(maxX[1], 0.75f);
    EXPECT_NO_GL_ERROR();
}

TEST(Solides, everyTriangleIsCounterClockwiseSeenFromOutside) {
    etatInitialGL();
    for (int n : COMPTES) {
        auto t = triangles([&] { solidCube(0.5f, 1.0f, 1.5f, n); });
        EXPECT_EQ(tousVersLExterieur(t, "cube", n), 12 * n * n);
        t = triangles([&] { solidSphere(0.75f, n); });
        EXPECT_GE(tousVersLExterieur(t, "sphere", n), 2 * n * n - 2 * n);
        t = triangles([&] { solidCylindre(0.5f, 1.5f, n, SIDES | TOP | BOTTOM); });
        EXPECT_EQ(tousVersLExterieur(t, "cylinder", n), 2 * n * n + 2 * (n - 2));
        // Band 0 of the cone starts at the apex: half its triangles are degenerate.
        t = triangles([&] { solidCone(0.5f, 1.5f, n, SIDES | BOTTOM); });
        EXPECT_EQ(tousVersLExterieur(t, "cone", n), 2 * n * n - n + (n - 2));
    }
    EXPECT_NO_GL_ERROR();
}

TEST(Solides, discsFaceAlongTheAxisAndComeAfterTheSide) {
    etatInitialGL();
    for (int n : COMPTES) {
        auto axeY = [](const std::vector<Triangle>& t) {
            std::vector<int> signes;
            for (const Triangle& tr : t) {
                Point m = normale(tr);
                signes.push_back(std::fabs(m.x) + std::fabs(m.z) < 1e-6 ? (m.y > 0 ? 1 : -1) : 0);
            }
            return signes;
        };
        // Side, then top (facing up), then bottom (facing down).
        auto s = axeY(triangles([&] { solidCylindre(0.5f, 1.5f, n, 7); }));
        ASSERT_EQ(s.size(), size_t(2 * n * n + 2 * (n - 2)));
        for (int i = 0; i < 2 * n * n; ++i) EXPECT_EQ(s[i], 0) << "n=" << n << " i=" << i;
        for (int i = 0; i < n - 2; ++i) EXPECT_EQ(s[2 * n * n + i], 1);
        for (int i = 0; i < n - 2; ++i) EXPECT_EQ(s[2 * n * n + n - 2 + i], -1);
        EXPECT_EQ(axeY(triangles([&] { solidCylindre(0.5f, 1.5f, n, TOP); })),
                  std::vector<int>(n - 2, 1));
        EXPECT_EQ(axeY(triangles([&] { solidCone(0.5f, 1.5f, n, BOTTOM); })),
                  std::vector<int>(n - 2, -1));
        // A cone has no top; flags 0 draw nothing and leave the matrix stack as it was.
        EXPECT_TRUE(triangles([&] { solidCone(0.5f, 1.5f, n, TOP); }).empty());
        GLint avant, apres;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &avant);
        EXPECT_TRUE(triangles([&] { solidCone(0.5f, 1.5f, n, 0); }).empty());
        EXPECT_TRUE(triangles([&] { solidCylindre(0.5f, 1.5f, n, 0); }).empty());
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &apres);
        EXPECT_EQ(avant, apres);
    }
    EXPECT_NO_GL_ERROR();
}

namespace {

// Rotations that bring each axis direction to the viewer (+z), as exact permutations
// of determinant +1, column-major.
const GLfloat VERS_PLUS_Z[6][16] = {
    {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},    // from +z
    {-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1},  // from -z
    {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1},   // from +x
    {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1},   // from -x
    {1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1},   // from +y
    {1, 0, 0, 0, 0, 0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1},   // from -y
};
const char* const DIRECTIONS[6] = {"+z", "-z", "+x", "-x", "+y", "-y"};

// Grey level at the centre of the window after drawing, lit by the head lamp only,
// back faces culled, the viewer looking down -z.
float centre(const std::function<void()>& dessin, int direction) {
    etatInitialGL();
    glViewport(0, 0, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    const GLfloat lampe[4] = {0, 0, 1, 0}, blanc[4] = {1, 1, 1, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, lampe);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, blanc);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(VERS_PLUS_Z[direction]);
    dessin();
    glFinish();
    GLubyte pixel[4];
    glReadBuffer(GL_BACK);
    glReadPixels(glutGet(GLUT_WINDOW_WIDTH) / 2, glutGet(GLUT_WINDOW_HEIGHT) / 2, 1, 1, GL_RGBA,
                 GL_UNSIGNED_BYTE, pixel);
    return pixel[1] / 255.0f;
}

}  // namespace

// With culling on, the near side must be what shows, lit by the head lamp: 0.84 for a
// face seen head-on, no less than 0.39 for the slanted faces of n = 3 (a cone's side
// seen from above: 0.8 r/L + 0.04). Reversed winding would show the far side, whose
// outward normal faces away (0.04 ambient only); reversed normals would be as dark.
TEST(Solides, everySolidIsSeenFromOutsideFromTheSixAxes) {
    for (int n : {3, 72}) {
        for (int d = 0; d < 6; ++d) {
            EXPECT_GT(centre([&] { solidCube(1, 1, 1, n); }, d), 0.8f)
                << "cube n=" << n << " from " << DIRECTIONS[d];
            EXPECT_GT(centre([&] { solidSphere(0.75f, n); }, d), 0.25f)
                << "sphere n=" << n << " from " << DIRECTIONS[d];
            EXPECT_GT(centre([&] { solidCylindre(0.5f, 1.0f, n, 7); }, d), 0.25f)
                << "cylinder n=" << n << " from " << DIRECTIONS[d];
            EXPECT_GT(centre([&] { solidCone(0.5f, 1.0f, n, 3); }, d), 0.25f)
                << "cone n=" << n << " from " << DIRECTIONS[d];
        }
        // A lone disc shows from its own side only.
        EXPECT_GT(centre([&] { solidCylindre(0.5f, 1.0f, n, BOTTOM); }, 5), 0.8f);
        EXPECT_EQ(centre([&] { solidCylindre(0.5f, 1.0f, n, BOTTOM); }, 4), 0.0f);
        EXPECT_GT(centre([&] { solidCylindre(0.5f, 1.0f, n, TOP); }, 4), 0.8f);
        EXPECT_EQ(centre([&] { solidCylindre(0.5f, 1.0f, n, TOP); }, 5), 0.0f);
        EXPECT_GT(centre([&] { solidCone(0.5f, 1.0f, n, BOTTOM); }, 5), 0.8f);
        EXPECT_EQ(centre([&] { solidCone(0.5f, 1.0f, n, BOTTOM); }, 4), 0.0f);
        // An open tube seen down its axis shows nothing.
        EXPECT_EQ(centre([&] { solidCylindre(0.5f, 1.0f, n, SIDES); }, 4), 0.0f);
    }
    EXPECT_NO_GL_ERROR();
}

// The angle tables are freed within each call: drawing many times leaves the heap
// as it was, but for Mesa's own small changes. One table kept per call would be
// 100 x 3 x 288 bytes.
TEST(Solides, repeatedDrawingKeepsNoMemory) {
    etatInitialGL();
    glViewport(0, 0, 1, 1);  // the vertices are what matters, not the pixels
    auto dessin = [] {
        solidCone(0.5f, 1, 72, 3);
        solidCylindre(0.5f, 1, 72, 7);
        solidSphere(0.5f, 72);
        glFinish();
    };
    for (int i = 0; i < 5; ++i) dessin();
    size_t avant = mallinfo2().uordblks;
    for (int i = 0; i < 100; ++i) dessin();
    size_t apres = mallinfo2().uordblks;
    EXPECT_LT(static_cast<long>(apres) - static_cast<long>(avant), 16 * 1024);
    glViewport(0, 0, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    EXPECT_NO_GL_ERROR();
}

TEST(DecoupeParties, splitsAtEveryBarAndKeepsEmptyPieces) {
    struct Cas {
        const char* texte;
        std::vector<std::string> pieces;
    } cas[] = {
        {"ALL", {"ALL"}},
        {"SIDES|BOTTOM", {"SIDES", "BOTTOM"}},
        {"", {""}},
        {"SIDES|", {"SIDES", ""}},
        {"|TOP||x", {"", "TOP", "", "x"}},
        {"(SIDES|BOTTOM)", {"(SIDES", "BOTTOM)"}},
        {" a |b c", {" a ", "b c"}},
    };
    for (const Cas& c : cas) {
        int nombre = -1;
        char** pieces = decoupeParties(c.texte, &nombre);
        ASSERT_EQ(nombre, int(c.pieces.size())) << c.texte;
        for (int m = 0; m < nombre; ++m) {
            EXPECT_EQ(pieces[m], c.pieces[m]) << c.texte;
            free(pieces[m]);
        }
        free(pieces);
    }
}

TEST(DrapeauxParties, keywordsSetTheirBitsAndNothingElseDoes) {
    const int CONE = SIDES | BOTTOM, CYLINDRE = SIDES | BOTTOM | TOP;
    EXPECT_EQ(drapeauxParties("ALL", CONE), 3);
    EXPECT_EQ(drapeauxParties("ALL", CYLINDRE), 7);
    EXPECT_EQ(drapeauxParties("SIDES|TOP", CONE), 1);
    EXPECT_EQ(drapeauxParties("BOTTOM|TOP", CYLINDRE), 6);
    EXPECT_EQ(drapeauxParties("ALL|SIDES", CONE), 3);
    EXPECT_EQ(drapeauxParties("(SIDES|BOTTOM)", CYLINDRE), 0);
    EXPECT_EQ(drapeauxParties("all", CYLINDRE), 0);
    EXPECT_EQ(drapeauxParties("(", CONE), 0);
    EXPECT_EQ(drapeauxParties("", CONE), 0);
}
