// The viewer's own callbacks, called in-process against the real window: the + and -
// keys, the two menu toggles (flags and the GL state of the next frame), the frame's
// projection and its silence on standard output, and the viewport on reshape.
#include "viewer/Viewer.h"

#include <GL/freeglut.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <string>

#include "tests/aide.h"
#include "viewer/Manipulation.h"

namespace {

int affichages = 0;
void compteAffichage() { ++affichages; }

// Redisplays that the callbacks requested: GLUT runs the display callback once for
// any number of requests, at its next pass through the events.
int redessins() {
    affichages = 0;
    glutDisplayFunc(compteAffichage);
    for (int i = 0; i < 3; ++i) glutMainLoopEvent();
    return affichages;
}

std::vector<float> matrice(GLenum quelle) {
    std::vector<float> m(16);
    glGetFloatv(quelle, m.data());
    return m;
}

// Moves the window to a spot of its own. GLUT runs no display callback for a window
// that another one covers completely, and ctest runs test processes side by side,
// each with its window at the same place: two windows of one size at two places never
// cover each other. A place is held until the process ends by a socket bound to a
// name of the abstract namespace, which leaves no file behind.
void placePropre() {
    for (int place = 0; place < 16; ++place) {
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0) continue;
        std::string nom = "orlevan-fenetre-test-" + std::to_string(place);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        nom.copy(adresse.sun_path + 1, nom.size());  // sun_path[0] stays 0: abstract
        socklen_t longueur = offsetof(sockaddr_un, sun_path) + 1 + nom.size();
        if (bind(fd, reinterpret_cast<sockaddr*>(&adresse), longueur) == 0) {
            // Right of the other tests' windows and above the end-to-end scripts'.
            glutPositionWindow(800 + 20 * (place % 4), 40 + 20 * (place / 4));
            return;
        }
        close(fd);
    }
}

// Waits until the window shows frames: GLUT runs no display callback for a window that
// the X server has not yet mapped, and a fresh test process starts right after
// creating it.
bool fenetreVisible() {
    affichages = 0;
    glutDisplayFunc(compteAffichage);
    for (int i = 0; i < 500 && affichages == 0; ++i) {
        glutPostRedisplay();
        glutMainLoopEvent();
        usleep(10000);
    }
    return affichages > 0;
}

// Asks for a window size and waits until GLUT reports it.
bool tailleFenetre(int w, int h) {
    glutReshapeWindow(w, h);
    for (int i = 0; i < 200; ++i) {
        glutMainLoopEvent();
        if (glutGet(GLUT_WINDOW_WIDTH) == w && glutGet(GLUT_WINDOW_HEIGHT) == h)
            return true;
        usleep(10000);
    }
    return false;
}

class Viewer : public ::testing::Test {
protected:
    void SetUp() override {
        static bool premier = true;
        if (premier) {
            construitMenus(true);
            placePropre();
            premier = false;
        }
        glutReshapeFunc(redimensionne);
        etatInitialGL();
        sceneCourante = nullptr;
        nbFacettesVue = 72;
        modeSurfacique = 1;
        lampeFrontale = 1;
        vueAZero();
        ASSERT_TRUE(fenetreVisible());
        redessins();  // nothing pending from earlier tests or from the window's exposure
    }
    void TearDown() override { EXPECT_NO_GL_ERROR(); }
};

}  // namespace

TEST_F(Viewer, plusRaisesTheCountWithoutLimit) {
    clavier('+', 0, 0);
    EXPECT_EQ(nbFacettesVue, 73);
    EXPECT_EQ(redessins(), 1);
    nbFacettesVue = 100000;
    clavier('+', 0, 0);
    EXPECT_EQ(nbFacettesVue, 100001);
}

TEST_F(Viewer, minusStopsAtThreeAndStillRedraws) {
    nbFacettesVue = 4;
    clavier('-', 0, 0);
    EXPECT_EQ(nbFacettesVue, 3);
    EXPECT_EQ(redessins(), 1);
    clavier('-', 0, 0);
    EXPECT_EQ(nbFacettesVue, 3);
    EXPECT_EQ(redessins(), 1);
}

