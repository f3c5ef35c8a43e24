#include "viewer/Manipulation.h"

#include <GL/glut.h>

#include <cmath>
#include <cstdlib>

float rotationVueX = 0, rotationVueY = 0, rotationVueZ = 0;
float translationVueX = 0, translationVueY = 0;
float echelleVue = 1.0f;
float angleToucheX = 0, angleToucheY = 0, angleToucheZ = 0;
int rotationAuto = 0;
float vitesseRotation = 1.0f;
int dernierTemps = 0;
ModeManipulation modeManipulation = MODE_AUCUN;
int boutonCourant = 0;
int boutonEnfonce = 0;
int dernierX = 0, dernierY = 0;
float matriceProjection[16];
int largeurFenetre;

void appliqueVue() {
    glTranslatef(translationVueX, translationVueY, 0);
    glRotatef(rotationVueX, 1, 0, 0);
    glRotatef(rotationVueY, 0, 1, 0);
    glRotatef(rotationVueZ, 0, 0, 1);
    glScalef(echelleVue, echelleVue, echelleVue);
}

void appliqueAnglesTouches() {
    glRotatef(angleToucheX, 1, 0, 0);
    glRotatef(angleToucheY, 0, 1, 0);
    glRotatef(angleToucheZ, 0, 0, 1);
}

ModeManipulation modeDepuisEtat(int modificateurs) {
    bool shift = modificateurs & GLUT_ACTIVE_SHIFT;
    bool ctrl = modificateurs & GLUT_ACTIVE_CTRL;
    bool alt = modificateurs & GLUT_ACTIVE_ALT;
    if (ctrl && alt) return MODE_NEUTRE;
    if (shift) return ctrl ? MODE_TOURNE_ZX : MODE_TOURNE_YX;
    if (ctrl) return MODE_ZOOM;
    if (alt) return MODE_DEPLACE;
    return MODE_AUCUN;
}

ModeManipulation modeDepuisModificateurs() { return modeDepuisEtat(glutGetModifiers()); }

int sourisManip(int bouton, int etat, int x, int y) {
    // Panning is scaled by the projection in force when the drag starts.
    glGetFloatv(GL_PROJECTION_MATRIX, matriceProjection);
    largeurFenetre = glutGet(GLUT_WINDOW_WIDTH);
    boutonCourant = bouton;
    if (bouton != GLUT_LEFT_BUTTON) return 0;
    modeManipulation = modeDepuisModificateurs();
    if (modeManipulation == MODE_AUCUN) return 0;
    dernierX = x;
    dernierY = y;
    if (etat == GLUT_DOWN) boutonEnfonce = 1;
    if (etat == GLUT_UP) boutonEnfonce = 0;
    return 1;
}

int mouvementManip(int x, int y) {
    if (boutonCourant != GLUT_LEFT_BUTTON || boutonEnfonce != 1) return 0;
    int dx = x - dernierX, dy = y - dernierY;
    switch (modeManipulation) {
    case MODE_TOURNE_YX:
        rotationVueY += dx;
        rotationVueX += dy;
        break;
    case MODE_TOURNE_ZX:
        rotationVueZ += dx;
        rotationVueX += dy;
        break;
    case MODE_ZOOM: {
        // 5 pixels down enlarge by 2 %, 5 pixels up shrink by as much.
        float quotient = (dy > 0 ? dy : -dy) / 5.0f;
        float p = pow(static_cast<double>(1.02f), static_cast<double>(quotient));
        if (dy > 0) echelleVue = echelleVue * p;
        if (dy < 0) echelleVue = echelleVue / p;
        dernierY = y;
        return 1;
    }
    case MODE_DEPLACE:
        translationVueX += 2 * dx / (largeurFenetre * matriceProjection[0]);
        translationVueY -= 2 * dy / (largeurFenetre * matriceProjection[0]);
        break;
    case MODE_NEUTRE:
        break;
    default:
        return 1;
    }
    dernierX = x;
    dernierY = y;
    return 1;
}

