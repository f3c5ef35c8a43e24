// The view manipulation in the real window: the modifier table, each handler's effect
// on the globals and its result (driven by real X events wherever the modifiers
// matter), the spin's time step, and the matrices that the view transform leaves.
#include <cmath>

#include "scene/ListeNoeuds.h"
#include "tests/aide.h"
#include "tests/evenements.h"
#include "tests/matrices.h"
#include "viewer/Viewer.h"

namespace {

const unsigned SHIFT = ShiftMask, CTRL = ControlMask, ALT = Mod1Mask;

class Manipulation : public ::testing::Test {
protected:
    void SetUp() override {
        etatInitialGL();
        vueAZero();
        enregistreEnregistreurs();
    }
    void TearDown() override { vueAZero(); }

    // Arms a drag with the left button at (x, y) with the given modifiers.
    static void appuie(unsigned modificateurs, int x = 100, int y = 100) {
        envoieBouton(Button1, true, x, y, modificateurs);
    }
};

struct Combinaison {
    unsigned x;  // X modifier mask, as the event carries it
    int glut;    // the same as GLUT reports it
    ModeManipulation mode;
};
const Combinaison combinaisons[] = {
    {0, 0, MODE_AUCUN},
    {SHIFT, GLUT_ACTIVE_SHIFT, MODE_TOURNE_YX},
    {SHIFT | ALT, GLUT_ACTIVE_SHIFT | GLUT_ACTIVE_ALT, MODE_TOURNE_YX},
    {SHIFT | CTRL, GLUT_ACTIVE_SHIFT | GLUT_ACTIVE_CTRL, MODE_TOURNE_ZX},
    {CTRL, GLUT_ACTIVE_CTRL, MODE_ZOOM},
    {ALT, GLUT_ACTIVE_ALT, MODE_DEPLACE},
    {CTRL | ALT, GLUT_ACTIVE_CTRL | GLUT_ACTIVE_ALT, MODE_NEUTRE},
    {SHIFT | CTRL | ALT, GLUT_ACTIVE_SHIFT | GLUT_ACTIVE_CTRL | GLUT_ACTIVE_ALT, MODE_NEUTRE},
};

TEST_F(Manipulation, everyModifierCombinationGivesItsMode) {
    for (const Combinaison& c : combinaisons) {
        EXPECT_EQ(modeDepuisEtat(c.glut), c.mode) << "GLUT modifiers " << c.glut;
        // The same through a real press: the mode is the one GLUT reads from the event.
        modeManipulation = static_cast<ModeManipulation>(-1);
        appuie(c.x);
        EXPECT_EQ(modeManipulation, c.mode) << "X modifiers " << c.x;
        EXPECT_EQ(retours.souris, c.mode == MODE_AUCUN ? 0 : 1);
        envoieBouton(Button1, false, 100, 100, c.x);
    }
}

TEST_F(Manipulation, plainPressChangesNothingButReadsProjectionAndWidth) {
    glMatrixMode(GL_PROJECTION);
    glOrtho(-2, 2, -1, 1, -5, 5);
    glMatrixMode(GL_MODELVIEW);
    boutonCourant = 7;
    appuie(0, 30, 40);
    EXPECT_EQ(retours.souris, 0);
    EXPECT_EQ(boutonEnfonce, 0);
    EXPECT_EQ(dernierX, 0);
    EXPECT_EQ(dernierY, 0);
    EXPECT_EQ(boutonCourant, GLUT_LEFT_BUTTON);
    EXPECT_EQ(largeurFenetre, glutGet(GLUT_WINDOW_WIDTH));
    EXPECT_TRUE(memeMatrice(matriceProjection, ortho(-2, 2, -1, 1, -5, 5)));
}

TEST_F(Manipulation, middleButtonStopsTheDragUntilTheNextLeftEvent) {
    appuie(SHIFT);
    ASSERT_EQ(boutonEnfonce, 1);
    envoieBouton(Button2, true, 100, 100, SHIFT);
    EXPECT_EQ(retours.souris, 0);
    EXPECT_EQ(boutonCourant, GLUT_MIDDLE_BUTTON);
    EXPECT_EQ(mouvementManip(120, 130), 0);
    EXPECT_EQ(rotationVueY, 0);
    EXPECT_EQ(dernierX, 100);
    appuie(SHIFT);  // the left button takes over again
    envoieMouvement(103, 100, SHIFT);
    EXPECT_EQ(retours.mouvement, 1);
    EXPECT_EQ(rotationVueY, 3);
}

TEST_F(Manipulation, releaseWithoutModifierLeavesTheDragArmedInModeZero) {
    appuie(SHIFT);
    envoieBouton(Button1, false, 100, 100, 0);
    EXPECT_EQ(retours.souris, 0);
    EXPECT_EQ(boutonEnfonce, 1);
    EXPECT_EQ(modeManipulation, MODE_AUCUN);
    envoieMouvement(110, 120, 0);
    EXPECT_EQ(retours.mouvement, 1);  // redrawn, though nothing changed
    EXPECT_EQ(rotationVueX, 0);
    EXPECT_EQ(rotationVueY, 0);
    EXPECT_EQ(dernierX, 100);
    // A release with a modifier disarms it.
    envoieBouton(Button1, false, 110, 120, SHIFT);
    EXPECT_EQ(retours.souris, 1);
    EXPECT_EQ(boutonEnfonce, 0);
    EXPECT_EQ(mouvementManip(130, 140), 0);
}

TEST_F(Manipulation, dragTurnsOneDegreeAPixel) {
    appuie(SHIFT);  // about Y, then X
    envoieMouvement(107, 97, SHIFT);
    EXPECT_EQ(retours.mouvement, 1);
    EXPECT_EQ(rotationVueY, 7);
    EXPECT_EQ(rotationVueX, -3);
    EXPECT_EQ(rotationVueZ, 0);
    EXPECT_EQ(dernierX, 107);
    EXPECT_EQ(dernierY, 97);

    appuie(SHIFT | CTRL, 50, 50);  // about Z, then X
    envoieMouvement(45, 52, SHIFT | CTRL);
    EXPECT_EQ(rotationVueZ, -5);
    EXPECT_EQ(rotationVueX, -1);
    EXPECT_EQ(rotationVueY, 7);

    appuie(CTRL | ALT, 0, 0);  // takes the motion, changes nothing
    envoieMouvement(20, 30, CTRL | ALT);
    EXPECT_EQ(retours.mouvement, 1);
    EXPECT_EQ(dernierX, 20);
    EXPECT_EQ(dernierY, 30);
    EXPECT_EQ(rotationVueX, -1);
    EXPECT_EQ(rotationVueY, 7);
    EXPECT_EQ(rotationVueZ, -5);
    EXPECT_EQ(echelleVue, 1.0f);
    EXPECT_EQ(translationVueX, 0);
}

TEST_F(Manipulation, modeChangesInTheMiddleOfADrag) {
    appuie(SHIFT);
    envoieMouvement(104, 100, SHIFT);
    // A key pressed during the drag recomputes the mode: now Ctrl + Alt.
    envoieTouche(XK_a, CTRL | ALT);
    EXPECT_EQ(modeManipulation, MODE_NEUTRE);
    envoieMouvement(110, 100, CTRL | ALT);
    EXPECT_EQ(rotationVueY, 4);
    EXPECT_EQ(dernierX, 110);
}

// The zoom factor of one step, as the viewer forms it.
float facteurZoom(int pixels) {
    return static_cast<float>(
        pow(static_cast<double>(1.02f), static_cast<double>(pixels / 5.0f)));
}

TEST_F(Manipulation, zoomDownThenUpRestoresTheFactor) {
    appuie(CTRL, 50, 50);
    envoieMouvement(53, 60, CTRL);  // 10 down
    EXPECT_EQ(retours.mouvement, 1);
    EXPECT_EQ(echelleVue, facteurZoom(10));
    EXPECT_NEAR(echelleVue, 1.02 * 1.02, 1e-6);
    EXPECT_EQ(dernierX, 50);  // only the vertical position is followed
    EXPECT_EQ(dernierY, 60);
    envoieMouvement(58, 60, CTRL);  // sideways: no change
    EXPECT_EQ(echelleVue, facteurZoom(10));
    envoieMouvement(58, 50, CTRL);  // 10 up
    EXPECT_NEAR(echelleVue, 1.0, 1e-6);
    envoieMouvement(58, 53, CTRL);  // 3 down: a fraction of a step
    EXPECT_NEAR(echelleVue, facteurZoom(3), 1e-6);
    float avant = echelleVue;
    envoieMouvement(58, -4000, CTRL);  // far up: much smaller, never zero or negative
    EXPECT_EQ(echelleVue, avant / facteurZoom(4053));
    EXPECT_GT(echelleVue, 0);
}

TEST_F(Manipulation, panIsScaledByTheProjectionReadAtThePress) {
    // The viewer's own projection: m0 = h/w, so the scene follows the pointer.
    int w = glutGet(GLUT_WINDOW_WIDTH), h = glutGet(GLUT_WINDOW_HEIGHT);
    float rapport = w / static_cast<float>(h);
    glMatrixMode(GL_PROJECTION);
    glOrtho(-rapport, rapport, -1, 1, -12, 12);
    appuie(ALT);
    glLoadIdentity();  // changed after the press: not taken into account
    glMatrixMode(GL_MODELVIEW);
    envoieMouvement(110, 95, ALT);
    EXPECT_EQ(retours.mouvement, 1);
    float m0 = matriceProjection[0];
    EXPECT_EQ(translationVueX, 2 * 10 / (w * m0));
    EXPECT_EQ(translationVueY, 0 - 2 * -5 / (w * m0));
    EXPECT_NEAR(translationVueX, 10 * 2.0 / h, 1e-6);  // 2/h units a pixel
    EXPECT_NEAR(translationVueY, 5 * 2.0 / h, 1e-6);
    EXPECT_EQ(dernierX, 110);
    EXPECT_EQ(dernierY, 95);
}

TEST_F(Manipulation, letterKeysTurnByTwoDegreesWhateverTheMode) {
    // Ctrl turns letters into control characters before they reach the handler.
    for (unsigned m : {0u, ALT}) {
        vueAZero();
        envoieTouche(XK_x, m);
        EXPECT_EQ(retours.touche, 1);
        envoieTouche(XK_y, m);
        envoieTouche(XK_y, m);
        envoieTouche(XK_z, m);
        EXPECT_EQ(angleToucheX, 2);
        EXPECT_EQ(angleToucheY, 4);
        EXPECT_EQ(angleToucheZ, 2);
    }
    for (unsigned m : {SHIFT, SHIFT | ALT}) {  // capitals turn the other way
        vueAZero();
        envoieTouche(XK_x, m);
        EXPECT_EQ(retours.touche, 1);
        envoieTouche(XK_y, m);
        envoieTouche(XK_z, m);
        envoieTouche(XK_z, m);
        EXPECT_EQ(angleToucheX, -2);
        EXPECT_EQ(angleToucheY, -2);
        EXPECT_EQ(angleToucheZ, -4);
    }
    envoieTouche(XK_KP_Add, 0);  // '+' and any other key are left to the viewer
    EXPECT_EQ(retours.touche, 0);
    envoieTouche(XK_a, 0);
    EXPECT_EQ(retours.touche, 0);
    EXPECT_EQ(rotationVueX, 0);
    EXPECT_EQ(rotationAuto, 0);
}

TEST_F(Manipulation, onlyShiftReturnTogglesTheSpin) {
    for (unsigned m : {0u, CTRL, ALT, CTRL | ALT, SHIFT | CTRL}) {
        envoieTouche(XK_Return, m);
        EXPECT_EQ(retours.touche, 0) << "modifiers " << m;
        EXPECT_EQ(rotationAuto, 0) << "modifiers " << m;
    }
    envoieTouche(XK_Return, SHIFT);
    EXPECT_EQ(retours.touche, 1);
    EXPECT_EQ(rotationAuto, 1);
    // It starts from now, so that the first step has no jump.
    EXPECT_NEAR(dernierTemps, glutGet(GLUT_ELAPSED_TIME), 100);
    envoieTouche(XK_Return, SHIFT | ALT);  // Shift with Alt is still mode 1
    EXPECT_EQ(retours.touche, 1);
    EXPECT_EQ(rotationAuto, 0);
}

TEST_F(Manipulation, viewerKeyboardOffersEveryKeyToTheViewFirst) {
    glutKeyboardFunc(clavier);
    int avant = nbFacettesVue;
    envoieTouche(XK_x, 0);
    EXPECT_EQ(angleToucheX, 2);
    EXPECT_EQ(nbFacettesVue, avant);
    envoieTouche(XK_KP_Add, 0);
    EXPECT_EQ(nbFacettesVue, avant + 1);
    nbFacettesVue = avant;
    enregistreEnregistreurs();
}

TEST_F(Manipulation, shiftArrowsChangeTheSpinSpeed) {
    float attendue = 1.0f;
    for (int i = 0; i < 10; ++i) {
        envoieTouche(XK_Left, SHIFT);
        EXPECT_EQ(retours.toucheSpeciale, 1);
        attendue *= 1.1f;
    }
    EXPECT_EQ(vitesseRotation, attendue);
    EXPECT_NEAR(vitesseRotation, std::pow(1.1, 10), 1e-5);
    for (int i = 0; i < 10; ++i) envoieTouche(XK_Right, SHIFT);
    EXPECT_NEAR(vitesseRotation, 1.0, 1e-6);
    envoieTouche(XK_Up, SHIFT);
    envoieTouche(XK_Prior, SHIFT);
    EXPECT_NEAR(vitesseRotation, 1.21, 1e-6);
    envoieTouche(XK_Down, SHIFT);
    envoieTouche(XK_Next, SHIFT);
    EXPECT_NEAR(vitesseRotation, 1.0, 1e-6);
    EXPECT_EQ(angleToucheX, 0);
    EXPECT_EQ(angleToucheY, 0);
    EXPECT_EQ(angleToucheZ, 0);
}

TEST_F(Manipulation, ctrlKeysJumpToPresetViewsKeepingPanAndZoom) {
    struct Preset {
        KeySym touche;
        float x, y, z;
    };
    const Preset presets[] = {{XK_Left, 0, 0, 0},    {XK_Up, 0, 0, 0},
                              {XK_Right, 0, 180, 0}, {XK_Down, 180, 0, 0},
                              {XK_Prior, 0, 0, 180}, {XK_Next, 0, 0, 0}};
    for (const Preset& p : presets) {
        rotationVueX = 10, rotationVueY = 20, rotationVueZ = 30;
        angleToucheX = angleToucheY = angleToucheZ = 45;
        translationVueX = 0.5f, translationVueY = -0.25f, echelleVue = 3;
        envoieTouche(p.touche, CTRL);
        EXPECT_EQ(retours.toucheSpeciale, 1) << "keysym " << p.touche;
        EXPECT_EQ(angleToucheX, p.x) << "keysym " << p.touche;
        EXPECT_EQ(angleToucheY, p.y) << "keysym " << p.touche;
        EXPECT_EQ(angleToucheZ, p.z) << "keysym " << p.touche;
        EXPECT_EQ(rotationVueX, 0);
        EXPECT_EQ(rotationVueY, 0);
        EXPECT_EQ(rotationVueZ, 0);
        EXPECT_EQ(translationVueX, 0.5f);
        EXPECT_EQ(translationVueY, -0.25f);
        EXPECT_EQ(echelleVue, 3);
    }
}

TEST_F(Manipulation, arrowAndPageKeysTurnByTheModesStep) {
    // One degree plain, ten with Alt; Shift+Ctrl and Ctrl+Alt turn by one as well.
    const std::pair<unsigned, float> pas[] = {
        {0, 1}, {ALT, 10}, {SHIFT | CTRL, 1}, {CTRL | ALT, 1}, {SHIFT | CTRL | ALT, 1}};
    for (auto [m, p] : pas) {
        vueAZero();
        envoieTouche(XK_Up, m);
        EXPECT_EQ(retours.toucheSpeciale, 1);
        EXPECT_EQ(angleToucheX, -p) << "modifiers " << m;
        envoieTouche(XK_Down, m);
        envoieTouche(XK_Down, m);
        EXPECT_EQ(angleToucheX, p);
        envoieTouche(XK_Left, m);
        EXPECT_EQ(angleToucheY, -p);
        envoieTouche(XK_Right, m);
        envoieTouche(XK_Right, m);
        EXPECT_EQ(angleToucheY, p);
        envoieTouche(XK_Prior, m);
        EXPECT_EQ(angleToucheZ, -p);
        envoieTouche(XK_Next, m);
        envoieTouche(XK_Next, m);
        EXPECT_EQ(angleToucheZ, p);
        EXPECT_EQ(vitesseRotation, 1.0f);
        EXPECT_EQ(rotationVueX, 0);
    }
}

TEST_F(Manipulation, otherSpecialKeysAreNotTaken) {
    // Function keys, Home, End, Insert, and the modifier keys themselves, which
    // freeglut reports as special keys 112 to 117.
    const KeySym autres[] = {XK_F1,        XK_F12,     XK_Home,    XK_End,
                             XK_Insert,    XK_Shift_L, XK_Shift_R, XK_Control_L,
                             XK_Control_R, XK_Alt_L};
    for (unsigned m : {0u, SHIFT, CTRL, ALT, CTRL | ALT}) {
        for (KeySym k : autres) {
            // X's keymap makes Ctrl+Alt+F1 a console switch, which never reaches GLUT.
            if (m == (CTRL | ALT) && (k == XK_F1 || k == XK_F12)) continue;
            retours.toucheSpeciale = -1;
            envoieTouche(k, m);
            EXPECT_EQ(retours.toucheSpeciale, 0) << "keysym " << k << " modifiers " << m;
        }
    }
    EXPECT_EQ(angleToucheX, 0);
    EXPECT_EQ(angleToucheY, 0);
    EXPECT_EQ(angleToucheZ, 0);
    EXPECT_EQ(vitesseRotation, 1.0f);
    envoieTouche(XK_Shift_L, 0);
    EXPECT_EQ(retours.codeSpecial, GLUT_KEY_SHIFT_L);
    envoieTouche(XK_Control_R, 0);
    EXPECT_EQ(retours.codeSpecial, GLUT_KEY_CTRL_R);
}

TEST_F(Manipulation, spinTurnsTenDegreesASecondTimesTheSpeed) {
    vitesseRotation = 2;
    int debut = glutGet(GLUT_ELAPSED_TIME) - 500;
    dernierTemps = debut;
    inactif();  // off: only the clock is read
    EXPECT_EQ(rotationVueX, 0);
    EXPECT_GE(dernierTemps, debut + 500);

    rotationAuto = 1;
    dernierTemps = debut;
    inactif();
    float d = (dernierTemps - debut) * 0.01f * 2.0f;
    EXPECT_GE(d, 10.0f);  // half a second at twice the speed
    EXPECT_EQ(rotationVueX, d);
    EXPECT_EQ(rotationVueY, d);
    EXPECT_EQ(rotationVueZ, d);
    rotationAuto = 0;
}

TEST_F(Manipulation, viewTransformMultipliesTheCurrentMatrix) {
    rotationVueX = 30, rotationVueY = -45, rotationVueZ = 100;
    translationVueX = 0.3f, translationVueY = -0.7f, echelleVue = 1.5f;
    angleToucheX = 12, angleToucheY = 180, angleToucheZ = -2;
    glTranslatef(1, 2, 3);
    appliqueVue();
    EXPECT_TRUE(matriceCourante(GL_MODELVIEW_MATRIX,
                                translation(1, 2, 3) * translation(0.3f, -0.7f, 0) *
                                    rotation(30, 1, 0, 0) * rotation(-45, 0, 1, 0) *
                                    rotation(100, 0, 0, 1) * echelle(1.5f)));
    glLoadIdentity();
    appliqueVue();
    appliqueAnglesTouches();
    EXPECT_TRUE(matriceCourante(GL_MODELVIEW_MATRIX, vueAttendue()));
    EXPECT_NO_GL_ERROR();
}

TEST_F(Manipulation, frameDrawsTheSceneUnderTheViewTransform) {
    Scene* avant = sceneCourante;
    sceneCourante = sceneDepuis("#VRML V1.0 ascii\n");
    Sonde* sonde = new Sonde;
    sceneCourante->noeuds->ajoute(sonde);
    rotationVueY = 20, echelleVue = 0.5f, translationVueX = 0.1f, angleToucheZ = 90;
    affichage();
    ASSERT_EQ(sonde->vus.size(), 1u);
    EXPECT_TRUE(memeMatrice(sonde->releve.matrice, vueAttendue()));
    double r =
        glutGet(GLUT_WINDOW_WIDTH) / static_cast<double>(glutGet(GLUT_WINDOW_HEIGHT));
    EXPECT_TRUE(memeMatrice(sonde->releve.projection, ortho(-r, r, -1, 1, -12, 12)));
    EXPECT_TRUE(
        matriceCourante(GL_MODELVIEW_MATRIX, identite()));  // popped after the frame
    sceneCourante = avant;
}

}  // namespace
