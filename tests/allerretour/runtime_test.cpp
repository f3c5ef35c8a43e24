// The run-time library against the viewer: its stacks leave the state that a
// Separator leaves, and its solids draw, from a parts word, the very vertices that
// the Cone and Cylinder nodes draw.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "SolidObjects.h"
#include "Utils.h"
#include "scene/Scene.h"
#include "shapes/Cone.h"
#include "shapes/Cylinder.h"
#include "tests/aide.h"

class Runtime : public ::testing::Test {
protected:
    void SetUp() override { etatInitialGL(); }
};

static void metDiffuse(float r) {
    const GLfloat d[4] = {r, 0.5f, 0.25f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, d);
    const GLfloat sh[1] = {r * 100};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SHININESS, sh);
}

static std::vector<float> materiau() {
    std::vector<float> v(17);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, &v[0]);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, &v[4]);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, &v[8]);
    glGetMaterialfv(GL_FRONT, GL_EMISSION, &v[12]);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &v[16]);
    return v;
}

TEST_F(Runtime, materialPopRestoresTheMaterialOfTheMatchingPush) {
    metDiffuse(0.1f);
    std::vector<float> exterieur = materiau();
    empileMaterial();
        metDiffuse(0.2f);
        std::vector<float> milieu = materiau();
        empileMaterial();
            metDiffuse(0.3f);
        depileMaterial();
        EXPECT_EQ(materiau(), milieu);
    depileMaterial();
    EXPECT_EQ(materiau(), exterieur);
    // A pop without a push (a hand-edited file) leaves the material alone.
    depileMaterial();
    EXPECT_EQ(materiau(), exterieur);
    EXPECT_NO_GL_ERROR();
}

// What a light block of a generated file does.
static int prendLumiere() {
    int pld = premiereLumiereDisponible();
    glEnable(pld);
    return pld;
}

TEST_F(Runtime, lightsPopSwitchesOffTheLightsTakenSinceThePush) {
    empileLights();
        EXPECT_EQ(prendLumiere(), GL_LIGHT1);
        empileLights();
            EXPECT_EQ(prendLumiere(), GL_LIGHT2);
            EXPECT_EQ(prendLumiere(), GL_LIGHT3);
        depileLights();
        EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
        EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
        EXPECT_FALSE(glIsEnabled(GL_LIGHT3));
        EXPECT_EQ(prendLumiere(), GL_LIGHT2);  // the sibling after takes it again
    depileLights();
    for (int l = GL_LIGHT1; l <= GL_LIGHT3; ++l) EXPECT_FALSE(glIsEnabled(l)) << l;
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));  // the host's head lamp is not the scene's
    EXPECT_EQ(premiereLumiereDisponible(), GL_LIGHT1);
    depileLights();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_NO_GL_ERROR();
}

// The feedback of a drawing: every vertex that reaches the rasteriser.
template <class Dessin>
static std::vector<float> retour(Dessin dessin) {
    static std::vector<float> tampon(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(tampon.size()), GL_3D, tampon.data());
    glRenderMode(GL_FEEDBACK);
    dessin();
    GLint n = glRenderMode(GL_RENDER);
    return std::vector<float>(tampon.begin(), tampon.begin() + (n > 0 ? n : 0));
}

TEST_F(Runtime, partsWordDrawsWhatTheNodeDraws) {
    glMatrixMode(GL_PROJECTION);
    glOrtho(-2, 2, -2, 2, -2, 2);
    glMatrixMode(GL_MODELVIEW);
    glRotatef(30, 1, 0.5f, 0);
    const char* mots[] = {"ALL", "SIDES", "BOTTOM", "TOP", "SIDES|TOP", "BOTTOM|TOP",
                          "ALL|SIDES", "(SIDES|BOTTOM)", "all", "", "|TOP|", "TOP|\"|SIDES"};
    nbFacettes = 5;
    for (const char* mot : mots) {
        Cone cone = lit<Cone>("{ bottomRadius 0.7 height 1.3 }");
        Cylinder cylindre = lit<Cylinder>("{ radius 0.6 height 1.1 }");
        strcpy(cone.parts, mot);
        strcpy(cylindre.parts, mot);
        EXPECT_EQ(retour([&] { solidCone(0.7f, 1.3f, 5, mot); }),
                  retour([&] { cone.dessine(); })) << "cone, parts " << mot;
        EXPECT_EQ(retour([&] { solidCylindre(0.6f, 1.1f, 5, mot); }),
                  retour([&] { cylindre.dessine(); })) << "cylinder, parts " << mot;
    }
    // The words do draw: a cone's sides are not empty.
    EXPECT_FALSE(retour([] { solidCone(0.7f, 1.3f, 5, "SIDES"); }).empty());
    EXPECT_NO_GL_ERROR();
}