// The spin turns only while the idle callback is registered, so that an idle viewer
// costs no processor time.
static void basculeRotationAuto() {
    rotationAuto = 1 - rotationAuto;
    if (rotationAuto) {
        dernierTemps = glutGet(GLUT_ELAPSED_TIME);  // start without a jump
        glutIdleFunc(inactif);
    } else {
        glutIdleFunc(nullptr);
    }
}

int toucheManip(unsigned char touche, int, int) {
    modeManipulation = modeDepuisModificateurs();
    if (modeManipulation == MODE_TOURNE_YX && touche == 13) {
        basculeRotationAuto();
        return 1;
    }
    switch (touche) {
    case 27: exit(0);
    case 'x': angleToucheX += 2; return 1;
    case 'X': angleToucheX -= 2; return 1;
    case 'y': angleToucheY += 2; return 1;
    case 'Y': angleToucheY -= 2; return 1;
    case 'z': angleToucheZ += 2; return 1;
    case 'Z': angleToucheZ -= 2; return 1;
    default: return 0;
    }
}

// Preset views of Ctrl + arrow and page keys: key angles X, Y, Z in degrees.
static void vuePredefinie(float x, float y, float z) {
    angleToucheX = x;
    angleToucheY = y;
    angleToucheZ = z;
    rotationVueX = rotationVueY = rotationVueZ = 0;
}

int toucheSpecialeManip(int touche, int, int) {
    modeManipulation = modeDepuisModificateurs();
    switch (touche) {
    case GLUT_KEY_LEFT: case GLUT_KEY_UP: case GLUT_KEY_PAGE_UP:
    case GLUT_KEY_RIGHT: case GLUT_KEY_DOWN: case GLUT_KEY_PAGE_DOWN:
        break;
    default:
        return 0;  // function keys, Home, End, Insert, and the modifiers themselves
    }
    if (modeManipulation == MODE_TOURNE_YX) {
        bool plusVite = touche == GLUT_KEY_LEFT || touche == GLUT_KEY_UP ||
                        touche == GLUT_KEY_PAGE_UP;
        if (plusVite) vitesseRotation *= 1.1f;
        else vitesseRotation /= 1.1f;
        return 1;
    }
    if (modeManipulation == MODE_ZOOM) {
        switch (touche) {
        case GLUT_KEY_RIGHT:   vuePredefinie(0, 180, 0); break;
        case GLUT_KEY_DOWN:    vuePredefinie(180, 0, 0); break;
        case GLUT_KEY_PAGE_UP: vuePredefinie(0, 0, 180); break;
        default:               vuePredefinie(0, 0, 0); break;
        }
        return 1;
    }
    // One degree a key, ten with Alt; Shift+Ctrl and Ctrl+Alt turn by one as well.
    float pas = modeManipulation == MODE_DEPLACE ? 10 : 1;
    switch (touche) {
    case GLUT_KEY_UP:        angleToucheX -= pas; break;
    case GLUT_KEY_DOWN:      angleToucheX += pas; break;
    case GLUT_KEY_LEFT:      angleToucheY -= pas; break;
    case GLUT_KEY_RIGHT:     angleToucheY += pas; break;
    case GLUT_KEY_PAGE_UP:   angleToucheZ -= pas; break;
    case GLUT_KEY_PAGE_DOWN: angleToucheZ += pas; break;
    }
    return 1;
}

void souris(int bouton, int etat, int x, int y) {
    if (sourisManip(bouton, etat, x, y)) glutPostRedisplay();
}

void mouvement(int x, int y) {
    if (mouvementManip(x, y)) glutPostRedisplay();
}

void toucheSpeciale(int touche, int x, int y) {
    if (toucheSpecialeManip(touche, x, y)) glutPostRedisplay();
}

void inactif() {
    int t = glutGet(GLUT_ELAPSED_TIME);
    if (rotationAuto) {
        float d = (t - dernierTemps) * 0.01f * vitesseRotation;
        rotationVueX += d;
        rotationVueY += d;
        rotationVueZ += d;
        glutPostRedisplay();
    }
    dernierTemps = t;
}