TEST_F(Viewer, otherKeysLeaveTheCountAndAskNoRedraw) {
    clavier('a', 0, 0);
    clavier('=', 0, 0);
    clavier(13, 0, 0);
    EXPECT_EQ(nbFacettesVue, 72);
    EXPECT_EQ(redessins(), 0);
}

TEST_F(Viewer, lampEntryTogglesTheHeadLampOfTheNextFrame) {
    choixLampe(1);
    EXPECT_EQ(lampeFrontale, 0);
    EXPECT_EQ(redessins(), 1);
    affichage();
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    choixLampe(1);
    EXPECT_EQ(lampeFrontale, 1);
    affichage();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    // Any other value flips nothing but still redraws.
    choixLampe(0);
    EXPECT_EQ(lampeFrontale, 1);
    EXPECT_EQ(redessins(), 1);
    // Anything but 0 counts as on, and toggles to off.
    lampeFrontale = 7;
    choixLampe(1);
    EXPECT_EQ(lampeFrontale, 0);
}

TEST_F(Viewer, visualisationEntryTogglesThePolygonModeOfTheNextFrame) {
    GLint mode[2];
    choixVisualisation(1);
    EXPECT_EQ(modeSurfacique, 0);
    EXPECT_EQ(redessins(), 1);
    affichage();
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    EXPECT_EQ(mode[1], GL_LINE);
    choixVisualisation(1);
    EXPECT_EQ(modeSurfacique, 1);
    affichage();
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_EQ(mode[1], GL_FILL);
    choixVisualisation(2);
    EXPECT_EQ(modeSurfacique, 1);
}

TEST_F(Viewer, projectionIsTwoUnitsHighAndFollowsTheAspect) {
    const int tailles[][2] = {{350, 300}, {400, 200}, {150, 450}};
    for (const auto& t : tailles) {
        ASSERT_TRUE(tailleFenetre(t[0], t[1])) << t[0] << "x" << t[1];
        affichage();
        std::vector<float> p = matrice(GL_PROJECTION_MATRIX);
        float rapport = t[0] / static_cast<float>(t[1]);
        EXPECT_FLOAT_EQ(p[0], 1 / rapport) << t[0] << "x" << t[1];  // x from -w/h to w/h
        EXPECT_FLOAT_EQ(p[5], 1);                                   // y from -1 to 1
        EXPECT_FLOAT_EQ(p[10], -1.0f / 12);                         // z from -12 to 12
        EXPECT_FLOAT_EQ(p[12], 0);
        EXPECT_FLOAT_EQ(p[13], 0);
        EXPECT_FLOAT_EQ(p[14], 0);
        EXPECT_FLOAT_EQ(p[15], 1);
        // The view transform and the scene were pushed and popped.
        std::vector<float> identite(16, 0);
        identite[0] = identite[5] = identite[10] = identite[15] = 1;
        EXPECT_EQ(matrice(GL_MODELVIEW_MATRIX), identite);
    }
    tailleFenetre(350, 300);
}

TEST_F(Viewer, cleanFrameIsSilentAndAnErrorFramePrintsOneLine) {
    sceneCourante = garde(new Scene(ORLEVAN_SOURCE_DIR "/examples/demo.wrl"));
    ASSERT_NE(sceneCourante->noeuds->tete, nullptr);
    testing::internal::CaptureStdout();
    affichage();
    affichage();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    glEnable(0x1234);  // leaves GL_INVALID_ENUM for the frame to report
    testing::internal::CaptureStdout();
    affichage();
    affichage();  // read once: the next frame is clean again
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nAttention erreur 1280\n");
    sceneCourante = nullptr;
}

TEST_F(Viewer, reshapeSetsTheViewportToTheWholeWindow) {
    redimensionne(123, 45);
    GLint v[4];
    glGetIntegerv(GL_VIEWPORT, v);
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[1], 0);
    EXPECT_EQ(v[2], 123);
    EXPECT_EQ(v[3], 45);
    redimensionne(350, 300);
}
