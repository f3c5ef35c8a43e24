// The two cameras: their field blocks, the matrices they leave in the real window
// (under the user's view transform, confined by a Separator), and their saved blocks
// against text written by hand.
#include "scene/Separator.h"
#include "tests/aide.h"
#include "tests/evenements.h"
#include "tests/matrices.h"
#include "viewer/OrthographicCamera.h"
#include "viewer/PerspectiveCamera.h"
#include "viewer/Viewer.h"

namespace {

// Radians as the cameras convert them to degrees, worked out by hand: times 180,
// divided by 3.14159 (as a float), not by pi.
const double DEGRES_1_5708 = 90.000280038;      // 1.5708 radians
const double DEGRES_2 = 114.591651499;          // 2 radians
const double DEGRES_MOINS_0_5 = -28.647912875;  // -0.5 radians

template <class C>
void attendsDefauts(const C& c) {
    EXPECT_EQ(c.position[0], 0);
    EXPECT_EQ(c.position[1], 0);
    EXPECT_EQ(c.position[2], 1);
    EXPECT_EQ(c.orientation[0], 0);  // angle
    EXPECT_EQ(c.orientation[1], 0);
    EXPECT_EQ(c.orientation[2], 0);
    EXPECT_EQ(c.orientation[3], 1);
    EXPECT_EQ(c.focalDistance, 5);
}

TEST(CameraLecture, emptyBlockKeepsTheDefaults) {
    OrthographicCamera o = lit<OrthographicCamera>("{ }");
    attendsDefauts(o);
    EXPECT_EQ(o.height, 2);
    PerspectiveCamera p = lit<PerspectiveCamera>("{\n}\n");
    attendsDefauts(p);
    EXPECT_EQ(p.heightAngle, 2);
}

TEST(CameraLecture, orientationIsWrittenAxisFirst) {
    PerspectiveCamera p = lit<PerspectiveCamera>(
        "{ position 1 -2 3.5 orientation 0 1 0 1.5708 focalDistance 7 heightAngle 0.5 }");
    EXPECT_EQ(p.position[0], 1);
    EXPECT_EQ(p.position[1], -2);
    EXPECT_EQ(p.position[2], 3.5f);
    EXPECT_EQ(p.orientation[0], 1.5708f);
    EXPECT_EQ(p.orientation[1], 0);
    EXPECT_EQ(p.orientation[2], 1);
    EXPECT_EQ(p.orientation[3], 0);
    EXPECT_EQ(p.focalDistance, 7);
    EXPECT_EQ(p.heightAngle, 0.5f);
}

TEST(CameraLecture, foreignFieldCostsExactlyOneNumber) {
    // Each camera takes the other's height field for a foreign one.
    OrthographicCamera o = lit<OrthographicCamera>(
        "{ position 1 2 3 heightAngle 9 nearDistance 4 height 6 }");
    EXPECT_EQ(o.height, 6);
    EXPECT_EQ(o.position[2], 3);
    PerspectiveCamera p = lit<PerspectiveCamera>("{ height 9 heightAngle 1 Height 8 }");
    EXPECT_EQ(p.heightAngle, 1);
    EXPECT_EQ(p.focalDistance, 5);
}

TEST(CameraLecture, fieldGivenTwiceKeepsTheLastValue) {
    OrthographicCamera o = lit<OrthographicCamera>(
        "{ height 3 position 1 1 1 height 4 position 5 6 7 orientation 1 0 0 2 "
        "orientation 0 0 1 0.5 }");
    EXPECT_EQ(o.height, 4);
    EXPECT_EQ(o.position[0], 5);
    EXPECT_EQ(o.position[2], 7);
    EXPECT_EQ(o.orientation[0], 0.5f);
    EXPECT_EQ(o.orientation[1], 0);
    EXPECT_EQ(o.orientation[3], 1);
}

TEST(CameraLecture, blockCutShortKeepsTheFieldsReadSoFar) {
    OrthographicCamera o = lit<OrthographicCamera>("{ height 3 position 4 5");
    EXPECT_EQ(o.height, 3);
    EXPECT_EQ(o.position[0], 4);
    EXPECT_EQ(o.position[1], 5);
    EXPECT_EQ(o.position[2], 1);  // never read
    PerspectiveCamera p = lit<PerspectiveCamera>("{ heightAngle 1 orientation 1 0 0");
    EXPECT_EQ(p.heightAngle, 1);
    EXPECT_EQ(p.orientation[1], 1);
    EXPECT_EQ(p.orientation[0], 0);  // the angle never came
    EXPECT_EQ(lit<OrthographicCamera>("").height, 2);
    EXPECT_EQ(lit<OrthographicCamera>("{ height").height, 2);
}

TEST(CameraLecture, firstNumberThatDoesNotScanLeavesTheField) {
    OrthographicCamera o = lit<OrthographicCamera>("{ height large focalDistance 7 }");
    EXPECT_EQ(o.height, 2);
    EXPECT_EQ(o.focalDistance, 7);
}

TEST(CameraLecture, readerCreatesBothCamerasInFileOrder) {
    Scene* s = sceneDepuis(
        "#VRML V1.0 ascii\nPerspectiveCamera { heightAngle 1 }\n"
        "Separator { OrthographicCamera { height 5 } }\n");
    ASSERT_EQ(compte(s->noeuds), 2);
    auto* p = dynamic_cast<PerspectiveCamera*>(s->noeuds->tete->noeud);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->heightAngle, 1);
    auto* sep = dynamic_cast<Separator*>(s->noeuds->queue->noeud);
    ASSERT_NE(sep, nullptr);
    auto* o = dynamic_cast<OrthographicCamera*>(sep->enfants->tete->noeud);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->height, 5);
}

