// The four solid primitives as real Mesa receives them. Feedback mode gives back every
// triangle in window coordinates; a viewport of 2^13 pixels centred on the origin and
// identity matrices make those coordinates the object coordinates times 4096, bit for
// bit, so the vertices are checked exactly: by the shape's properties and by a few
// values worked out by hand (6.28318, not 2 pi). Then: winding seen from outside, the
// seam, the discs, and pixels from the six axis directions with back faces culled.
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

// Distance of a point from the y axis, and from the origin.
double horsAxeY(const Cle& p) { return std::hypot(std::get<0>(p), std::get<2>(p)); }
double horsCentre(const Cle& p) {
    return std::sqrt(double(std::get<0>(p)) * std::get<0>(p) +
                     double(std::get<1>(p)) * std::get<1>(p) +
                     double(std::get<2>(p)) * std::get<2>(p));
}

// The heights (y) that the points take.
std::set<float> hauteurs(const std::set<Cle>& points) {
    std::set<float> y;
    for (const Cle& p : points) y.insert(std::get<1>(p));
    return y;
}

// The points at height y; mirrored in z when miroir is set (a bottom disc runs the
// other way round from the side's bottom ring, so that it faces down).
std::set<Cle> anneau(const std::set<Cle>& points, float y, bool miroir = false) {
    std::set<Cle> a;
    for (const Cle& p : points)
        if (std::get<1>(p) == y)
            a.insert({std::get<0>(p), y, miroir ? -std::get<2>(p) : std::get<2>(p)});
    return a;
}

bool contient(const std::set<Cle>& points, float x, float y, float z) {
    return points.count({x, y, z}) == 1;
}

// Heights of the rows of a solid of height 1.5 centred on the origin, for n = 3 and 4:
// exact in float.
const std::set<float> RANGEES_3 = {-0.75f, -0.25f, 0.25f, 0.75f};
const std::set<float> RANGEES_4 = {-0.75f, -0.375f, 0.0f, 0.375f, 0.75f};

const int COMPTES[] = {3, 4, 72};

}  // namespace

TEST(Solides, cylinderIsATubeOfBandsWithItsSeamClosedAndTwoDiscs) {
    etatInitialGL();
    const float r = 0.5f, h = 1.5f;
    for (int n : {3, 4}) {
        auto t = triangles([&] { solidCylindre(r, h, n, SIDES); });
        EXPECT_EQ(t.size(), size_t(2 * n * n));
        // n columns of n + 1 rows: the last pair of each band reads column 0 again
        // (with the angle formed afresh there would be n + 1 more points).
        std::set<Cle> cote = sommets(t);
        EXPECT_EQ(cote.size(), size_t(n * (n + 1))) << "n=" << n;
        EXPECT_EQ(hauteurs(cote), n == 3 ? RANGEES_3 : RANGEES_4);
        for (const Cle& p : cote) EXPECT_NEAR(horsAxeY(p), r, 1e-6) << "n=" << n;
        // The discs: n - 2 triangles over the side's rim at their height.
        t = triangles([&] { solidCylindre(r, h, n, TOP); });
        EXPECT_EQ(t.size(), size_t(n - 2));
        EXPECT_EQ(sommets(t), anneau(cote, h / 2)) << "n=" << n;
        t = triangles([&] { solidCylindre(r, h, n, BOTTOM); });
        EXPECT_EQ(t.size(), size_t(n - 2));
        EXPECT_EQ(sommets(t), anneau(cote, -h / 2, true)) << "n=" << n;
    }
    // Worked out by hand: column 1 of 3 is at 6.28318 / 3 radians, rounded to a
    // float; with 2 pi its x would be -0.25 exactly.
    std::set<Cle> cote = sommets(triangles([&] { solidCylindre(r, h, 3, SIDES); }));
    EXPECT_TRUE(contient(cote, -0.249999195f, 0.25f, -0.433013171f));
    EXPECT_TRUE(contient(cote, 0.5f, 0.75f, 0.0f));
    EXPECT_FALSE(contient(cote, -0.25f, 0.25f, -0.433013171f));
    EXPECT_NO_GL_ERROR();
}

TEST(Solides, coneNarrowsToItsApexAndKeepsItsSideNormal) {
    etatInitialGL();
    const float r = 0.5f, h = 1.5f;
    for (int n : {3, 4}) {
        auto t = triangles([&] { solidCone(r, h, n, SIDES); });
        EXPECT_EQ(t.size(), size_t(2 * n * n));
        // Row i of n is i/n of the way from the apex to the rim.
        std::set<Cle> cote = sommets(t);
        EXPECT_EQ(cote.size(), size_t(1 + n * n)) << "n=" << n;  // one apex
        EXPECT_EQ(hauteurs(cote), n == 3 ? RANGEES_3 : RANGEES_4);
        for (const Cle& p : cote)
            EXPECT_NEAR(horsAxeY(p), r * (h / 2 - std::get<1>(p)) / h, 1e-6) << "n=" << n;
        EXPECT_TRUE(contient(cote, 0, h / 2, 0));
        // The side's last normal is the one of column 0, (h, r, 0) / sqrt(r^2 + h^2).
        GLfloat nrm[4];
        glGetFloatv(GL_CURRENT_NORMAL, nrm);
        EXPECT_NEAR(nrm[0], 0.948683262f, 1e-7);
        EXPECT_NEAR(nrm[1], 0.316227764f, 1e-7);
        EXPECT_EQ(nrm[2], 0.0f);
        // The bottom disc: n points on the rim (the side's rim, formed another way,
        // may differ in the last bit).
        t = triangles([&] { solidCone(r, h, n, BOTTOM); });
        EXPECT_EQ(t.size(), size_t(n - 2));
        std::set<Cle> bas = sommets(t);
        EXPECT_EQ(bas.size(), size_t(n));
        EXPECT_EQ(hauteurs(bas), std::set<float>{-h / 2});
        for (const Cle& p : bas) EXPECT_NEAR(horsAxeY(p), r, 1e-6);
        EXPECT_TRUE(contient(bas, r, -h / 2, 0));
    }
    EXPECT_NO_GL_ERROR();
}

