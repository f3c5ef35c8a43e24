#include "viewer/Viewer.h"

#include <GL/glut.h>

#include <cstdio>
#include <cstdlib>

#include "viewer/Manipulation.h"

char nomFichier[TAILLE_NOM];
Scene* sceneCourante = nullptr;
int nbFacettesVue = 72;
int modeSurfacique = 1;
int lampeFrontale = 1;
int menuLampe;
int menuVisualisation;
int menuPrincipal;
int largeurHorsEcran = 0;
int hauteurHorsEcran = 0;

void ouvreFenetre(const char* nom) {
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(350, 300);
    glutInitWindowPosition(50, 50);
    char titre[TAILLE_NOM + 16];
    snprintf(titre, sizeof titre, "Orlevan - %s", nom);
    glutCreateWindow(titre);
}

void initialiseGL() {
    glEnable(GL_AUTO_NORMAL);
    glEnable(GL_NORMALIZE);  // the sphere's normals are not of unit length
    glDepthFunc(GL_LESS);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_CULL_FACE);
}

static void dessineArbre() {
    if (sceneCourante) sceneCourante->dessine(nbFacettesVue);
}

void (*contenuScene)() = dessineArbre;

void dessineScene() {
    glPushMatrix();
        contenuScene();
    glPopMatrix();
}

void tailleImage(int* largeur, int* hauteur) {
    if (largeurHorsEcran > 0) {
        *largeur = largeurHorsEcran;
        *hauteur = hauteurHorsEcran;
    } else {
        *largeur = glutGet(GLUT_WINDOW_WIDTH);
        *hauteur = glutGet(GLUT_WINDOW_HEIGHT);
    }
}

void dessineImage() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, modeSurfacique ? GL_FILL : GL_LINE);

    // Two units high, as wide as the window: the scene is never distorted.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    int w, h;
    tailleImage(&w, &h);
    float rapport = w / static_cast<float>(h);
    glOrtho(-rapport, rapport, -1, 1, -12.0f, 12.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    // The head lamp is OpenGL's default GL_LIGHT0: white, shining along the view.
    if (lampeFrontale) glEnable(GL_LIGHT0);
    else glDisable(GL_LIGHT0);

    glPushMatrix();
        appliqueVue();
        appliqueAnglesTouches();
        dessineScene();
    glPopMatrix();
}

void affichage() {
    dessineImage();
    glFlush();
    GLenum erreur = glGetError();
    if (erreur != GL_NO_ERROR) printf("\nAttention erreur %d\n", erreur);
    glutSwapBuffers();
}

void redimensionne(int w, int h) { glViewport(0, 0, w, h); }

void clavier(unsigned char touche, int x, int y) {
    if (toucheManip(touche, x, y)) {
        glutPostRedisplay();
        return;
    }
    if (touche == '+') {
        ++nbFacettesVue;
        glutPostRedisplay();
    } else if (touche == '-') {
        if (--nbFacettesVue < 3) nbFacettesVue = 3;
        glutPostRedisplay();
    }
}

// Flips a flag and relabels its submenu's one entry with what choosing it next does.
static void bascule(int valeur, int* drapeau, int menu, const char* siActif,
                    const char* siInactif) {
    if (valeur == 1) {
        *drapeau = *drapeau == 0 ? 1 : 0;
        glutSetMenu(menu);
        glutRemoveMenuItem(1);
        glutAddMenuEntry(*drapeau ? siActif : siInactif, 1);
        glutPostRedisplay();
    }
    glutPostRedisplay();
}

void choixLampe(int valeur) { bascule(valeur, &lampeFrontale, menuLampe, "Off", "On"); }

void choixVisualisation(int valeur) {
    bascule(valeur, &modeSurfacique, menuVisualisation, "Visualisation en fil de fer",
            "Visualisation en surfacique");
}

void choixPrincipal(int valeur) {
    if (valeur == -1) exit(0);
    if (valeur == 0 && sceneCourante) sauvegarde(sceneCourante, nomFichier);
    glutPostRedisplay();
}

void construitMenus(bool avecEnregistrer) {
    menuLampe = glutCreateMenu(choixLampe);
    glutAddMenuEntry("Off", 1);
    menuVisualisation = glutCreateMenu(choixVisualisation);
    glutAddMenuEntry("Fil de fer", 1);
    menuPrincipal = glutCreateMenu(choixPrincipal);
    if (avecEnregistrer) glutAddMenuEntry("Enregistrer", 0);
    glutAddSubMenu("Visualisation", menuVisualisation);
    glutAddSubMenu("Lampe frontale", menuLampe);
    glutAddMenuEntry("Quitter", -1);
    glutAttachMenu(GLUT_RIGHT_BUTTON);
}

void enregistreCallbacks() {
    glutReshapeFunc(redimensionne);
    glutKeyboardFunc(clavier);
    glutSpecialFunc(toucheSpeciale);
    glutMotionFunc(mouvement);
    glutMouseFunc(souris);
    // No idle callback yet: the spin registers inactif while it runs.
    glutDisplayFunc(affichage);
}

void lanceVue(bool avecEnregistrer) {
    construitMenus(avecEnregistrer);
    initialiseGL();
    enregistreCallbacks();
    glutMainLoop();
}