class CameraDessin : public ::testing::Test {
protected:
    double w, h;
    void SetUp() override {
        etatInitialGL();
        vueAZero();
        w = glutGet(GLUT_WINDOW_WIDTH);
        h = glutGet(GLUT_WINDOW_HEIGHT);
    }
    void TearDown() override { vueAZero(); }
};

TEST_F(CameraDessin, defaultOrthographicLooksDownMinusZFromOne) {
    glMatrixMode(GL_PROJECTION);
    glOrtho(-3, 3, -3, 3, -3, 3);  // replaced, not multiplied
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(4, 4, 4);
    OrthographicCamera c;
    c.dessine();
    EXPECT_TRUE(
        matriceCourante(GL_PROJECTION_MATRIX, ortho(-w / h, w / h, -1, 1, -1000, 1000)));
    EXPECT_TRUE(matriceCourante(GL_MODELVIEW_MATRIX, translation(0, 0, -1)));
    GLint mode;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_NO_GL_ERROR();
}

TEST_F(CameraDessin, placedOrthographicPutsTheUserViewOnTop) {
    OrthographicCamera c =
        lit<OrthographicCamera>("{ position 0 0 5 orientation 0 1 0 1.5708 height 4 }");
    rotationVueX = 15, rotationVueY = -30, translationVueY = 0.2f, echelleVue = 2;
    angleToucheY = 180;
    c.dessine();
    EXPECT_TRUE(matriceCourante(GL_PROJECTION_MATRIX,
                                ortho(-2 * w / h, 2 * w / h, -2, 2, -1000, 1000)));
    // A quarter turn: the view turns by about -90 degrees about Y, after the move.
    EXPECT_TRUE(matriceCourante(
        GL_MODELVIEW_MATRIX,
        rotation(-DEGRES_1_5708, 0, 1, 0) * translation(0, 0, -5) * vueAttendue()));
}

TEST_F(CameraDessin, perspectiveUsesTheHeightAngleInDegrees) {
    PerspectiveCamera defaut;
    defaut.dessine();
    EXPECT_TRUE(
        matriceCourante(GL_PROJECTION_MATRIX, perspective(DEGRES_2, w / h, 1, 1000)));
    PerspectiveCamera droit = lit<PerspectiveCamera>(
        "{ heightAngle 1.5708 position 1 2 3 orientation 1 1 0 -0.5 }");
    angleToucheZ = 90, translationVueX = -0.4f;
    droit.dessine();
    EXPECT_TRUE(matriceCourante(GL_PROJECTION_MATRIX,
                                perspective(DEGRES_1_5708, w / h, 1, 1000)));
    float m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(m[5], 1.0, 1e-4);  // about 90 degrees: y scaled by cot 45
    glMatrixMode(GL_MODELVIEW);
    EXPECT_TRUE(matriceCourante(
        GL_MODELVIEW_MATRIX,
        rotation(-DEGRES_MOINS_0_5, 1, 1, 0) * translation(-1, -2, -3) * vueAttendue()));
    EXPECT_NO_GL_ERROR();
}

TEST_F(CameraDessin, cameraInASeparatorKeepsOnlyItsProjectionAfterIt) {
    Scene* avant = sceneCourante;
    sceneCourante = sceneDepuis(
        "#VRML V1.0 ascii\n"
        "Separator { OrthographicCamera { position 1 0 5 height 6 } }\n");
    auto* sep = dynamic_cast<Separator*>(sceneCourante->noeuds->tete->noeud);
    ASSERT_NE(sep, nullptr);
    Sonde* dedans = new Sonde;
    Sonde* apres = new Sonde;
    sep->enfants->ajoute(dedans);
    sceneCourante->noeuds->ajoute(apres);
    rotationVueZ = 40, echelleVue = 0.5f;
    affichage();
    ASSERT_EQ(dedans->vus.size(), 1u);
    ASSERT_EQ(apres->vus.size(), 1u);
    Matrice projection = ortho(-3 * w / h, 3 * w / h, -3, 3, -1000, 1000);
    EXPECT_TRUE(memeMatrice(dedans->releve.projection, projection));
    EXPECT_TRUE(
        memeMatrice(dedans->releve.matrice, translation(-1, 0, -5) * vueAttendue()));
    // After the Separator: the viewer's own view again, under the camera's projection.
    EXPECT_TRUE(memeMatrice(apres->releve.matrice, vueAttendue()));
    EXPECT_TRUE(memeMatrice(apres->releve.projection, projection));

    // A drag started after such a frame pans by the camera's projection.
    enregistreEnregistreurs();
    envoieBouton(Button1, true, 100, 100, Mod1Mask);
    EXPECT_TRUE(memeMatrice(matriceProjection, projection));
    envoieMouvement(130, 100, Mod1Mask);
    EXPECT_NEAR(translationVueX, 30 * 6.0 / h, 1e-6);  // 6 units over h pixels
    envoieBouton(Button1, false, 130, 100, Mod1Mask);
    sceneCourante = avant;
}