TEST(Solides, sphereVerticesLieOnItAndAreTheirOwnNormals) {
    etatInitialGL();
    const float rayon = 0.75f;
    for (int n : {3, 4}) {
        auto t = triangles([&] { solidSphere(rayon, n); });
        EXPECT_EQ(t.size(), size_t(2 * n * n));
        std::set<Cle> points = sommets(t);
        float zMin = 1, zMax = -1;
        for (const Cle& p : points) {
            EXPECT_NEAR(horsCentre(p), rayon, 1e-6) << "n=" << n;
            zMin = std::min(zMin, std::get<2>(p)), zMax = std::max(zMax, std::get<2>(p));
        }
        // From pole to pole along z (3.14159 and 1.570795 fall short of pi by 3e-6).
        EXPECT_NEAR(zMin, -rayon, 1e-5);
        EXPECT_NEAR(zMax, rayon, 1e-5);
        // The last vertex given is column 0 of the last band's lower ring, and its
        // normal is the position itself, of length R (GL_NORMALIZE makes it unit).
        GLfloat nrm[4];
        glGetFloatv(GL_CURRENT_NORMAL, nrm);
        EXPECT_TRUE(contient(points, nrm[0], nrm[1], nrm[2])) << "n=" << n;
        EXPECT_EQ(nrm[1], 0.0f);
        EXPECT_GT(nrm[2], 0.0f);
    }
    // Worked out by hand for n = 4: band 2 starts on the equator (2 x 3.14159 / 4 is
    // 1.570795 exactly in float), column 1 is at 1.570795 radians, whose cosine is
    // 1.27e-6, not 0.
    std::set<Cle> points = sommets(triangles([&] { solidSphere(rayon, 4); }));
    EXPECT_TRUE(contient(points, 0.75f, 0, 0));
    EXPECT_TRUE(contient(points, 9.50693106e-07f, 0.75f, 0));
    // And for n = 6: the upper ring of band 2 is its lower one plus 3.14159 / 6, not
    // the next band's lower ring (the equator) formed afresh: 4.5e-8 above it.
    points = sommets(triangles([&] { solidSphere(rayon, 6); }));
    EXPECT_TRUE(contient(points, 0.75f, 0, 4.47034836e-08f));
    EXPECT_TRUE(contient(points, 0.75f, 0, 0));
    EXPECT_NO_GL_ERROR();
}

TEST(Solides, cubeFacesAreGridsOverTheirCorners) {
    etatInitialGL();
    const float demi[3] = {0.25f, 0.5f, 0.75f};  // of 0.5 x 1.0 x 1.5
    for (int n : {3, 4}) {
        auto t = triangles([&] { solidCube(0.5f, 1.0f, 1.5f, n); });
        EXPECT_EQ(t.size(), size_t(6 * n * n * 2));
        // Every triangle lies in one of the six face planes, 2 n^2 to a face, whose
        // points form an (n+1) x (n+1) grid inside the box.
        std::vector<std::vector<Triangle>> faces(6);
        for (const Triangle& tr : t) {
            int face = -1;
            for (int a = 0; a < 3; ++a)
                for (int cote = 0; cote < 2; ++cote) {
                    float plan = cote ? -demi[a] : demi[a];
                    auto v = [a](const Point& p) { return a == 0 ? p.x : a == 1 ? p.y : p.z; };
                    if (v(tr[0]) == plan && v(tr[1]) == plan && v(tr[2]) == plan)
                        face = 2 * a + cote;
                }
            ASSERT_GE(face, 0) << "n=" << n << ": a triangle off the faces";
            faces[face].push_back(tr);
        }
        for (const std::vector<Triangle>& f : faces) {
            EXPECT_EQ(f.size(), size_t(2 * n * n));
            EXPECT_EQ(sommets(f).size(), size_t((n + 1) * (n + 1))) << "n=" << n;
            for (const Cle& p : sommets(f)) {
                EXPECT_LE(std::fabs(std::get<0>(p)), demi[0]);
                EXPECT_LE(std::fabs(std::get<1>(p)), demi[1]);
                EXPECT_LE(std::fabs(std::get<2>(p)), demi[2]);
            }
        }
    }
    // Worked out by hand for n = 4, where every fraction is exact: the +x face.
    std::set<Cle> attendu;
    for (float y : {-0.5f, -0.25f, 0.0f, 0.25f, 0.5f})
        for (float z : RANGEES_4) attendu.insert({0.25f, y, z});
    std::set<Cle> plusX;
    for (const Cle& p : sommets(triangles([] { solidCube(0.5f, 1.0f, 1.5f, 4); })))
        if (std::get<0>(p) == 0.25f) plusX.insert(p);
    EXPECT_EQ(plusX, attendu);
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
