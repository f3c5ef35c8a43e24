// The picture: a box and a transparent sphere in front of it, lit by one directional
// light with the head lamp off, drawn by the viewer's own path and read back. A few
// pixels are checked against OpenGL's lighting equation worked out here from the
// scene's values and the normal at that pixel, so that a wrong normal, a wrong alpha,
// a light in the wrong place or missing shows as a wrong colour.
#include <GL/glut.h>

#include <cmath>

#include "tests/proprietes_aide.h"
#include "viewer/Viewer.h"

namespace {

const char* const SCENE =
    "#VRML V1.0 ascii\n"
    "Separator {\n"
    "  DirectionalLight { direction 0.3 -0.5 -1 color 1 0.9 0.7 }\n"
    "  Separator {\n"
    "    Translation { translation -0.35 0.05 -2 }\n"
    "    Rotation { rotation 1 0 0 0.5 }\n"
    "    Rotation { rotation 0 1 0 0.6 }\n"
    "    Material { diffuseColor 0.2 0.5 0.9 ambientColor 0.4 0.3 0.2\n"
    "               specularColor 0.6 0.6 0.6 emissiveColor 0.05 0 0.1 shininess 0.03 }\n"
    "    Cube { width 1 height 1 depth 1 }\n"
    "  }\n"
    "  Translation { translation 0.45 -0.2 1 }\n"
    "  Material { diffuseColor 0.9 0.4 0.1 transparency 0.4 }\n"
    "  Sphere { radius 0.4 }\n"
    "}\n";

// The same values, for the expected colours.
struct V {
    double x, y, z;
};
V operator+(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V operator*(double k, V a) { return {k * a.x, k * a.y, k * a.z}; }
V operator*(V a, V b) { return {a.x * b.x, a.y * b.y, a.z * b.z}; }
double scalaire(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V unitaire(V a) { return (1 / sqrt(scalaire(a, a))) * a; }

const V directionLumiere = {0.3, -0.5, -1}, couleurLumiere = {1, 0.9, 0.7};
const V positionBoite = {-0.35, 0.05, -2};
const double tourX = 0.5, tourY = 0.6;  // radians
const V centreSphere = {0.45, -0.2, 1};
const double rayonSphere = 0.4;
const V ambianteGlobale = {0.2, 0.2, 0.2};  // OpenGL's light model default

struct Matiere {
    V diffuse, ambient, specular, emission;
    double exposant, alpha;
};
const Matiere boite = {{0.2, 0.5, 0.9}, {0.4, 0.3, 0.2}, {0.6, 0.6, 0.6}, {0.05, 0, 0.1},
                       0.03 * 128, 1};
const Matiere sphere = {{0.9, 0.4, 0.1}, {0.2, 0.2, 0.2}, {0, 0, 0}, {0, 0, 0},
                        0.2 * 128, 0.6};

// OpenGL's lighting of one vertex with normal n (eye space): emission, ambient, then
// the one light at infinity seen by a viewer at infinity, clamped to [0, 1].
V eclairage(const Matiere& m, V n) {
    V l = unitaire(-1 * directionLumiere);
    V h = unitaire(l + V{0, 0, 1});
    double diffus = std::max(scalaire(n, l), 0.0);
    double speculaire = diffus > 0 ? pow(std::max(scalaire(n, h), 0.0), m.exposant) : 0;
    V c = m.emission + m.ambient * ambianteGlobale + diffus * (m.diffuse * couleurLumiere) +
          speculaire * (m.specular * couleurLumiere);
    return {std::min(c.x, 1.0), std::min(c.y, 1.0), std::min(c.z, 1.0)};
}

// A vector of the box turned as its two Rotations turn it (first about x, then y in
// the turned frame: the matrix is Rx * Ry).
V tourneBoite(V v) {
    double c = cos(tourY), s = sin(tourY);
    V y = {c * v.x + s * v.z, v.y, -s * v.x + c * v.z};
    c = cos(tourX), s = sin(tourX);
    return {y.x, c * y.y - s * y.z, s * y.y + c * y.z};
}

// The window and the viewer's projection: two units high, as wide as the window.
int largeur, hauteur;
double rapport() { return largeur / static_cast<double>(hauteur); }

struct Pixel {
    int i, j;
};
Pixel pixelDe(V p) {
    return {static_cast<int>(floor((p.x / rapport() + 1) * largeur / 2)),
            static_cast<int>(floor((p.y + 1) * hauteur / 2))};
}
// The point of the view plane at the centre of a pixel.
V centreDe(Pixel p) {
    return {((p.i + 0.5) * 2 / largeur - 1) * rapport(), (p.j + 0.5) * 2 / hauteur - 1, 0};
}

// Distance from the sphere's centre to the pixel's, in radii, as seen on the screen.
double distanceSphere(Pixel p) {
    V c = centreDe(p);
    return hypot(c.x - centreSphere.x, c.y - centreSphere.y) / rayonSphere;
}

// The sphere's colour at a pixel inside its outline, from the normal there.
V sphereEn(Pixel p) {
    V c = centreDe(p);
    V n = {(c.x - centreSphere.x) / rayonSphere, (c.y - centreSphere.y) / rayonSphere, 0};
    n.z = sqrt(1 - n.x * n.x - n.y * n.y);
    return eclairage(sphere, n);
}

// Blending with (GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA) over what was there.
V melange(V dessus, double alpha, V dessous) { return alpha * dessus + (1 - alpha) * dessous; }

class Image : public ProprietesGL {
protected:
    std::vector<unsigned char> pixels;

    // The viewer's frame (affichage) without the buffer swap, so that the back buffer
    // is read as drawn, whatever other windows cover this one.
    void dessine(Scene* scene) {
        largeur = glutGet(GLUT_WINDOW_WIDTH);
        hauteur = glutGet(GLUT_WINDOW_HEIGHT);
        redimensionne(largeur, hauteur);
        sceneCourante = scene;
        nbFacettesVue = 72;
        lampeFrontale = 0;
        modeSurfacique = 1;
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-rapport(), rapport(), -1, 1, -12.0f, 12.0f);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHT0);
        dessineScene();
        glFinish();
        EXPECT_NO_GL_ERROR();
        pixels.assign(largeur * hauteur * 3, 0);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, largeur, hauteur, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    }

    V lu(Pixel p) const {
        const unsigned char* c = &pixels[(p.j * largeur + p.i) * 3];
        return {c[0] / 255.0, c[1] / 255.0, c[2] / 255.0};
    }

    // Within two steps of 255: rounding, and the sphere's lighting, worked out at its
    // vertices and interpolated, which stays within one step at 72 facets.
    void attend(const char* quoi, Pixel p, V attendu) {
        V c = lu(p);
        const double tolerance = 2 / 255.0;
        EXPECT_NEAR(c.x, attendu.x, tolerance) << quoi << " red at " << p.i << "," << p.j;
        EXPECT_NEAR(c.y, attendu.y, tolerance) << quoi << " green at " << p.i << "," << p.j;
        EXPECT_NEAR(c.z, attendu.z, tolerance) << quoi << " blue at " << p.i << "," << p.j;
    }
};

}  // namespace