// Saved blocks, written by hand from the rules: height four times, the angle in
// degrees negated, the position negated.
TEST(CameraExport, defaultOrthographicBlock) {
    OrthographicCamera c;
    EXPECT_EQ(exporteTexte(c),
              "  { glMatrixMode(GL_PROJECTION);\n"
              "    glLoadIdentity();\n"
              "    int w = glutGet(GLUT_WINDOW_WIDTH);\n"
              "    int l = glutGet(GLUT_WINDOW_HEIGHT);\n"
              "    glOrtho(-2.000000F*w/2.0F/l,2.000000F*w/2.0F/l,-2.000000F/2.0F,"
              "2.000000F/2.0F,-1000.0,1000.0);\n"
              "    glMatrixMode(GL_MODELVIEW);\n"
              "    glLoadIdentity();\n"
              "    glRotatef(-0.000000F,0.000000F,0.000000F,1.000000F);\n"
              "    glTranslatef(-0.000000F,-0.000000F,-1.000000F); }\n");
}

TEST(CameraExport, defaultPerspectiveBlock) {
    PerspectiveCamera c;
    EXPECT_EQ(exporteTexte(c),
              "  { glMatrixMode(GL_PROJECTION);\n"
              "    glLoadIdentity();\n"
              "    int w = glutGet(GLUT_WINDOW_WIDTH);\n"
              "    int l = glutGet(GLUT_WINDOW_HEIGHT);\n"
              "    gluPerspective(114.591651F,(float) w/l,1.0,1000.0);\n"
              "    glMatrixMode(GL_MODELVIEW);\n"
              "    glLoadIdentity();\n"
              "    glRotatef(-0.000000F,0.000000F,0.000000F,1.000000F);\n"
              "    glTranslatef(-0.000000F,-0.000000F,-1.000000F); }\n");
}

TEST(CameraExport, placedCamerasWriteTheInverseOfTheirPlacement) {
    OrthographicCamera o =
        lit<OrthographicCamera>("{ position 0 0 5 orientation 0 1 0 1.5708 height 0.5 }");
    std::string texte = exporteTexte(o);
    EXPECT_NE(texte.find("    glOrtho(-0.500000F*w/2.0F/l,0.500000F*w/2.0F/l,"
                         "-0.500000F/2.0F,0.500000F/2.0F,-1000.0,1000.0);\n"),
              std::string::npos)
        << texte;
    EXPECT_NE(texte.find("    glRotatef(-90.000280F,0.000000F,1.000000F,0.000000F);\n"
                         "    glTranslatef(-0.000000F,-0.000000F,-5.000000F); }\n"),
              std::string::npos)
        << texte;
    PerspectiveCamera p = lit<PerspectiveCamera>(
        "{ heightAngle 1.5708 position -1 2 -3 orientation 1 0 0 -0.5 }");
    texte = exporteTexte(p);
    EXPECT_NE(texte.find("    gluPerspective(90.000280F,(float) w/l,1.0,1000.0);\n"),
              std::string::npos)
        << texte;
    EXPECT_NE(texte.find("    glRotatef(28.647913F,1.000000F,0.000000F,0.000000F);\n"
                         "    glTranslatef(1.000000F,-2.000000F,3.000000F); }\n"),
              std::string::npos)
        << texte;
}

TEST(CameraExport, negativeHeightStillGivesNumbers) {
    OrthographicCamera c = lit<OrthographicCamera>("{ height -3 }");
    EXPECT_NE(exporteTexte(c).find("    glOrtho(3.000000F*w/2.0F/l,-3.000000F*w/2.0F/l,"
                                   "3.000000F/2.0F,-3.000000F/2.0F,-1000.0,1000.0);\n"),
              std::string::npos);
    OrthographicCamera zero = lit<OrthographicCamera>("{ height 0 }");
    EXPECT_NE(
        exporteTexte(zero).find("    glOrtho(-0.000000F*w/2.0F/l,0.000000F*w/2.0F/l,"
                                "-0.000000F/2.0F,0.000000F/2.0F,-1000.0,1000.0);\n"),
        std::string::npos);
}

}  // namespace