TEST_F(Image, litBoxBehindATransparentSphere) {
    dessine(sceneDepuis(SCENE));

    // The three faces the box shows, each flat and so of one colour: the centre of
    // each, with its own normal.
    struct Face {
        const char* nom;
        V normale;
    } faces[] = {
        {"front face", {0, 0, 1}}, {"top face", {0, 1, 0}}, {"left face", {-1, 0, 0}}};
    V couleurAvant{};
    for (const Face& f : faces) {
        V n = tourneBoite(f.normale);
        ASSERT_GT(n.z, 0.3) << f.nom;  // seen from the front
        Pixel p = pixelDe(positionBoite + 0.5 * n);
        ASSERT_GT(distanceSphere(p), 1.1) << f.nom;
        V c = eclairage(boite, n);
        if (f.normale.z == 1) couleurAvant = c;
        attend(f.nom, p, c);
    }

    // A point of the front face seen through the sphere: the sphere blended over the
    // face with the alpha 0.6.
    Pixel travers = pixelDe(positionBoite + tourneBoite({0.4, -0.2, 0.5}));
    ASSERT_LT(distanceSphere(travers), 0.6);  // away from the outline
    attend("sphere over the box", travers,
           melange(sphereEn(travers), sphere.alpha, couleurAvant));

    // The sphere over the black background, right of every corner of the box.
    double droiteBoite = -1;
    for (int coin = 0; coin < 8; ++coin) {
        V c = {coin & 1 ? 0.5 : -0.5, coin & 2 ? 0.5 : -0.5, coin & 4 ? 0.5 : -0.5};
        droiteBoite = std::max(droiteBoite, (positionBoite + tourneBoite(c)).x);
    }
    for (V decalage : {V{0.12, 0.12, 0}, V{0.15, -0.05, 0}}) {
        Pixel p = pixelDe(centreSphere + decalage);
        ASSERT_LT(distanceSphere(p), 0.6);
        ASSERT_GT(centreDe(p).x, droiteBoite + 0.05);
        attend("sphere over the background", p, melange(sphereEn(p), sphere.alpha, {0, 0, 0}));
    }

    // Nothing drawn: the clear colour.
    attend("background", pixelDe({0.95, 0.9, 0}), {0, 0, 0});
}
